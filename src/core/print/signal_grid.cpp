#include "core/print/signal_grid.h"

#include "core/util/cp1252.h"

#include <cmath>

namespace veltra::core {

int gridUnits(double points) { return static_cast<int>(std::lround(points * kReferenceDpi / 72.0 * kSignalGridScale)); }

long long highestUsedSignal(const Project& project, char letter) {
  long long highest = 0;
  for (int loop = 1; loop <= kLoops; ++loop)
    for (const auto& column : project.Cells[loop])
      for (const TCell& c : column)
        if (c.letter == static_cast<std::uint8_t>(letter) && c.part == 1 && Project::signalNumber(c) > highest)
          highest = Project::signalNumber(c);
  return highest;
}

std::array<std::string, PageGrid::kColumns> signalGridRow(const Project& project, SignalGroup group, int n) {
  const TSignalText* name = project.SignalName.at(group, n);
  const TSignalText* desc = project.SignalDesc.at(group, n);
  return {std::to_string(n), name != nullptr ? cp1252ToUtf8(name->view()) : std::string(),
          desc != nullptr ? cp1252ToUtf8(desc->view()) : std::string()};
}

PageGrid signalGridBlock(const Project& project, SignalGroup group, int first, int last, int x, int y) {
  PageGrid grid;
  grid.x = x;
  grid.y = y;
  for (int k = 0; k < PageGrid::kColumns; ++k)
    grid.columnWidths[static_cast<std::size_t>(k)] =
        gridUnits(kSignalGridColumnPixels[static_cast<std::size_t>(k)] + 1);
  grid.rowHeight = gridUnits(kSignalGridRowPixels + 1);
  grid.padding = gridUnits(kSignalGridPaddingPoints);
  grid.fontPoints = static_cast<int>(std::lround(kSignalGridFontPoints / 0.72 * kSignalGridScale));
  grid.rows.push_back({"Nr.", "Signal", "Beschreibung"});
  for (int n = first; n <= last; ++n)
    grid.rows.push_back(signalGridRow(project, group, n));
  return grid;
}

} // namespace veltra::core
