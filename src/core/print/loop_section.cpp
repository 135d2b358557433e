#include "core/print/module_block.h"
#include "core/print/report_builder.h"
#include "core/print/report_sections.h"
#include "core/util/cp1252.h"
#include "core/util/file_io.h"

namespace veltra::core {

namespace {

const std::string kSeparator(42, '-');

// The picture, the loop's number, sample time and description.
void printLoopPage(PageWriter& w, const Project& project, int loop) {
  const int side = w.geometry().width - 2 * w.margin();
  w.addPicture({w.margin(), w.y(), side, loop});
  w.setY(w.y() + w.geometry().width - w.margin());
  const int y = w.y();
  w.DruckeText(w.margin(), "Regelkreis " + std::to_string(loop), true, TextStyle::Bold);
  w.addText(
      {w.right(), y, "Abtastzeit: " + std::to_string(project.LoopSampleTime[loop]) + " s", TextStyle::Normal, true});
  // The memo's lines, broken at the right margin as the memo breaks them.
  for (const std::string& line : splitLines(project.LoopText[loop]))
    for (const std::string& part : wrapText(cp1252ToUtf8(line), w.right() - w.margin(), w.metrics()))
      w.DruckeText(w.margin(), part, true);
}

} // namespace

SectionPages printLoops(PageWriter& w, const Project& project, const std::vector<int>& loops, const ReportLists& lists,
                        bool connections) {
  SectionPages pages;
  if (loops.empty()) return pages;
  pages.section = w.pageNumber();
  w.startSection("Regelkreise");
  bool first = true;
  for (const int loop : loops) {
    if (!first) w.newPageWithHeader();
    first = false;
    pages.loops.push_back(w.pageNumber() - 1);
    printLoopPage(w, project, loop);
    w.newPageWithHeader();
    for (int col = 0; col < kCols; ++col)
      for (int row = 0; row < kRows; ++row) {
        const std::vector<std::string> block =
            moduleBlockLines(project.cell(loop, col, row), col, row, lists, connections);
        if (block.empty()) continue;
        // A block stays together on one page when it fits on one.
        const int blockEnd = w.y() + static_cast<int>(block.size()) * w.lineHeight();
        if (!w.fits(blockEnd) && w.y() > w.margin() + 3 * w.lineHeight()) w.newPageWithHeader();
        for (std::size_t k = 0; k < block.size(); ++k)
          w.DruckeText(w.margin(), block[k], true, k == 0 ? TextStyle::Bold : TextStyle::Normal);
        w.DruckeText(w.margin(), kSeparator, true);
      }
  }
  return pages;
}

} // namespace veltra::core
