#include "core/print/report_sections.h"
#include "core/print/signal_grid.h"

#include <algorithm>

namespace veltra::core {

namespace {

constexpr SignalGroup kGroups[] = {SignalGroup::A, SignalGroup::E, SignalGroup::F, SignalGroup::H,
                                   SignalGroup::I, SignalGroup::M, SignalGroup::Q};

// Where a grid starts on a fresh page: the grid's own top edge, or below
// the page header when the header reaches further down.
int freshTop(const PageWriter& w) {
  return std::max(gridUnits(kSignalGridTopPoints), w.margin() + w.lineHeight() + w.textHeight() + w.lineHeight() / 2);
}

// The lowest a grid may reach.
int bottomLimit(const PageWriter& w) { return w.geometry().height - w.margin() / 2; }

} // namespace

SectionPages printSignalLists(PageWriter& w, const Project& project) {
  SectionPages pages;
  const int rowHeight = gridUnits(kSignalGridRowPixels + 1);
  const int x = gridUnits(kSignalGridLeftPoints);
  bool started = false;
  int y = 0;
  for (const SignalGroup g : kGroups) {
    const char letter = groupLetter(g);
    // A number beyond the group's range has no row to print.
    const int last = static_cast<int>(std::min<long long>(highestUsedSignal(project, letter), groupSize(g)));
    if (last <= 0) continue;
    if (!started) {
      pages.section = w.pageNumber();
      w.startSection("Signallisten");
      y = freshTop(w);
      started = true;
    }
    // Rows per block: 50, fewer when a page cannot hold them.
    const int fitting = (bottomLimit(w) - freshTop(w) - w.lineHeight()) / rowHeight - 1;
    const int perBlock = std::max(1, std::min(kSignalGridBlockRows, fitting));
    for (int first = 1; first <= last; first += perBlock) {
      const int count = std::min(perBlock, last - first + 1);
      const int blockHeight = w.lineHeight() + (count + 1) * rowHeight;
      // Later blocks of a group start on a new page; a group's first block
      // goes below the previous group when it fits there.
      if (first > 1 || y + blockHeight > bottomLimit(w)) {
        w.newPageWithHeader();
        y = freshTop(w);
      }
      std::string caption = std::string(1, letter) + " - " + std::string(groupCaption(g));
      if (first > 1) caption += " (Fortsetzung)";
      w.addText({x, y, caption, TextStyle::Bold, false});
      w.addGrid(signalGridBlock(project, g, first, first + count - 1, x, y + w.lineHeight()));
      y += blockHeight + w.lineHeight();
    }
  }
  return pages;
}

} // namespace veltra::core
