#pragma once

#include "core/chart/chart_types.h"

namespace veltra::core {

// The limits an axis is drawn with and its tick step.
struct AxisRange {
  double min = 0, max = 1, step = 1;
  bool operator==(const AxisRange&) const = default;
};

// The tick step for the range min..max: the first of D, D/2, D/5, D/10,
// D/20, D/50 (D the decade below the range) that gives at least minSteps
// intervals, else D/100. Throws Error("GetStep entered with bad range") when
// max - min is not a positive finite number.
double GetStep(int minSteps, double min, double max);

// The scaling of a linear axis to its data limits oMin <= oMax: whole steps
// around the data with a little room, zero taken in when the data lie close
// to it. `step` is kept when automatic stepping is off and it gives at most
// maxSteps intervals. Throws Error("SetMinMax failed") when no usable range
// results.
AxisRange SetMinMax(double oMin, double oMax, double step, bool autoStepping, int minSteps, int maxSteps);

// The scaling of a date-time axis: oMin rounded down and oMax rounded up to
// the tick unit (dt_weekly to Mondays, dt_2monthly to odd months, dt_decade
// and dt_century to years divisible by 10 and 100), at least one unit wide.
// `type` is not dt_custom; the limits lie within years 1..9999.
AxisRange dateTimeSizing(double oMin, double oMax, TDateTickType type);

// The tick step in days of a date-time axis (0 for dt_custom).
double dateStep(TDateTickType type);

// The scaling of a logarithmic axis to whole decades around the positive
// limits oMin <= oMax, at least one decade wide; the step is 1 (decade).
AxisRange logSizing(double oMin, double oMax);

} // namespace veltra::core
