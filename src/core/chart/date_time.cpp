#include "core/chart/date_time.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace veltra::core {

namespace {

constexpr long long kMsPerDay = 86400000;
// daysFromCivil counts from 1 January 1970 internally; the chart's day 0 is
// 30 December 1899, 25569 days before.
constexpr long long kEpochShift = 25569;

const char* const kMonthShort[] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const char* const kMonthLong[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                  "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
const char* const kDayShort[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
const char* const kDayLong[] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};

// Days since 1 January 1970 (Howard Hinnant's civil calendar algorithms).
long long unixDays(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromUnixDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

std::string twoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

// Length of the run of `c` (case-insensitive) at the start of `s`.
std::size_t runOf(std::string_view s, char c) {
  std::size_t n = 0;
  while (n < s.size() && std::tolower(static_cast<unsigned char>(s[n])) == c)
    ++n;
  return n;
}

} // namespace

bool isCalendarDateTime(TDateTime v) { return v >= kMinDateTime && v < kMaxDateTime; }

long long daysFromCivil(int year, int month, int day) {
  return unixDays(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kEpochShift;
}

TDateTime encodeDateTime(const CivilDateTime& c) {
  const long long ms = ((c.hour * 60LL + c.minute) * 60 + c.second) * 1000 + c.millisecond;
  return static_cast<double>(daysFromCivil(c.year, c.month, c.day)) + static_cast<double>(ms) / kMsPerDay;
}

CivilDateTime decodeDateTime(TDateTime v) {
  long long day = static_cast<long long>(std::floor(v));
  long long ms = std::llround((v - static_cast<double>(day)) * kMsPerDay);
  if (ms >= kMsPerDay) {
    ++day;
    ms -= kMsPerDay;
  }
  CivilDateTime c;
  civilFromUnixDays(day - kEpochShift, c.year, c.month, c.day);
  c.millisecond = static_cast<int>(ms % 1000);
  c.second = static_cast<int>(ms / 1000 % 60);
  c.minute = static_cast<int>(ms / 60000 % 60);
  c.hour = static_cast<int>(ms / 3600000);
  return c;
}

int dayOfWeek(TDateTime v) {
  // Day 0, 30 December 1899, was a Saturday.
  const long long day = static_cast<long long>(std::floor(v));
  return static_cast<int>(((day + 5) % 7 + 7) % 7);
}

std::string formatDateTime(TDateTime v, std::string_view format) {
  if (!isCalendarDateTime(v)) return "?";
  const CivilDateTime c = decodeDateTime(v);
  const int weekday = dayOfWeek(encodeDateTime({c.year, c.month, c.day}));
  std::string out;
  bool afterHour = false; // m and mm right after h or hh are minutes
  std::size_t i = 0;
  while (i < format.size()) {
    const std::string_view rest = format.substr(i);
    const char ch = static_cast<char>(std::tolower(static_cast<unsigned char>(rest[0])));
    if (ch == '\'' || ch == '"') {
      const std::size_t end = rest.find(rest[0], 1);
      out += rest.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1);
      i += end == std::string_view::npos ? rest.size() : end + 1;
      continue;
    }
    std::size_t n = runOf(rest, ch);
    switch (ch) {
    case 'd':
      n = std::min<std::size_t>(n, 4);
      out += n == 1   ? std::to_string(c.day)
             : n == 2 ? twoDigits(c.day)
             : n == 3 ? kDayShort[weekday]
                      : kDayLong[weekday];
      afterHour = false;
      break;
    case 'm':
      if (afterHour) {
        n = std::min<std::size_t>(n, 2);
        out += n == 1 ? std::to_string(c.minute) : twoDigits(c.minute);
      } else {
        n = std::min<std::size_t>(n, 4);
        out += n == 1   ? std::to_string(c.month)
               : n == 2 ? twoDigits(c.month)
               : n == 3 ? kMonthShort[c.month - 1]
                        : kMonthLong[c.month - 1];
      }
      afterHour = false;
      break;
    case 'y':
      if (n >= 3) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04d", c.year);
        out += buf;
        n = std::min<std::size_t>(n, 4);
      } else {
        out += twoDigits(c.year % 100);
      }
      afterHour = false;
      break;
    case 'h':
      n = std::min<std::size_t>(n, 2);
      out += n == 1 ? std::to_string(c.hour) : twoDigits(c.hour);
      afterHour = true;
      break;
    case 'n':
      n = std::min<std::size_t>(n, 2);
      out += n == 1 ? std::to_string(c.minute) : twoDigits(c.minute);
      afterHour = false;
      break;
    case 's':
      n = std::min<std::size_t>(n, 2);
      out += n == 1 ? std::to_string(c.second) : twoDigits(c.second);
      afterHour = false;
      break;
    case 'z': {
      n = n >= 3 ? 3 : 1;
      char buf[16];
      std::snprintf(buf, sizeof buf, n == 3 ? "%03d" : "%d", c.millisecond);
      out += buf;
      afterHour = false;
      break;
    }
    default:
      out += rest.substr(0, n);
      break;
    }
    i += n;
  }
  return out;
}

} // namespace veltra::core
