#pragma once

#include "core/chart/chart_types.h"

#include <cmath>
#include <string>

namespace veltra::core {

// How one axis turns values into pixels and back, for the limits the chart
// draws with. A value v lies d = (v - min) * scale pixels from the axis's
// start (ln v - ln min on a logarithmic axis), rounded; |d| is at most
// `limit` (20000 on the screen), so no value sends a drawing coordinate out
// of range.
struct AxisMapping {
  double min = 0, max = 1, step = 1;
  bool log = false;
  // The pixel of `min` and the direction in which the values grow: +1 to the
  // right or down, -1 up (or to the left on a reversed x axis).
  double start = 0;
  int direction = 1;
  double scale = 1; // pixels per unit (per unit of ln on a log axis)
  double limit = 20000;
  // The tick unit a date-time axis places its ticks by (dt_custom: by step).
  bool time = false;
  TDateTickType tickType = dt_custom;

  // Whether v has a place on the axis (not NaN; positive on a log axis).
  bool valid(double v) const { return log ? v > 0 : !std::isnan(v); }
  double offset(double v) const {
    double d = (log ? std::log(v) - std::log(min) : v - min) * scale;
    if (!(d < limit)) d = d > 0 || std::isnan(d) ? limit : d; // +inf, huge and NaN
    if (!(d > -limit)) d = -limit;
    return d;
  }
  int toPixel(double v) const {
    return static_cast<int>(std::nearbyint(start + direction * std::nearbyint(offset(v))));
  }
  double fromPixel(double px) const {
    const double u = direction * (px - start) / scale;
    return log ? std::exp(u) * min : u + min;
  }
  // The same mapping on a device with `factor` device pixels per pixel.
  AxisMapping scaled(double factor) const {
    AxisMapping m = *this;
    m.start *= factor;
    m.scale *= factor;
    m.limit *= factor;
    return m;
  }
};

// The layout of a chart of a given size: the plot area and the three axis
// mappings. `error` holds the text of limits that cannot be drawn with (the
// chart then draws its ErrorCaption); the mappings are then meaningless.
struct ChartMetrics {
  int width = 0, height = 0;
  int plotLeft = 0, plotTop = 0, plotRight = 0, plotBottom = 0;
  AxisMapping x, y, y2;
  std::string error;
  bool ok() const { return error.empty(); }
  // Strictly inside the plot area.
  bool insidePlot(int px, int py) const { return px > plotLeft && px < plotRight && py > plotTop && py < plotBottom; }
};

} // namespace veltra::core
