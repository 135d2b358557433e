#pragma once

#include "core/chart/axis_mapping.h"
#include "core/chart/chart_settings.h"

#include <string>
#include <vector>

namespace veltra::core {

struct AxisTick {
  double value;
  bool major; // carries a label (decades on a log axis, every tick elsewhere)
};

// The ticks between the limits of a mapping: multiples of the step on a
// linear axis; 1 + j * 9 / divisions times each power of ten on a log axis;
// calendar units on a date-time axis (whole minutes, hours, days, Mondays,
// month and year starts). At most kMaxTicks.
inline constexpr std::size_t kMaxTicks = 5000;
std::vector<AxisTick> axisTicks(const AxisMapping& m, int logCycleDivisions);

// The number of a tick counted from zero (or from the month of year 0 for
// month-based date ticks), so that labels thinned to every n-th tick stay
// on round values.
long long tickIndex(const AxisMapping& m, double v);

// The decimals of labels of a linear axis: its own, or the fewest that show
// every multiple of the step exactly.
int labelDecimals(const AxisMapping& m, const TAxisSettings& axis);

// The label text (UTF-8) of a tick.
std::string tickLabel(double v, const AxisMapping& m, const TAxisSettings& axis);

} // namespace veltra::core
