#include "core/print/report_dump.h"

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <vector>

namespace veltra::core {

namespace {

// One line of a page in reading order.
struct Line {
  int y, x;
  std::string text;
};

std::string position(int y, int x, bool right = false) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%5d %c%4d ", y, right ? '>' : ' ', x);
  return buf;
}

std::vector<Line> dumpLines(const ReportPage& page) {
  std::vector<Line> lines;
  for (const PageText& t : page.texts)
    lines.push_back({t.y, t.x, position(t.y, t.x, t.alignRight) + t.text});
  for (const PageRule& r : page.rules)
    lines.push_back(
        {r.y, r.x1, position(r.y, r.x1) + (r.dotted ? "[.... bis " : "[---- bis ") + std::to_string(r.x2) + "]"});
  for (const PagePicture& p : page.pictures)
    lines.push_back({p.y, p.x,
                     position(p.y, p.x) + "[Regelkreis " + std::to_string(p.loop) + ": " + std::to_string(p.side) +
                         " x " + std::to_string(p.side) + "]"});
  for (const PageGrid& g : page.grids)
    for (std::size_t r = 0; r < g.rows.size(); ++r) {
      const int y = g.y + static_cast<int>(r) * g.rowHeight;
      lines.push_back(
          {y, g.x, position(y, g.x) + "| " + g.rows[r][0] + " | " + g.rows[r][1] + " | " + g.rows[r][2] + " |"});
    }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const Line& a, const Line& b) { return std::tie(a.y, a.x) < std::tie(b.y, b.x); });
  return lines;
}

} // namespace

std::string dumpReport(const Report& report) {
  std::string out;
  for (const ReportPage& page : report.pages) {
    out += "=== Seite " + std::to_string(page.number) + ": " + page.title + " ===\n";
    for (const Line& line : dumpLines(page))
      out += line.text + "\n";
  }
  return out;
}

std::string pageText(const ReportPage& page) {
  std::vector<Line> lines;
  for (const PageText& t : page.texts)
    lines.push_back({t.y, t.x, t.text});
  for (const PageGrid& g : page.grids)
    for (std::size_t r = 0; r < g.rows.size(); ++r)
      for (std::size_t c = 0; c < g.rows[r].size(); ++c) {
        int x = g.x;
        for (std::size_t k = 0; k < c; ++k)
          x += g.columnWidths[k];
        lines.push_back({g.y + static_cast<int>(r) * g.rowHeight, x, g.rows[r][c]});
      }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const Line& a, const Line& b) { return std::tie(a.y, a.x) < std::tie(b.y, b.x); });
  std::string out;
  for (const Line& line : lines)
    if (!line.text.empty()) out += line.text + "\n";
  return out;
}

} // namespace veltra::core
