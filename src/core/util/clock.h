#pragma once

#include <string>
#include <string_view>

namespace veltra::core {

// A moment of local time, as the recorder names its files and rows.
struct LocalDateTime {
  int year = 2000;
  int month = 1; // 1..12
  int day = 1;   // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 0; // 0 Monday .. 6 Sunday

  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The one seam for the current time: the program uses the host's local
// time, tests set it.
class Clock {
public:
  virtual ~Clock() = default;
  virtual LocalDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
  LocalDateTime now() const override;
};

// A clock that shows a set moment and moves on by `stepSeconds` after each
// reading, so that every row of a tick can get its own time stamp.
class FixedClock : public Clock {
public:
  explicit FixedClock(LocalDateTime t = {}, int stepSeconds = 0) : m_t(t), m_step(stepSeconds) {}
  void set(LocalDateTime t) { m_t = t; }
  void setStep(int seconds) { m_step = seconds; }
  LocalDateTime now() const override;

private:
  mutable LocalDateTime m_t;
  int m_step;
};

// A moment with its weekday filled in.
LocalDateTime makeLocalDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// `t` moved by whole seconds, across days, months and years (the weekday
// follows).
LocalDateTime addSeconds(const LocalDateTime& t, long long seconds);

// Dates and times in file names and measurement rows. The German forms are
// the default whatever the machine's locale: a '/' or a blank from another
// locale would break the day file's name.
struct DateTimeFormats {
  std::string shortDate = "dd.MM.yyyy";
  std::string longTime = "HH:mm:ss";
};

// Writes `t` by a pattern of d, dd, M, MM, yy, yyyy, H, HH, m, mm, s, ss
// (longer runs of a letter count as two, of y as four); every other
// character stands for itself.
std::string formatDateTime(const LocalDateTime& t, std::string_view pattern);

// Reads a text written by such a pattern back into the fields the pattern
// names (the others keep their values): each letter run takes one or two
// digits (y runs of four take four, of two a year 1950..2049), every other
// character must stand as it is. False when the text does not fit the
// pattern or names no real date or time of day.
bool parseDateTimeText(std::string_view text, std::string_view pattern, LocalDateTime& t);

} // namespace veltra::core
