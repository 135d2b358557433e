#include "core/compiler/duplicate_outputs.h"

#include "core/util/cp1252.h"

#include <array>

namespace veltra::core {

namespace {

// One occupancy flag per output number 0..256.
using Occupancy = std::array<bool, kSignals + 1>;

void claim(Occupancy& used, TCell& c, bool& ok) {
  const std::int32_t n = Project::signalNumber(c);
  if (n < 0 || n > kSignals) return;
  if (used[static_cast<std::size_t>(n)]) {
    c.error = kErrorDuplicateOutput;
    ok = false;
  }
  used[static_cast<std::size_t>(n)] = true;
}

} // namespace

bool DoppelAusgaengePruefen(Project& project) {
  Occupancy analog{}, digital{};
  bool ok = true;
  for (int loop = 1; loop <= kLoops; ++loop)
    for (auto& column : project.Cells[loop])
      for (TCell& c : column) {
        // An output module without a feeding connection drives nothing.
        if (c.letter == 'A' && c.XE > 0) claim(analog, c, ok);
        if (c.letter == 'Q' && c.YE > 0) claim(digital, c, ok);
      }
  return ok;
}

std::string errorText(const Project& project, int code) {
  const long long index = -static_cast<long long>(code);
  if (index >= 0 && index < static_cast<long long>(project.ErrorTexts.size()))
    return cp1252ToUtf8(project.ErrorTexts[static_cast<std::size_t>(index)]);
  return "Fehler " + std::to_string(index) + " (kein Fehlertext)";
}

std::vector<std::string> faultyCellLines(const Project& project) {
  std::vector<std::string> lines;
  for (int loop = 1; loop <= kLoops; ++loop)
    for (int row = 0; row < kRows; ++row)
      for (int col = 0; col < kCols; ++col) {
        const TCell& c = project.cell(loop, col, row);
        if (c.error >= 0) continue;
        lines.push_back("Regelkreis: " + std::to_string(loop) + " Zeile: " + std::to_string(row + 1) +
                        " Spalte: " + std::to_string(col + 1) + "  " + errorText(project, c.error));
      }
  return lines;
}

std::vector<std::string> duplicateOutputLines(Project& project) {
  if (DoppelAusgaengePruefen(project)) return {};
  return faultyCellLines(project);
}

} // namespace veltra::core
