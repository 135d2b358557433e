#include "core/chart/axis_scaling.h"

#include "core/chart/date_time.h"
#include "core/util/error.h"

#include <cmath>

namespace veltra::core {

double GetStep(int minSteps, double min, double max) {
  const double r = max - min;
  if (!(r > 0) || !std::isfinite(r)) throw Error("GetStep entered with bad range");
  double l = std::log10(r);
  if (l < 0) l -= 1;
  const double e = std::trunc(1.001 * l);
  const double D = std::pow(10.0, e);
  if (!(D > 0) || !std::isfinite(D)) throw Error("GetStep entered with bad range");
  for (double divisor : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0}) {
    const double step = D / divisor;
    if (r / step >= minSteps) return step;
  }
  const double step = D / 100;
  if (!(step > 0)) throw Error("GetStep entered with bad range");
  return step;
}

AxisRange SetMinMax(double oMin, double oMax, double step, bool autoStepping, int minSteps, int maxSteps) {
  AxisRange r;
  if (oMin == oMax) {
    if (oMin == 0) {
      r.min = -1;
      r.max = 1;
    } else if (oMin < 0) {
      r.min = 1.2 * oMin;
      r.max = 0;
    } else {
      r.min = 0;
      r.max = 1.2 * oMax;
    }
    r.step = GetStep(minSteps, r.min, r.max);
    r.max = std::trunc(r.max / r.step) * r.step;
    if (!(r.min < r.max)) throw Error("SetMinMax failed");
    return r;
  }
  r.min = oMin;
  r.max = oMax;
  const bool keep = !autoStepping && step > 0 && (r.max - r.min) / step <= maxSteps;
  r.step = keep ? step : GetStep(minSteps, r.min, r.max);
  const double s = r.step;

  r.min = std::trunc(r.min / s) * s;
  if (oMin < 0) r.min -= s;
  if (oMin - 0.01 * s < r.min) r.min -= s;

  r.max = std::trunc(r.max / s) * s + s;
  if (oMax < 0) r.max -= s;
  if (oMax + 0.01 * s > r.max) r.max += s;

  if (oMin > 0 && oMin / (r.max - r.min) < 0.25)
    r.min = 0;
  else if (oMax < 0 && -oMax / (r.max - r.min) < 0.25)
    r.max = 0;

  if (!(r.min < r.max) || !std::isfinite(r.min) || !std::isfinite(r.max)) throw Error("SetMinMax failed");
  return r;
}

double dateStep(TDateTickType type) {
  static const double kSteps[] = {1.0 / 1440, 1.0 / 288, 1.0 / 48, 1.0 / 24, 1, 7, 30, 61, 91, 365, 3654, 36540};
  return type >= dt_minute && type < dt_custom ? kSteps[type] : 0;
}

namespace {

bool hasTime(const CivilDateTime& c) { return c.hour != 0 || c.minute != 0 || c.second != 0 || c.millisecond != 0; }
bool hasSeconds(const CivilDateTime& c) { return c.second != 0 || c.millisecond != 0; }

// Adds months to a first of the month.
CivilDateTime addMonths(CivilDateTime c, int months) {
  const int index = c.year * 12 + (c.month - 1) + months;
  c.year = index / 12;
  c.month = index % 12 + 1;
  return c;
}

CivilDateTime firstOfMonth(int year, int month) { return CivilDateTime{year, month, 1}; }

// The month start at or before `c` whose month is `phase` modulo `period`
// (months counted from January = 0).
CivilDateTime monthStartDown(const CivilDateTime& c, int period, int phase) {
  int index = c.year * 12 + (c.month - 1);
  index -= ((index - phase) % period + period) % period;
  return firstOfMonth(index / 12, index % 12 + 1);
}

// The first such month start at or after `c`.
CivilDateTime monthStartUp(const CivilDateTime& c, int period, int phase) {
  const bool onStart = c.day == 1 && !hasTime(c);
  CivilDateTime from = onStart ? firstOfMonth(c.year, c.month) : addMonths(firstOfMonth(c.year, c.month), 1);
  int index = from.year * 12 + (from.month - 1);
  index += ((phase - index) % period + period) % period;
  return firstOfMonth(index / 12, index % 12 + 1);
}

CivilDateTime yearStartDown(const CivilDateTime& c, int period) {
  int y = c.year - ((c.year % period) + period) % period;
  return firstOfMonth(y, 1);
}

CivilDateTime yearStartUp(const CivilDateTime& c, int period) {
  const bool onStart = c.month == 1 && c.day == 1 && !hasTime(c);
  int y = onStart ? c.year : c.year + 1;
  y += ((period - y % period) % period + period) % period;
  return firstOfMonth(y, 1);
}

// Rounds within a day to a multiple of `minutes` (down, or up unless the
// time already is one).
double minutesDown(double v, int minutes) {
  const CivilDateTime c = decodeDateTime(v);
  const int m = (c.hour * 60 + c.minute) / minutes * minutes;
  return encodeDateTime({c.year, c.month, c.day, m / 60, m % 60});
}

double minutesUp(double v, int minutes) {
  const CivilDateTime c = decodeDateTime(v);
  const int total = c.hour * 60 + c.minute;
  const bool onTick = total % minutes == 0 && !hasSeconds(c);
  const int m = total / minutes * minutes + (onTick ? 0 : minutes);
  if (m == 1440) return encodeDateTime({c.year, c.month, c.day}) + 1;
  return encodeDateTime({c.year, c.month, c.day, m / 60, m % 60});
}

} // namespace

