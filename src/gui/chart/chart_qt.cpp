#include "gui/chart/chart_qt.h"

#include <algorithm>
#include <cmath>

namespace veltra::gui {

QFont toQFont(const core::TChartFont& f) {
  QFont font(chartText(f.name));
  font.setPixelSize(std::clamp(static_cast<int>(std::lround(f.size * 96.0 / 72.0)), 1, 400));
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikeOut);
  return font;
}

core::TChartFont fromQFont(const QFont& font, core::TColor color) {
  core::TChartFont f;
  f.name = chartText(font.family());
  f.size = font.pointSize() > 0 ? font.pointSize() : static_cast<int>(std::lround(font.pixelSize() * 72.0 / 96.0));
  f.color = color;
  f.bold = font.bold();
  f.italic = font.italic();
  f.underline = font.underline();
  f.strikeOut = font.strikeOut();
  return f;
}

} // namespace veltra::gui
