#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace veltra::core {

// The printed documentation as data: pages of placed texts, rules, loop
// pictures and signal list grids. Coordinates are units of a 300 dpi page
// (origin at the physical top-left corner, y downwards); the painter scales
// them to its device, so a page looks the same at any resolution.
inline constexpr int kReferenceDpi = 300;

struct PageGeometry {
  int width = 2480; // A4 portrait at 300 dpi
  int height = 3508;
  int margin() const { return width / 10; }
};

enum class TextStyle : std::uint8_t { Normal, Bold };

// A text line; y is its top. A right-aligned text ends at x.
struct PageText {
  int x = 0;
  int y = 0;
  std::string text; // UTF-8
  TextStyle style = TextStyle::Normal;
  bool alignRight = false;
};

// A horizontal line from x1 to x2 (dotted: the leader of a contents line).
struct PageRule {
  int x1 = 0, x2 = 0, y = 0;
  bool dotted = false;
};

// The grid picture of a control loop, a square of `side` units.
struct PagePicture {
  int x = 0, y = 0, side = 0;
  int loop = 0;
};

// A block of a signal list grid: a heading row and up to 50 signals. Row 0
// and the first two columns are drawn in the grid's fixed colour.
struct PageGrid {
  static constexpr int kColumns = 3;
  int x = 0, y = 0;
  std::array<int, kColumns> columnWidths{};
  int rowHeight = 0;
  int padding = 0;                                     // left of a cell's text
  int fontPoints = 0;                                  // of the printed grid font
  std::vector<std::array<std::string, kColumns>> rows; // UTF-8, row 0 = headings

  int width() const { return columnWidths[0] + columnWidths[1] + columnWidths[2]; }
  int height() const { return rowHeight * static_cast<int>(rows.size()); }
};

struct ReportPage {
  int number = 0;    // as printed in the page header
  std::string title; // section title of the header
  std::vector<PageText> texts;
  std::vector<PageRule> rules;
  std::vector<PagePicture> pictures;
  std::vector<PageGrid> grids;
};

// What "Drucken" prints. Defaults are those of the dialog.
struct PrintOptions {
  bool projectData = true;     // "Projektbeschreibung"
  bool loops = true;           // "Regelkreise"
  bool signalLists = true;     // "Signallisten"
  bool crossReferences = true; // "Querverweise"
  bool allLoops = true;        // "alle"; otherwise only `loop`
  int loop = 1;                // the loop printed without "alle": the caller's (the editor's CurrentLoop)
  bool connections = false;    // "X/Y-Signale"
  bool contents = false;       // a contents page "Inhalt" first

  bool anySection() const { return projectData || loops || signalLists || crossReferences; }
};

struct Report {
  PageGeometry geometry;
  int lineHeight = 0; // height of "J" + 40
  std::vector<ReportPage> pages;
  std::vector<int> printedLoops; // in print order
};

} // namespace veltra::core
