#include "gui/print/result_print.h"

#include "core/print/report.h"
#include "gui/print/report_fonts.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace veltra::gui {

namespace {

constexpr int kEdge = 200;
constexpr int kInset = 20; // keeps the text off the frame line

int lineHeight() { return static_cast<int>(std::ceil(QFontMetricsF(reportFont(core::TextStyle::Normal)).height())); }

} // namespace

int resultLinesPerPage(int height) { return std::max(1, (height - 2 * kEdge - 2 * kInset) / lineHeight()); }

void paintResultLines(QPainter& g, QPagedPaintDevice& device, const QStringList& lines) {
  const QRectF points = device.pageLayout().fullRect(QPageLayout::Point);
  const int width = static_cast<int>(std::lround(points.width() * core::kReferenceDpi / 72.0));
  const int height = static_cast<int>(std::lround(points.height() * core::kReferenceDpi / 72.0));
  const qreal sx = device.logicalDpiX() / static_cast<qreal>(core::kReferenceDpi);
  const qreal sy = device.logicalDpiY() / static_cast<qreal>(core::kReferenceDpi);
  const QFont font = reportFont(core::TextStyle::Normal);
  const QFontMetricsF m(font);
  const int h = lineHeight();
  const int perPage = resultLinesPerPage(height);
  const QRect frame(kEdge, kEdge, width - 2 * kEdge, height - 2 * kEdge);
  for (int first = 0; first == 0 || first < lines.size(); first += perPage) {
    if (first > 0) device.newPage();
    g.save();
    g.scale(sx, sy);
    g.setRenderHint(QPainter::TextAntialiasing, true);
    g.setPen(QPen(Qt::black, 3));
    g.setBrush(Qt::NoBrush);
    g.drawRect(frame);
    g.setFont(font);
    g.setClipRect(frame.adjusted(kInset, 0, -kInset, 0));
    for (int i = 0; i < perPage && first + i < lines.size(); ++i)
      g.drawText(QPointF(kEdge + kInset, kEdge + kInset + i * h + m.ascent()), lines[first + i]);
    g.restore();
  }
}

} // namespace veltra::gui
