#pragma once

#include "core/chart/axis_mapping.h"
#include "core/chart/chart_drag.h"
#include "core/chart/chart_settings.h"
#include "core/chart/data_series.h"

#include <functional>
#include <memory>
#include <vector>

namespace veltra::core {

// The chart behind the TXYChart control, without any drawing: three axes,
// appearance, dimensions, legend, the numbered series in order of creation,
// the Plotting switch, the size it is drawn at and the drag state of zooming
// and legend moving. Copies are cheap (the series share their points) and
// independent; a copy asks nobody for repaints.
class ChartModel {
public:
  ChartModel();
  ChartModel(const ChartModel& other);
  ChartModel& operator=(const ChartModel& other);
  ~ChartModel();

  TAxis XAxis, YAxis, YAxis_Second;
  TAppearance Appearance;
  TDimensions Dimensions;
  TLegend Legend;
  ChartDrag Drag;

  // Series n (from 1), created with default settings and appended to the
  // list when there is none. Throws Error for n < 1.
  TSeries& Series(int n);
  TSeries* findSeries(int n);
  const TSeries* findSeries(int n) const;
  // Removes series n and its points; nothing when there is none.
  void destroySeries(int n);
  // The series in order of creation.
  const std::vector<std::unique_ptr<TSeries>>& series() const { return m_series; }
  std::size_t seriesCount() const { return m_series.size(); }
  void ClearAll();

  // While false, changes do not ask for repaints; switching it on asks for
  // one.
  bool Plotting() const { return m_plotting; }
  void setPlotting(bool on);
  // A change of settings or data: asks for a repaint while Plotting.
  void changed();
  void setRepaintHandler(std::function<void()> handler) { m_repaint = std::move(handler); }

  void setSize(int width, int height);
  int width() const { return m_width; }
  int height() const { return m_height; }

  // The layout the chart draws with at its size (or at another), after
  // auto-sizing of the axes that have it on and data.
  ChartMetrics metrics() const { return metricsAt(m_width, m_height); }
  ChartMetrics metricsAt(int width, int height) const;

  // The axis values at a pixel of the chart.
  double GetMouseX(int px) const;
  double GetMouseY(int py) const;
  double GetMouseY2(int py) const;

  // Takes over the settings of `other`: axes, appearance, dimensions, legend
  // and the settings of each series both charts have (by number); points
  // and the series list stay.
  void copyDesign(const ChartModel& other);
  bool sameDesign(const ChartModel& other) const;

private:
  void adopt();
  std::vector<std::unique_ptr<TSeries>> m_series;
  bool m_plotting = true;
  int m_width = 908, m_height = 448;
  std::function<void()> m_repaint;
};

} // namespace veltra::core
