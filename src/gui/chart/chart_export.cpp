#include "gui/chart/chart_export.h"

#include "gui/chart/chart_painter.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace veltra::gui {

namespace {

// PDF pages are laid out at 300 dots per inch: the series are drawn per
// dot, finer than any screen.
constexpr int kPdfResolution = 300;

} // namespace

QImage renderChart(const core::ChartModel& chart, QSize size, qreal devicePixelRatio) {
  QImage image(QSize(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(size.height() * devicePixelRatio))),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  QPainter p(&image);
  paintChart(p, chart, chart.metricsAt(size.width(), size.height()));
  return image;
}

QString saveChartPicture(const core::ChartModel& chart, QSize size, const QString& fileName) {
  const QString cannot = QStringLiteral("Datei \"%1\" kann nicht erstellt werden.").arg(fileName);
  if (!fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
    return renderChart(chart, size).save(fileName, "PNG") ? QString() : cannot;
  QPdfWriter pdf(fileName);
  pdf.setResolution(kPdfResolution);
  // The page is the chart: one pixel is 1/96 inch, 0.75 point.
  pdf.setPageSize(QPageSize(QSizeF(size.width() * 0.75, size.height() * 0.75), QPageSize::Point));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter p;
  if (!p.begin(&pdf)) return cannot;
  p.scale(kPdfResolution / 96.0, kPdfResolution / 96.0);
  paintChart(p, chart, chart.metricsAt(size.width(), size.height()));
  return p.end() ? QString() : cannot;
}

} // namespace veltra::gui
