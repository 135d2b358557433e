#pragma once

#include "core/chart/chart_model.h"

#include <QImage>
#include <QWidget>

#include <optional>

class QPrinter;

namespace veltra::gui {

// The x/y chart control: draws a core::ChartModel, follows the mouse with
// a cross-hair, zooms with Shift and a drag (Shift-click back), moves the
// legend by its corner, prints, copies its picture and reads and writes
// chart files. The picture is drawn once per change and kept; the
// cross-hair and the bands of a drag are drawn over it, so they never leave
// a trace.
class TXYChart : public QWidget {
  Q_OBJECT

public:
  explicit TXYChart(QWidget* parent = nullptr);

  core::ChartModel& chart() { return m_chart; }
  const core::ChartModel& chart() const { return m_chart; }

  // The operations of the graph window, on the chart.
  core::TSeries& Series(int n) { return m_chart.Series(n); }
  std::size_t seriesCount() const { return m_chart.seriesCount(); }
  void destroySeries(int n) { m_chart.destroySeries(n); }
  void ClearAll() { m_chart.ClearAll(); }
  bool Plotting() const { return m_chart.Plotting(); }
  void setPlotting(bool on) { m_chart.setPlotting(on); }
  core::TAxis& XAxis() { return m_chart.XAxis; }
  core::TAxis& YAxis() { return m_chart.YAxis; }
  core::TAxis& YAxis_Second() { return m_chart.YAxis_Second; }
  core::TAppearance& Appearance() { return m_chart.Appearance; }
  core::TLegend& Legend() { return m_chart.Legend; }
  void setGraphTitle(const QString& title);
  void setLegendVisible(bool on);
  bool crossWire() const { return m_chart.Appearance.CrossWire; }
  void setCrossWire(bool on);
  // After settings were changed through their fields: draw anew.
  void refresh() { m_chart.changed(); }

  double GetMouseX(int px) const { return m_chart.GetMouseX(px); }
  double GetMouseY(int py) const { return m_chart.GetMouseY(py); }
  double GetMouseY2(int py) const { return m_chart.GetMouseY2(py); }

  // Throw core::Error with a German message. A file that cannot be read
  // leaves the chart exactly as it was.
  void SaveToFile(const QString& fileName, int mode);
  void readfromfile(const QString& fileName);

  // The chart on the printer's page: PrintScalePct percent of the page
  // width, PrintXOffsetPct / PrintYOffsetPct percent from its corner.
  void Print(QPrinter& printer);
  // The picture, as the control shows it, onto the clipboard.
  void CopyToClipboard();
  // The chart's picture at the control's size.
  QImage picture(qreal devicePixelRatio = 1) const;

  // The position of the cross-hair, if one is drawn.
  std::optional<QPoint> crossPosition() const { return m_cross; }

signals:
  // After the cross-hair followed the mouse: the owner shows the values.
  void mouseMoved(int x, int y);

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  void invalidate();
  void drawOverlays(QPainter& p);
  // The picture's pixels under `rect` (widget pixels), inverted; dotted
  // leaves every other pixel as it is.
  void drawInverted(QPainter& p, const QRect& rect, bool dotted);
  void drawInvertedFrame(QPainter& p, const QRect& rect);

  core::ChartModel m_chart;
  QImage m_picture;
  bool m_dirty = true;
  std::optional<QPoint> m_cross;
};

} // namespace veltra::gui
