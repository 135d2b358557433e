#include "core/print/module_block.h"

#include "core/modules/catalogue.h"
#include "core/modules/w_temperature.h"
#include "core/util/cp1252.h"
#include "core/util/number_format.h"

namespace veltra::core {

std::string printNumber(double v) { return formatFixed(v, 15, 3); }

namespace {

std::string num(const TCell& c, int off) { return printNumber(c.f64(off)); }
std::string i32(const TCell& c, int off) { return std::to_string(c.i32(off)); }
std::string degrees(const TCell& c, int off) { return printNumber(wTemperatureDegrees(c.f64(off))); }
std::string limit(const TCell& c, int off) {
  std::string ref = limitReferenceText(c.f64(off));
  return ref.empty() ? num(c, off) : ref;
}

// What follows the type name in the heading: the signal's name from the
// installation list, or the constant, signal or program number.
std::string headingDetail(const TCell& c, const ReportLists& lists) {
  const char letter = static_cast<char>(c.letter);
  const std::int32_t n = c.i32(0);
  switch (letter) {
  case 'A':
  case 'E':
  case 'I':
  case 'Q':
  case 'V':
    return " " + cp1252ToUtf8(lists.signalName(letter, n));
  case 'F':
  case 'H':
  case 'M':
    return " " + std::to_string(n);
  case 'S':
    return "  Kanal " + std::to_string(n);
  case 'B':
  case 'L':
    return "";
  default:
    return " ";
  }
}

std::string function(const TCell& c, const ReportLists& lists) {
  return "Funktion:  " + cp1252ToUtf8(lists.item(static_cast<char>(c.letter), c.i32(0)));
}

std::string point(const TCell& c, int k) {
  const int off = 16 * (k - 1);
  return "Punkt " + std::to_string(k) + "  x: " + num(c, off) + " y: " + num(c, off + 8);
}

std::string sequence(const TCell& c, int k) {
  const int off = 32 * (k - 1);
  return "Sequenz " + std::to_string(k) + "  Start  x: " + num(c, off) + " y: " + num(c, off + 8) +
         "  Ende  x: " + num(c, off + 16) + " y: " + num(c, off + 24);
}

std::vector<std::string> parameterLines(const TCell& c, const ReportLists& lists) {
  switch (c.letter) {
  case 'A':
  case 'E':
    return {"Skalierfaktor: " + num(c, 8) + " Offset: " + num(c, 16)};
  case 'B':
    return {function(c, lists), "Skalierfaktor: " + num(c, 8)};
  case 'C':
    return {sequence(c, 1), sequence(c, 2), sequence(c, 3)};
  case 'D':
    return {function(c, lists) + "  über " + i32(c, 4) + " Werte", "Abtastzeit: " + i32(c, 16) + "sec"};
  case 'F':
    return {"Wert: " + num(c, 8)};
  case 'G':
    return {"Untergrenze: " + limit(c, 0) + "  Obergrenze: " + limit(c, 8)};
  case 'J':
    return {function(c, lists), "Laufzeit [s]: " + i32(c, 4), "Dauer Auf: " + num(c, 8) + " Dauer Zu: " + num(c, 16)};
  case 'K':
    return {point(c, 1) + "  " + point(c, 2), point(c, 3) + "  " + point(c, 4), point(c, 5)};
  case 'L':
    return {function(c, lists)};
  case 'N':
    return {"Punkt 1: " + num(c, 0) + "  Punkt 2: " + num(c, 8) + "  Punkt 3: " + num(c, 16) +
            "  Punkt 4: " + num(c, 24)};
  case 'P':
    return {"Pulsdauer [s]: " + i32(c, 4)};
  case 'R':
    return {"P-Band: " + num(c, 0) + "  Nachstellzeit [s]: " + num(c, 8),
            "Vorhaltezeit [s]: " + num(c, 16) + "  Verstärkung: " + num(c, 24)};
  case 'T':
    return {"Funktion: " + cp1252ToUtf8(lists.item('T', c.i32(0)))};
  case 'W':
    return {"Schaltuhr Kanal Nr.: " + i32(c, 0),
            "min. Einzeit: " + i32(c, 48) + " [min]  Heizfaktor: " + num(c, 8) +
                " [min/°C²]  Kühlfaktor: " + num(c, 16) + " [min/°C²]",
            "min. Auszeit: " + i32(c, 52) + " [min]  Heizfaktor: " + num(c, 24) +
                " [min/°C²]  Kühlfaktor: " + num(c, 32) + " [min/°C²]",
            "Wichtung: " + num(c, 40) + " [%]  Auslegung für min: " + degrees(c, 64) +
                " [°C]  und max: " + degrees(c, 72) + " [°C]",
            "max. Optimierungszeit: " + i32(c, 56) + " [min]",
            "Komfortbereich: " + degrees(c, 80) + " [°C]"};
  case 'Z':
    return {"Einschaltpnkt: " + limit(c, 8) + "  Ausschaltpunkt: " + limit(c, 16)};
  default:
    return {};
  }
}

} // namespace

std::vector<std::string> connectionLines(const TCell& top) {
  std::vector<std::string> lines;
  const ModuleType* type = moduleType(static_cast<char>(top.letter));
  if (type == nullptr) return lines;
  const auto& ports = type->ports;
  for (std::size_t k = 0; k < ports.size(); ++k) {
    const PortDef& p = ports[k];
    if (p.printLabel.empty()) continue;
    std::string line = std::string(p.printLabel) + std::to_string(top.i32(p.offset));
    // An input and the output listed right after it share a line.
    if (isInput(p.kind) && k + 1 < ports.size() && !isInput(ports[k + 1].kind) && !ports[k + 1].printLabel.empty()) {
      ++k;
      // J's output labels carry no " --- " of their own; without it the
      // number would run into the next label ("X10Aus+ Y11").
      if (ports[k].printLabel.front() != ' ') line += " --- ";
      line += std::string(ports[k].printLabel) + std::to_string(top.i32(ports[k].offset));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> moduleBlockLines(const TCell& top, int col, int row, const ReportLists& lists,
                                          bool connections) {
  const ModuleType* type = moduleType(static_cast<char>(top.letter));
  if (type == nullptr || top.part != 1) return {};
  std::vector<std::string> lines;
  lines.push_back("Modul: " + std::string(1, type->letter) + " - " + std::string(type->name) +
                  headingDetail(top, lists) + "  x: " + std::to_string(col) + "  y: " + std::to_string(row));
  lines.push_back(cp1252ToUtf8(top.text.view()));
  for (std::string& line : parameterLines(top, lists))
    lines.push_back(std::move(line));
  if (connections)
    for (std::string& line : connectionLines(top))
      lines.push_back(std::move(line));
  return lines;
}

} // namespace veltra::core
