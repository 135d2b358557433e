#include "gui/print/report_painter.h"

#include "gui/print/report_fonts.h"
#include "gui/util/qt_text.h"

#include <QFontMetricsF>
#include <QPainter>

namespace veltra::gui {

namespace {

const QColor kGridBorder(51, 51, 51);
const QColor kGridFixed(230, 230, 230); // the grid's fixed colour (button face)
const QColor kGridNormal(Qt::white);
constexpr int kRuleWidth = 3; // a quarter millimetre

} // namespace

void ReportPainter::paintText(QPainter& g, const core::PageText& text) {
  const QFont font = reportFont(text.style);
  g.setFont(font);
  g.setPen(Qt::black);
  const QFontMetricsF m(font);
  const QString s = fromUtf8(text.text);
  const qreal x = text.alignRight ? text.x - m.horizontalAdvance(s) : text.x;
  g.drawText(QPointF(x, text.y + m.ascent()), s);
}

void ReportPainter::paintGrid(QPainter& g, const core::PageGrid& grid) {
  const QFont font = gridFont(grid.fontPoints);
  g.setFont(font);
  const QFontMetricsF m(font);
  QPen border(kGridBorder, 2);
  for (std::size_t r = 0; r < grid.rows.size(); ++r) {
    int x = grid.x;
    const int y = grid.y + static_cast<int>(r) * grid.rowHeight;
    for (std::size_t c = 0; c < grid.rows[r].size(); ++c) {
      const int w = grid.columnWidths[c];
      const QRect cell(x, y, w, grid.rowHeight);
      g.setPen(border);
      g.setBrush(r == 0 || c < 2 ? kGridFixed : kGridNormal);
      g.drawRect(cell);
      g.setPen(Qt::black);
      const QString s = fromUtf8(grid.rows[r][c]);
      const QRect inner = cell.adjusted(grid.padding, 0, -grid.padding / 2, 0);
      g.save();
      g.setClipRect(inner);
      g.drawText(QPointF(inner.left(), y + (grid.rowHeight - m.height()) / 2 + m.ascent()), s);
      g.restore();
      x += w;
    }
  }
  g.setBrush(Qt::NoBrush);
}

void ReportPainter::paintPage(QPainter& g, const core::ReportPage& page) const {
  for (const core::PagePicture& p : page.pictures) {
    if (m_pictures) m_pictures(g, p);
    g.setPen(QPen(QColor(128, 128, 128), kRuleWidth));
    g.setBrush(Qt::NoBrush);
    g.drawRect(p.x, p.y, p.side, p.side);
  }
  for (const core::PageGrid& grid : page.grids)
    paintGrid(g, grid);
  for (const core::PageRule& r : page.rules) {
    QPen pen(r.dotted ? QColor(110, 110, 110) : QColor(Qt::black), kRuleWidth, r.dotted ? Qt::DotLine : Qt::SolidLine);
    g.setPen(pen);
    g.drawLine(r.x1, r.y, r.x2, r.y);
  }
  for (const core::PageText& t : page.texts)
    paintText(g, t);
}

} // namespace veltra::gui
