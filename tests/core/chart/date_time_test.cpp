#include "core/chart/date_time.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

TEST(DateTimeTest, DaysCountFromThe30thOfDecember1899) {
  EXPECT_EQ(daysFromCivil(1899, 12, 30), 0);
  EXPECT_EQ(daysFromCivil(1900, 1, 1), 2);
  EXPECT_EQ(daysFromCivil(2000, 1, 1), 36526);
  EXPECT_EQ(daysFromCivil(2026, 12, 5), 46361);
  EXPECT_EQ(daysFromCivil(1899, 12, 29), -1);
  EXPECT_DOUBLE_EQ(encodeDateTime({2026, 12, 5, 18}), 46361.75);
}

TEST(DateTimeTest, DecodingRoundsToTheMillisecondAndCarriesIntoTheNextDay) {
  EXPECT_EQ(decodeDateTime(46361.75), (CivilDateTime{2026, 12, 5, 18, 0, 0, 0}));
  // A hair below midnight is midnight of the next day, not 23:59:59.999.
  EXPECT_EQ(decodeDateTime(46362.0 - 1e-10), (CivilDateTime{2026, 12, 6}));
  EXPECT_EQ(decodeDateTime(-0.75), (CivilDateTime{1899, 12, 29, 6}));
  for (CivilDateTime c : {CivilDateTime{2024, 2, 29, 23, 59, 59, 999}, CivilDateTime{1, 1, 1},
                          CivilDateTime{9999, 12, 31, 12}, CivilDateTime{2026, 3, 29, 2, 30}})
    EXPECT_EQ(decodeDateTime(encodeDateTime(c)), c);
}

TEST(DateTimeTest, WeekdaysFromMondayZero) {
  EXPECT_EQ(dayOfWeek(encodeDateTime({2026, 12, 5})), 5); // Saturday
  EXPECT_EQ(dayOfWeek(encodeDateTime({2026, 11, 30, 23})), 0);
  EXPECT_EQ(dayOfWeek(0), 5);
  EXPECT_EQ(dayOfWeek(-1), 4);
}

TEST(DateTimeTest, FormatsWithTheProgramsSpecifiers) {
  const double t = encodeDateTime({2026, 3, 5, 7, 8, 9, 45});
  struct Case {
    const char* format;
    const char* text;
  } cases[] = {
      {"dd.mm hh:mm", "05.03 07:08"}, // mm after hh is the minute
      {"d.m.yy h:n:s", "5.3.26 7:8:9"},
      {"dd.mm.yyyy hh:nn:ss.zzz", "05.03.2026 07:08:09.045"},
      {"ddd dddd mmm mmmm", "Do Donnerstag Mär März"},
      {"hh 'Uhr' \"mm\" mm", "07 Uhr mm 08"}, // quoted text as it stands
      {"HH:MM", "07:08"},                     // letters in either case
      {"yyyy-mm-dd", "2026-03-05"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatDateTime(t, c.format), c.text) << c.format;
  EXPECT_EQ(formatDateTime(1e300, "dd.mm"), "?");
}

} // namespace
} // namespace veltra::core
