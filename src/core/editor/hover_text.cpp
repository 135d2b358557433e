#include "core/editor/hover_text.h"

#include "core/compiler/cross_reference.h"
#include "core/compiler/duplicate_outputs.h"
#include "core/modules/catalogue.h"
#include "core/util/cp1252.h"
#include "core/util/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace veltra::core {

namespace {

void join(std::string& t, const std::string& part) {
  if (part.empty()) return;
  t = t.empty() ? part : t + "\n" + part;
}

std::string i32Text(std::int32_t v) { return std::to_string(v); }
std::string absText(std::int32_t v) { return std::to_string(std::llabs(static_cast<long long>(v))); }
std::string u32Text(std::int32_t v) { return std::to_string(static_cast<std::uint32_t>(v)); }

// The parameter lines of a module, by letter.
std::vector<std::string> parameterLines(const TCell& c) {
  auto fix = [&](const char* label, int off) { return std::string(label) + formatFix(c.f64(off)); };
  switch (c.letter) {
  case 'A':
  case 'E':
    return {fix("Skalierung: ", 8), fix("Offset: ", 16)};
  case 'B':
    return {"Funktion: " + i32Text(c.i32(0)), fix("Skalierung: ", 8)};
  case 'C':
    return {fix("x1a: ", 0),  fix("ya1: ", 8),  fix("xe1: ", 16), fix("ye1: ", 24), fix("xa2: ", 32), fix("ya2: ", 40),
            fix("xe2: ", 48), fix("ye2: ", 56), fix("xa3: ", 64), fix("ya3: ", 72), fix("xe3: ", 80), fix("ye3: ", 88)};
  case 'D':
    return {"Funktion: " + i32Text(c.i32(0)), "Anzahl: " + i32Text(c.i32(4)), "Sek: " + u32Text(c.i32(16))};
  case 'F':
    return {fix("Wert: ", 8)};
  case 'G':
    return {"min: " + formatLimit(c.f64(0)), "max: " + formatLimit(c.f64(8))};
  case 'J':
    return {"Funktion: " + i32Text(c.i32(0)), "Par1: " + u32Text(c.i32(4)), fix("Par2: ", 8), fix("Par3: ", 16)};
  case 'K':
    return {fix("x1: ", 0),  fix("y1: ", 8),  fix("x2: ", 16), fix("y2: ", 24), fix("x3: ", 32),
            fix("y3: ", 40), fix("x4: ", 48), fix("y4: ", 56), fix("x5: ", 64), fix("y5: ", 72)};
  case 'L':
    return {"Funktion: " + absText(c.i32(0))};
  case 'N':
    return {fix("Punkt1: ", 0), fix("Punkt2: ", 8), fix("Punkt3: ", 16), fix("Punkt4: ", 24), fix("Hysterese: ", 32)};
  case 'P':
    return {"Dauer: " + i32Text(c.i32(4))};
  case 'R':
    return {fix("P-Band: ", 0), fix("Tn: ", 8), fix("Tv: ", 16), fix("Verstärkung: ", 24)};
  case 'T':
    return {"Funktion: " + absText(c.i32(0)), "Par1: " + i32Text(c.i32(8)), "Par2: " + i32Text(c.i32(12))};
  case 'Y':
    return {"H" + i32Text(c.i32(12))};
  case 'Z':
    return {"ein: " + formatLimit(c.f64(8)), "aus: " + formatLimit(c.f64(16))};
  default:
    return {};
  }
}

bool hasCrossReference(char letter) {
  switch (letter) {
  case 'A':
  case 'E':
  case 'F':
  case 'H':
  case 'I':
  case 'M':
  case 'Q':
  case 'V':
    return true;
  default:
    return false;
  }
}

} // namespace

std::string formatFix(double v) { return formatFixed(v, 5, 2); }

std::string formatLimit(double v) {
  std::string ref = limitReferenceText(v);
  return ref.empty() ? formatFix(v) : ref;
}

std::string hoverText(const Project& p, int loop, int col, int row, const HoverFlags& flags) {
  if (!validLoop(loop) || !validCol(col) || !validRow(row)) return {};
  const TCell& c = p.cell(loop, col, row);
  const std::string e = c.error < 0 ? errorText(p, c.error) : std::string();
  std::string t;
  if (!c.isEmpty() && c.part == 1) {
    if (flags.parameters)
      for (const std::string& line : parameterLines(c))
        join(t, line);
    std::string x;
    if (flags.crossRef && hasCrossReference(static_cast<char>(c.letter)))
      x = GetQVW(p, static_cast<char>(c.letter), std::llabs(static_cast<long long>(c.i32(0))));
    if (flags.description) {
      std::string d = cp1252ToUtf8(c.text.view());
      join(d, t);
      t = d;
    }
    join(t, x);
  }
  join(t, e);
  return t;
}

} // namespace veltra::core
