#include "core/chart/axis_ticks.h"

#include "core/chart/axis_scaling.h"
#include "core/chart/date_time.h"
#include "core/util/number_format.h"

#include <algorithm>
#include <cmath>

namespace veltra::core {

namespace {

constexpr long long kMsPerDay = 86400000;

void linearTicks(const AxisMapping& m, std::vector<AxisTick>& out) {
  const double step = m.step;
  if (!(step > 0)) return;
  const double first = std::ceil(m.min / step - 1e-9), last = std::floor(m.max / step + 1e-9);
  if (!(last >= first)) return;
  const double count = last - first + 1;
  // Far too many ticks (a step far below the range): every n-th.
  const double stride = count > kMaxTicks ? std::ceil(count / kMaxTicks) : 1;
  for (double k = first; k <= last && out.size() < kMaxTicks; k += stride) {
    double v = k * step;
    if (std::fabs(v) < step * 1e-9) v = 0;
    out.push_back({v, true});
  }
}

void logTicks(const AxisMapping& m, int divisions, std::vector<AxisTick>& out) {
  divisions = std::clamp(divisions, 1, 100);
  const double lo = std::floor(std::log10(m.min) + 1e-12), hi = std::ceil(std::log10(m.max) - 1e-12);
  for (double d = lo; d <= hi && out.size() < kMaxTicks; ++d) {
    const double decade = std::pow(10.0, d);
    for (int j = 0; j < divisions; ++j) {
      const double v = j == 0 ? decade : decade * (1 + j * 9.0 / divisions);
      if (v < m.min * (1 - 1e-12) || v > m.max * (1 + 1e-12)) continue;
      out.push_back({v, j == 0});
    }
  }
}

int monthsOf(TDateTickType t) {
  switch (t) {
  case dt_monthly:
    return 1;
  case dt_2monthly:
    return 2;
  case dt_quarterly:
    return 3;
  case dt_annually:
    return 12;
  case dt_decade:
    return 120;
  case dt_century:
    return 1200;
  default:
    return 0;
  }
}

void dateTicks(const AxisMapping& m, std::vector<AxisTick>& out) {
  if (!isCalendarDateTime(m.min) || !isCalendarDateTime(m.max)) return linearTicks(m, out);
  // The first tick: the limit itself when it lies on one, else the next.
  double first = dateTimeSizing(m.min, m.min, m.tickType).min;
  const int months = monthsOf(m.tickType);
  if (months == 0) {
    const long long unit = std::llround(dateStep(m.tickType) * kMsPerDay);
    long long t = std::llround(first * kMsPerDay);
    if (static_cast<double>(t) / kMsPerDay < m.min - 1e-9) t += unit;
    for (; static_cast<double>(t) / kMsPerDay <= m.max + 1e-9 && out.size() < kMaxTicks; t += unit)
      out.push_back({static_cast<double>(t) / kMsPerDay, true});
    return;
  }
  CivilDateTime c = decodeDateTime(first);
  auto next = [&c, months] {
    const int index = c.year * 12 + (c.month - 1) + months;
    c.year = index / 12;
    c.month = index % 12 + 1;
  };
  if (first < m.min - 1e-9) next();
  for (double v = encodeDateTime(c); v <= m.max + 1e-9 && c.year < 10000 && out.size() < kMaxTicks;
       next(), v = encodeDateTime(c))
    out.push_back({v, true});
}

} // namespace

std::vector<AxisTick> axisTicks(const AxisMapping& m, int logCycleDivisions) {
  std::vector<AxisTick> out;
  if (!(m.min < m.max)) return out;
  if (m.log)
    logTicks(m, logCycleDivisions, out);
  else if (m.time && m.tickType != dt_custom)
    dateTicks(m, out);
  else
    linearTicks(m, out);
  return out;
}

long long tickIndex(const AxisMapping& m, double v) {
  if (m.log) return std::llround(std::log10(v) * 1000);
  if (m.time && m.tickType != dt_custom && isCalendarDateTime(v)) {
    if (const int months = monthsOf(m.tickType); months > 0) {
      const CivilDateTime c = decodeDateTime(v);
      return (c.year * 12LL + c.month - 1) / months;
    }
    // Weeks counted from a Monday.
    if (m.tickType == dt_weekly) return std::llround((v - 2) / 7);
  }
  const double k = v / m.step;
  return std::isfinite(k) && std::fabs(k) < 1e15 ? std::llround(k) : 0;
}

int labelDecimals(const AxisMapping& m, const TAxisSettings& axis) {
  if (!axis.AutoLabelDecimals) return std::clamp(axis.LabelDecimals, 0, 15);
  for (int d = 0; d < 12; ++d) {
    const double scaled = m.step * std::pow(10.0, d);
    if (std::fabs(scaled - std::round(scaled)) <= 1e-6 * scaled) return d;
  }
  return 12;
}

std::string tickLabel(double v, const AxisMapping& m, const TAxisSettings& axis) {
  if (m.time && isCalendarDateTime(v)) return formatDateTime(v, axis.DateTimeFormat);
  if (m.log) return formatGeneral(v);
  return formatFixed(v, 12, labelDecimals(m, axis));
}

} // namespace veltra::core
