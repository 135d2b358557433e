#include "core/util/clock.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

TEST(DateTimeFormat, GermanFormsAndOtherPatterns) {
  const LocalDateTime t = makeLocalDateTime(2026, 3, 5, 7, 4, 9);
  const DateTimeFormats german;
  EXPECT_EQ(formatDateTime(t, german.shortDate), "05.03.2026");
  EXPECT_EQ(formatDateTime(t, german.longTime), "07:04:09");
  EXPECT_EQ(formatDateTime(t, "d.M.yy H:m:s"), "5.3.26 7:4:9");
  EXPECT_EQ(formatDateTime(t, "yyyy-MM-dd 'T' HH"), "2026-03-05 'T' 07");
}

// Weekdays and the steps across a day, a month, a leap day and a year.
TEST(DateTimeFormat, AddSecondsAcrossTheCalendar) {
  const struct {
    LocalDateTime from;
    long long seconds;
    LocalDateTime to;
  } cases[] = {
      {makeLocalDateTime(2026, 12, 5, 23, 59, 59), 1, {2026, 12, 6, 0, 0, 0, 6}},
      {makeLocalDateTime(2026, 12, 31, 23, 59, 58), 3, {2027, 1, 1, 0, 0, 1, 4}},
      {makeLocalDateTime(2028, 2, 28, 12, 0, 0), 86400, {2028, 2, 29, 12, 0, 0, 1}},
      {makeLocalDateTime(2027, 2, 28, 12, 0, 0), 86400, {2027, 3, 1, 12, 0, 0, 0}},
      {makeLocalDateTime(2026, 1, 1, 0, 0, 0), -1, {2025, 12, 31, 23, 59, 59, 2}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(addSeconds(c.from, c.seconds), c.to) << c.seconds << " from " << c.from.day << "." << c.from.month;
  EXPECT_EQ(makeLocalDateTime(2026, 12, 5).weekday, 5) << "5 December 2026 is a Saturday";
}

TEST(FixedClockTest, StepsAfterEachReading) {
  FixedClock clock(makeLocalDateTime(2026, 1, 1, 10, 0, 0), 2);
  EXPECT_EQ(clock.now().second, 0);
  EXPECT_EQ(clock.now().second, 2);
  clock.setStep(0);
  EXPECT_EQ(clock.now().second, 4);
  EXPECT_EQ(clock.now().second, 4);
}

} // namespace
} // namespace veltra::core
