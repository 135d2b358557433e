#include "gui/chart/xy_chart.h"

#include "core/chart/gra_file.h"
#include "gui/chart/chart_export.h"
#include "gui/chart/chart_painter.h"
#include "gui/chart/chart_qt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace veltra::gui {

namespace {

std::filesystem::path toPath(const QString& name) { return std::filesystem::path(name.toStdString()); }

} // namespace

TXYChart::TXYChart(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTip(QStringLiteral("Shift +Maus ziehen zum Zoomen, Shift+Click für zurück"));
  m_chart.setRepaintHandler([this] { invalidate(); });
  m_chart.setSize(width(), height());
}

void TXYChart::invalidate() {
  m_dirty = true;
  update();
}

void TXYChart::setGraphTitle(const QString& title) {
  m_chart.Appearance.GraphTitle = chartText(title);
  m_chart.changed();
}

void TXYChart::setLegendVisible(bool on) {
  m_chart.Legend.visible = on;
  m_chart.changed();
}

void TXYChart::setCrossWire(bool on) {
  m_chart.Appearance.CrossWire = on;
  if (!on) m_cross.reset();
  update();
}

void TXYChart::SaveToFile(const QString& fileName, int mode) { core::saveChartFile(m_chart, toPath(fileName), mode); }

void TXYChart::readfromfile(const QString& fileName) {
  core::ChartModel loaded = core::loadChartFile(toPath(fileName)); // throws before anything changes
  loaded.setSize(width(), height());
  m_cross.reset();
  m_chart = loaded;
}

QImage TXYChart::picture(qreal devicePixelRatio) const {
  return renderChart(m_chart, QSize(std::max(1, width()), std::max(1, height())), devicePixelRatio);
}

void TXYChart::Print(QPrinter& printer) {
  QPainter p(&printer);
  const QRect page = p.viewport();
  const int w = std::max(1, width()), h = std::max(1, height());
  const core::TDimensions& d = m_chart.Dimensions;
  const double pct = std::clamp(d.PrintScalePct, 1, 100) / 100.0;
  // As wide as the percentage says, as high as the chart's shape lets it
  // be on the page.
  const double scale = std::min(page.width() * pct / w, page.height() * 1.0 / h);
  p.translate(page.left() + page.width() * std::clamp(d.PrintXOffsetPct, 0, 100) / 100.0,
              page.top() + page.height() * std::clamp(d.PrintYOffsetPct, 0, 100) / 100.0);
  p.scale(scale, scale);
  ChartPaintOptions options;
  options.printing = true;
  paintChart(p, m_chart, m_chart.metricsAt(w, h), options);
}

void TXYChart::CopyToClipboard() { QGuiApplication::clipboard()->setImage(picture(devicePixelRatioF())); }

void TXYChart::resizeEvent(QResizeEvent*) {
  m_chart.setSize(width(), height());
  m_dirty = true;
}

void TXYChart::paintEvent(QPaintEvent*) {
  const qreal dpr = devicePixelRatioF();
  if (m_dirty || m_picture.devicePixelRatio() != dpr || m_picture.deviceIndependentSize() != QSizeF(size())) {
    m_picture = picture(dpr);
    m_dirty = false;
  }
  QPainter p(this);
  p.drawImage(0, 0, m_picture);
  drawOverlays(p);
}

void TXYChart::drawInverted(QPainter& p, const QRect& rect, bool dotted) {
  const qreal dpr = m_picture.devicePixelRatio();
  const QRect r = rect.intersected(QRect(0, 0, width(), height()));
  if (r.isEmpty()) return;
  const QRect device(static_cast<int>(r.x() * dpr), static_cast<int>(r.y() * dpr),
                     std::max(1, static_cast<int>(r.width() * dpr)), std::max(1, static_cast<int>(r.height() * dpr)));
  QImage strip = m_picture.copy(device).convertToFormat(QImage::Format_ARGB32);
  strip.invertPixels(QImage::InvertRgb);
  if (dotted)
    for (int y = 0; y < strip.height(); ++y)
      for (int x = 0; x < strip.width(); ++x)
        if ((x + y + device.x() + device.y()) % 2 != 0)
          strip.setPixel(x, y, m_picture.pixel(device.x() + x, device.y() + y));
  strip.setDevicePixelRatio(dpr);
  p.drawImage(r.topLeft(), strip);
}

void TXYChart::drawInvertedFrame(QPainter& p, const QRect& r) {
  drawInverted(p, QRect(r.left(), r.top(), r.width(), 1), true);
  drawInverted(p, QRect(r.left(), r.bottom(), r.width(), 1), true);
  drawInverted(p, QRect(r.left(), r.top() + 1, 1, r.height() - 2), true);
  drawInverted(p, QRect(r.right(), r.top() + 1, 1, r.height() - 2), true);
}

void TXYChart::drawOverlays(QPainter& p) {
  const core::ChartDrag& drag = m_chart.Drag;
  if (drag.mode() == core::ChartDrag::Mode::Zoom) {
    drawInvertedFrame(
        p, QRect(QPoint(drag.startX(), drag.startY()), QPoint(drag.currentX(), drag.currentY())).normalized());
  } else if (drag.mode() == core::ChartDrag::Mode::Legend) {
    QRect box = legendRect(m_chart);
    if (box.isEmpty()) box = QRect(0, 0, 40, 16);
    box.moveTopLeft(QPoint(drag.currentX(), drag.currentY()));
    drawInvertedFrame(p, box);
  } else if (m_cross && m_chart.Appearance.CrossWire) {
    const core::ChartMetrics m = m_chart.metrics();
    drawInverted(p, QRect(m.plotLeft + 1, m_cross->y(), m.plotRight - m.plotLeft - 1, 1), false);
    drawInverted(p, QRect(m_cross->x(), m.plotTop + 1, 1, m.plotBottom - m.plotTop - 1), false);
  }
}

void TXYChart::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton &&
      m_chart.Drag.mouseDown(m_chart, at.x(), at.y(), event->modifiers().testFlag(Qt::ShiftModifier))) {
    m_cross.reset();
    update();
  }
}

void TXYChart::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (m_chart.Drag.mode() != core::ChartDrag::Mode::None) {
    m_chart.Drag.mouseMove(at.x(), at.y());
    update();
  } else if (m_chart.Appearance.CrossWire) {
    const std::optional<QPoint> next =
        m_chart.metrics().insidePlot(at.x(), at.y()) ? std::optional<QPoint>(at) : std::nullopt;
    if (next != m_cross) {
      m_cross = next;
      update();
    }
  }
  emit mouseMoved(at.x(), at.y());
}

void TXYChart::mouseReleaseEvent(QMouseEvent* event) {
  if (m_chart.Drag.mode() == core::ChartDrag::Mode::None) return;
  const QPoint at = event->position().toPoint();
  m_chart.Drag.mouseUp(m_chart, at.x(), at.y());
  update();
}

void TXYChart::leaveEvent(QEvent*) {
  if (m_cross) {
    m_cross.reset();
    update();
  }
}

} // namespace veltra::gui
