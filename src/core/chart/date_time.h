#pragma once

#include <string>
#include <string_view>

namespace veltra::core {

// Date-times as the chart holds them: days since 30 December 1899, the time
// of day as the fraction. The day of a value is its floor, so the count runs
// on without a jump before 1899 as well.
using TDateTime = double;

struct CivilDateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  bool operator==(const CivilDateTime&) const = default;
};

// Years 1..9999, the range a date-time can be written and read in.
inline constexpr TDateTime kMinDateTime = -693593.0; // 1 January 0001
inline constexpr TDateTime kMaxDateTime = 2958466.0; // 1 January 10000
bool isCalendarDateTime(TDateTime v);

// Days since 30 December 1899 of a date (proleptic Gregorian).
long long daysFromCivil(int year, int month, int day);
TDateTime encodeDateTime(const CivilDateTime& c);
// Rounded to the millisecond; the value must satisfy isCalendarDateTime.
CivilDateTime decodeDateTime(TDateTime v);
// 0 = Monday .. 6 = Sunday.
int dayOfWeek(TDateTime v);

// Formats with the specifiers of the program's date-time formats: d dd ddd
// dddd, m mm mmm mmmm (minutes right after h or hh), yy yyyy, h hh, n nn,
// s ss, z zzz, text in '...' or "...", every other character as it stands.
// "dd.mm hh:mm" gives "05.12 14:03". The result is UTF-8.
std::string formatDateTime(TDateTime v, std::string_view format);

} // namespace veltra::core