AxisRange dateTimeSizing(double oMin, double oMax, TDateTickType type) {
  const CivilDateTime lo = decodeDateTime(oMin);
  const CivilDateTime hi = decodeDateTime(oMax);
  const double midnightLo = encodeDateTime({lo.year, lo.month, lo.day});
  const double midnightHi = encodeDateTime({hi.year, hi.month, hi.day});
  AxisRange r;
  r.step = dateStep(type);
  switch (type) {
  case dt_minute:
    r.min = minutesDown(oMin, 1);
    r.max = minutesUp(oMax, 1);
    break;
  case dt_5minute:
    r.min = minutesDown(oMin, 5);
    r.max = minutesUp(oMax, 5);
    break;
  case dt_halfhourly:
    r.min = minutesDown(oMin, 30);
    // :30 itself counts as past the half hour: the next full hour.
    if (hi.minute < 30 && (hi.minute != 0 || hasSeconds(hi)))
      r.max = encodeDateTime({hi.year, hi.month, hi.day, hi.hour, 30});
    else
      r.max = minutesUp(oMax, 60);
    break;
  case dt_hourly:
    r.min = minutesDown(oMin, 60);
    r.max = minutesUp(oMax, 60);
    break;
  case dt_daily:
    r.min = midnightLo;
    r.max = midnightHi + (hasTime(hi) ? 1 : 0);
    break;
  case dt_weekly: {
    r.min = midnightLo - dayOfWeek(midnightLo);
    const int toMonday = (7 - dayOfWeek(midnightHi)) % 7;
    r.max = midnightHi + ((toMonday == 0 && !hasTime(hi)) ? 0 : (toMonday == 0 ? 7 : toMonday));
    break;
  }
  case dt_monthly:
    r.min = encodeDateTime(monthStartDown(lo, 1, 0));
    r.max = encodeDateTime(monthStartUp(hi, 1, 0));
    break;
  case dt_2monthly:
    r.min = encodeDateTime(monthStartDown(lo, 2, 0));
    r.max = encodeDateTime(monthStartUp(hi, 2, 0));
    break;
  case dt_quarterly:
    r.min = encodeDateTime(monthStartDown(lo, 3, 0));
    r.max = encodeDateTime(monthStartUp(hi, 3, 0));
    break;
  case dt_annually:
    r.min = encodeDateTime(yearStartDown(lo, 1));
    r.max = encodeDateTime(yearStartUp(hi, 1));
    break;
  case dt_decade:
    r.min = encodeDateTime(yearStartDown(lo, 10));
    r.max = encodeDateTime(yearStartUp(hi, 10));
    break;
  case dt_century:
    r.min = encodeDateTime(yearStartDown(lo, 100));
    r.max = encodeDateTime(yearStartUp(hi, 100));
    break;
  case dt_custom:
    break;
  }
  // Limits on one tick (a single point in time) still need a unit to show.
  if (!(r.max > r.min)) r.max = r.min + (r.step > 0 ? r.step : 1);
  return r;
}

AxisRange logSizing(double oMin, double oMax) {
  AxisRange r;
  const double lo = std::floor(std::log10(oMin) + 1e-12);
  double hi = std::ceil(std::log10(oMax) - 1e-12);
  if (hi <= lo) hi = lo + 1;
  r.min = std::pow(10.0, lo);
  r.max = std::pow(10.0, hi);
  r.step = 1;
  return r;
}

} // namespace veltra::core
