#include "core/util/clock.h"

#include <ctime>

namespace veltra::core {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long daysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

// 1970-01-01 was a Thursday.
int weekdayOf(long long days) { return static_cast<int>(((days % 7) + 7 + 3) % 7); }

void appendNumber(std::string& out, int v, int width) {
  std::string digits = std::to_string(v < 0 ? -v : v);
  if (v < 0) out += '-';
  if (static_cast<int>(digits.size()) < width) out.append(static_cast<std::size_t>(width) - digits.size(), '0');
  out += digits;
}

} // namespace

LocalDateTime SystemClock::now() const {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, (tm.tm_wday + 6) % 7};
}

LocalDateTime FixedClock::now() const {
  const LocalDateTime t = m_t;
  if (m_step != 0) m_t = addSeconds(m_t, m_step);
  return t;
}

LocalDateTime makeLocalDateTime(int year, int month, int day, int hour, int minute, int second) {
  return addSeconds({year, month, day, hour, minute, second, 0}, 0);
}

LocalDateTime addSeconds(const LocalDateTime& t, long long seconds) {
  long long total = daysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600LL + t.minute * 60LL + t.second;
  total += seconds;
  long long days = total / 86400;
  long long rest = total % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  LocalDateTime r;
  civilFromDays(days, r.year, r.month, r.day);
  r.hour = static_cast<int>(rest / 3600);
  r.minute = static_cast<int>(rest / 60 % 60);
  r.second = static_cast<int>(rest % 60);
  r.weekday = weekdayOf(days);
  return r;
}

std::string formatDateTime(const LocalDateTime& t, std::string_view pattern) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c)
      ++run;
    const int width = run >= 2 ? 2 : 1;
    switch (c) {
    case 'd':
      appendNumber(out, t.day, width);
      break;
    case 'M':
      appendNumber(out, t.month, width);
      break;
    case 'y':
      if (run >= 4)
        appendNumber(out, t.year, 4);
      else
        appendNumber(out, t.year % 100, 2);
      break;
    case 'H':
      appendNumber(out, t.hour, width);
      break;
    case 'm':
      appendNumber(out, t.minute, width);
      break;
    case 's':
      appendNumber(out, t.second, width);
      break;
    default:
      out.append(run, c);
      break;
    }
    i += run;
  }
  return out;
}

namespace {

// Up to `most` digits at `at` (at least one); advances `at`.
bool readDigits(std::string_view text, std::size_t& at, std::size_t most, int& value) {
  std::size_t n = 0;
  value = 0;
  while (n < most && at + n < text.size() && text[at + n] >= '0' && text[at + n] <= '9') {
    value = value * 10 + (text[at + n] - '0');
    ++n;
  }
  at += n;
  return n > 0;
}

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

} // namespace

bool parseDateTimeText(std::string_view text, std::string_view pattern, LocalDateTime& t) {
  LocalDateTime r = t;
  bool date = false;
  std::size_t at = 0;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c)
      ++run;
    i += run;
    int v = 0;
    switch (c) {
    case 'd':
    case 'M':
    case 'H':
    case 'm':
    case 's':
      if (!readDigits(text, at, 2, v)) return false;
      break;
    case 'y':
      if (run >= 4) {
        const std::size_t start = at;
        if (!readDigits(text, at, 4, v) || at - start != 4) return false;
      } else {
        if (!readDigits(text, at, 2, v)) return false;
        v += v < 50 ? 2000 : 1900;
      }
      break;
    default:
      for (std::size_t k = 0; k < run; ++k, ++at)
        if (at >= text.size() || text[at] != c) return false;
      continue;
    }
    switch (c) {
    case 'd':
      r.day = v;
      date = true;
      break;
    case 'M':
      r.month = v;
      date = true;
      break;
    case 'y':
      r.year = v;
      date = true;
      break;
    case 'H':
      r.hour = v;
      break;
    case 'm':
      r.minute = v;
      break;
    default:
      r.second = v;
      break;
    }
  }
  if (at != text.size()) return false;
  if (r.month < 1 || r.month > 12 || r.day < 1 || r.day > daysInMonth(r.year, r.month)) return false;
  if (r.hour > 23 || r.minute > 59 || r.second > 59) return false;
  if (date) r = makeLocalDateTime(r.year, r.month, r.day, r.hour, r.minute, r.second);
  t = r;
  return true;
}

} // namespace veltra::core
