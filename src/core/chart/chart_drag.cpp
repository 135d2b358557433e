#include "core/chart/chart_drag.h"

#include "core/chart/chart_model.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace veltra::core {

namespace {

TAxis* axes(ChartModel& chart, int i) {
  TAxis* all[] = {&chart.XAxis, &chart.YAxis, &chart.YAxis_Second};
  return all[i];
}

// Widens lo..hi about its middle to at least `least` (in ln on a log axis).
void widenTo(double& lo, double& hi, double least, bool log) {
  if (log) {
    double a = std::log(lo), b = std::log(hi);
    widenTo(a, b, least, false);
    lo = std::exp(a);
    hi = std::exp(b);
    return;
  }
  if (!(hi - lo < least)) return;
  const double mid = lo / 2 + hi / 2;
  lo = mid - least / 2;
  hi = mid + least / 2;
}

} // namespace

bool ChartDrag::mouseDown(ChartModel& chart, int x, int y, bool shift) {
  if (!shift) return false;
  m_startX = m_x = x;
  m_startY = m_y = y;
  if (chart.Legend.visible && std::abs(x - chart.Legend.Left) <= 3 && std::abs(y - chart.Legend.Top) <= 3) {
    m_mode = Mode::Legend;
    return true;
  }
  m_mode = Mode::Zoom;
  if (!m_zoomed) {
    const ChartMetrics m = chart.metrics();
    const AxisMapping* shown[] = {&m.x, &m.y, &m.y2};
    for (int i = 0; i < 3; ++i) {
      const TAxis& a = *axes(chart, i);
      m_saved[i] = {a.AutoSizing, a.Min, a.Max, m.ok() ? shown[i]->min : a.Min, m.ok() ? shown[i]->max : a.Max};
    }
    m_zoomed = true;
  }
  return true;
}

void ChartDrag::mouseMove(int x, int y) {
  if (m_mode == Mode::None) return;
  m_x = x;
  m_y = y;
}

void ChartDrag::mouseUp(ChartModel& chart, int x, int y) {
  const Mode mode = m_mode;
  m_mode = Mode::None;
  m_x = x;
  m_y = y;
  if (mode == Mode::Legend) {
    chart.Legend.Left = x;
    chart.Legend.Top = y;
    chart.changed();
  } else if (mode == Mode::Zoom) {
    if (std::abs(x - m_startX) > 4 && std::abs(y - m_startY) > 4)
      zoomTo(chart, std::min(x, m_startX), std::min(y, m_startY), std::max(x, m_startX), std::max(y, m_startY));
    else
      restore(chart);
  }
}

void ChartDrag::zoomTo(ChartModel& chart, int left, int top, int right, int bottom) {
  const ChartMetrics m = chart.metrics();
  if (!m.ok()) return; // no values to zoom to; the saved state stays for the way back
  struct Range {
    double lo, hi;
  } ranges[3];
  const AxisMapping* mapping[] = {&m.x, &m.y, &m.y2};
  for (int i = 0; i < 3; ++i) {
    const bool x = i == 0;
    const double a = mapping[i]->fromPixel(x ? left : bottom), b = mapping[i]->fromPixel(x ? right : top);
    Range r{std::min(a, b), std::max(a, b)};
    const SavedAxis& s = m_saved[i];
    const double savedRange = mapping[i]->log ? std::log(s.shownMax) - std::log(s.shownMin) : s.shownMax - s.shownMin;
    if (savedRange > 0 && std::isfinite(savedRange)) widenTo(r.lo, r.hi, savedRange / 1000, mapping[i]->log);
    ranges[i] = r;
  }
  chart.setPlotting(false);
  for (int i = 0; i < 3; ++i) {
    TAxis& a = *axes(chart, i);
    a.setAutoSizing(false);
    a.setMin(ranges[i].lo);
    a.setMax(ranges[i].hi);
  }
  chart.setPlotting(true);
}

void ChartDrag::restore(ChartModel& chart) {
  m_zoomed = false;
  for (int i = 0; i < 3; ++i) {
    TAxis& a = *axes(chart, i);
    a.AutoSizing = m_saved[i].autoSizing;
    a.Min = m_saved[i].min;
    a.Max = m_saved[i].max;
  }
  chart.changed();
}

} // namespace veltra::core
