#include "core/chart/axis_scaling.h"
#include "core/chart/date_time.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace veltra::core {
namespace {

TEST(GetStepTest, FirstDivisorOfTheDecadeThatGivesEnoughSteps) {
  struct Case {
    double min, max;
    int steps;
    double step;
  } cases[] = {
      {0, 40, 5, 5},                                 // D = 10: 4 intervals too few, D/2 gives 8
      {0, 0.3, 5, 0.05},                             // l = -0.52 -> -1.52, e = -1, D = 0.1: 3 too few, D/2 gives 6
      {0, 100, 5, 20},                               // D = 100 (1.001 * 2 = 2.002): 1, 2 too few, D/5 gives 5
      {0, 10, 5, 2},                                 // D = 10
      {0, 1, 5, 0.2},                                // l = 0: D = 1
      {-50, -10, 5, 5},                              // all negative: r = 40
      {1e-9, 3e-9, 5, 2e-10}, {0, 9.99e20, 5, 1e20}, // huge: D = 1e20
      {0, 1, 1000, 0.01},                            // none gives enough steps: D/100
      {0, 1, 0, 1},                                  // no minimum: D itself
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(GetStep(c.steps, c.min, c.max), c.step) << c.min << ".." << c.max << " n=" << c.steps;
}

TEST(GetStepTest, AnEmptyReversedOrEndlessRangeIsRefused) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
  for (auto [lo, hi] : {std::pair{3.0, 3.0}, {5.0, 1.0}, {-1e308, 1e308}, {0.0, inf}, {nan, 1.0}, {0.0, 5e-324}}) {
    try {
      GetStep(5, lo, hi);
      ADD_FAILURE() << lo << ".." << hi;
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), "GetStep entered with bad range");
    }
  }
}

struct MinMaxCase {
  double oMin, oMax;
  AxisRange expected;
};

class SetMinMaxTest : public ::testing::TestWithParam<MinMaxCase> {};

TEST_P(SetMinMaxTest, ScalesToWholeStepsAroundTheData) {
  const MinMaxCase& c = GetParam();
  const AxisRange r = SetMinMax(c.oMin, c.oMax, 1, true, 5, 25);
  EXPECT_DOUBLE_EQ(r.min, c.expected.min);
  EXPECT_DOUBLE_EQ(r.max, c.expected.max);
  EXPECT_DOUBLE_EQ(r.step, c.expected.step);
}

INSTANTIATE_TEST_SUITE_P(Cases, SetMinMaxTest,
                         ::testing::Values(MinMaxCase{3, 47, {0, 50, 5}},  // the worked example: 0 taken in
                                           MinMaxCase{0, 0, {-1, 1, 0.2}}, // equal at zero
                                           MinMaxCase{-5, -5, {-6, 0, 1}}, // equal, negative: 1.2 * oMin .. 0
                                           MinMaxCase{7, 7, {0, 8, 1}}, // equal, positive: 0 .. 8.4 cut to whole steps
                                           MinMaxCase{-47, -3, {-50, 0, 5}}, // all negative: 0 taken in at the top
                                           MinMaxCase{
                                               -30, 20, {-40, 30, 10}}, // across zero: a step of room below and above
                                           MinMaxCase{100, 110, {98, 112, 2}}, // far from zero: no zero
                                           MinMaxCase{0, 10, {-2, 12, 2}}));   // on a step: one more step each side

// Tiny and huge ranges: the data inside, whole steps, a readable count of them.
TEST(SetMinMaxRangeTest, TinyAndHugeRangesStillHoldTheDataInWholeSteps) {
  for (auto [lo, hi] :
       {std::pair{1e-6, 1.3e-6}, {0.0, 3e-9}, {-2e-300, -1e-300}, {1e12, 1e12 + 0.5}, {-3e300, 5e300}}) {
    const AxisRange r = SetMinMax(lo, hi, 1, true, 5, 25);
    EXPECT_LE(r.min, lo);
    EXPECT_GE(r.max, hi);
    const double steps = (r.max - r.min) / r.step;
    EXPECT_GE(steps, 5 - 1e-6) << lo << ".." << hi;
    EXPECT_LE(steps, 60) << lo << ".." << hi;
    EXPECT_NEAR(steps, std::round(steps), 1e-3) << lo << ".." << hi;
  }
}

TEST(SetMinMaxStepTest, AStepOfItsOwnIsKeptOnlyWithoutAutoSteppingAndWithinMaxSteps) {
  EXPECT_DOUBLE_EQ(SetMinMax(3, 47, 2, false, 5, 25).step, 2); // 22 intervals
  EXPECT_DOUBLE_EQ(SetMinMax(3, 47, 1, false, 5, 25).step, 5); // 44 intervals: too many
  EXPECT_DOUBLE_EQ(SetMinMax(3, 47, 0, false, 5, 25).step, 5); // no step
  EXPECT_DOUBLE_EQ(SetMinMax(3, 47, 2, true, 5, 25).step, 5);  // auto stepping
}

TEST(SetMinMaxStepTest, LimitsBeyondTheNumbersFail) {
  for (auto [lo, hi] : {std::pair{-1e308, 1e308}, {1e308, 1.7e308}}) {
    EXPECT_THROW(SetMinMax(lo, hi, 1, true, 5, 25), Error) << lo << ".." << hi;
  }
}

// Date-time sizing: every tick type, with limits at and off the unit, across
// month and year ends.
struct DateCase {
  TDateTickType type;
  CivilDateTime lo, hi, min, max;
};

class DateTimeSizingTest : public ::testing::TestWithParam<DateCase> {};

std::string text(double v) { return formatDateTime(v, "yyyy-mm-dd hh:nn:ss.zzz"); }

TEST_P(DateTimeSizingTest, RoundsToTheTickUnit) {
  const DateCase& c = GetParam();
  const AxisRange r = dateTimeSizing(encodeDateTime(c.lo), encodeDateTime(c.hi), c.type);
  EXPECT_EQ(text(r.min), text(encodeDateTime(c.min)));
  EXPECT_EQ(text(r.max), text(encodeDateTime(c.max)));
  EXPECT_DOUBLE_EQ(r.step, dateStep(c.type));
}

INSTANTIATE_TEST_SUITE_P(
    Types, DateTimeSizingTest,
    ::testing::Values(
        DateCase{
            dt_minute, {2026, 12, 5, 14, 3, 27}, {2026, 12, 5, 14, 9, 0}, {2026, 12, 5, 14, 3}, {2026, 12, 5, 14, 9}},
        DateCase{dt_minute, {2026, 12, 5, 14, 3}, {2026, 12, 31, 23, 59, 1}, {2026, 12, 5, 14, 3}, {2027, 1, 1}},
        DateCase{
            dt_5minute, {2026, 12, 5, 14, 9, 59}, {2026, 12, 5, 14, 20}, {2026, 12, 5, 14, 5}, {2026, 12, 5, 14, 20}},
        DateCase{
            dt_5minute, {2026, 12, 5, 14, 0}, {2026, 12, 5, 14, 20, 1}, {2026, 12, 5, 14, 0}, {2026, 12, 5, 14, 25}},
        DateCase{dt_5minute, {2026, 12, 5, 0, 0}, {2026, 12, 5, 23, 57}, {2026, 12, 5}, {2026, 12, 6}},
        DateCase{
            dt_halfhourly, {2026, 12, 5, 14, 29}, {2026, 12, 5, 15, 0}, {2026, 12, 5, 14, 0}, {2026, 12, 5, 15, 0}},
        DateCase{
            dt_halfhourly, {2026, 12, 5, 14, 30}, {2026, 12, 5, 15, 10}, {2026, 12, 5, 14, 30}, {2026, 12, 5, 15, 30}},
        DateCase{
            dt_halfhourly, {2026, 12, 5, 14, 30}, {2026, 12, 5, 15, 30}, {2026, 12, 5, 14, 30}, {2026, 12, 5, 16, 0}},
        DateCase{dt_halfhourly, {2026, 12, 5, 1}, {2026, 12, 5, 15, 0, 1}, {2026, 12, 5, 1}, {2026, 12, 5, 15, 30}},
        DateCase{dt_hourly, {2026, 12, 5, 14, 59}, {2026, 12, 5, 18}, {2026, 12, 5, 14}, {2026, 12, 5, 18}},
        DateCase{dt_hourly, {2026, 2, 28, 14}, {2026, 2, 28, 23, 0, 1}, {2026, 2, 28, 14}, {2026, 3, 1}},
        DateCase{dt_daily, {2026, 12, 5, 14}, {2026, 12, 7}, {2026, 12, 5}, {2026, 12, 7}},
        DateCase{dt_daily, {2026, 12, 5}, {2026, 12, 31, 0, 0, 1}, {2026, 12, 5}, {2027, 1, 1}},
        // 5 December 2026 is a Saturday: back to Monday 30 November.
        DateCase{dt_weekly, {2026, 12, 5, 14}, {2026, 12, 7}, {2026, 11, 30}, {2026, 12, 7}},
        DateCase{dt_weekly, {2026, 11, 30}, {2026, 12, 7, 0, 0, 1}, {2026, 11, 30}, {2026, 12, 14}},
        DateCase{dt_weekly, {2026, 12, 30}, {2027, 1, 1}, {2026, 12, 28}, {2027, 1, 4}},
        DateCase{dt_monthly, {2026, 12, 5}, {2027, 1, 1}, {2026, 12, 1}, {2027, 1, 1}},
        DateCase{dt_monthly, {2026, 1, 31, 23}, {2027, 1, 1, 0, 0, 1}, {2026, 1, 1}, {2027, 2, 1}},
        DateCase{dt_monthly, {2024, 2, 29}, {2024, 2, 29, 12}, {2024, 2, 1}, {2024, 3, 1}},
        DateCase{dt_2monthly, {2026, 12, 5}, {2027, 1, 2}, {2026, 11, 1}, {2027, 3, 1}},
        DateCase{dt_2monthly, {2026, 1, 5}, {2026, 5, 1}, {2026, 1, 1}, {2026, 5, 1}},
        DateCase{dt_2monthly, {2026, 2, 5}, {2026, 6, 1}, {2026, 1, 1}, {2026, 7, 1}},
        DateCase{dt_quarterly, {2026, 12, 5}, {2027, 1, 1}, {2026, 10, 1}, {2027, 1, 1}},
        DateCase{dt_quarterly, {2026, 3, 31}, {2026, 3, 31, 1}, {2026, 1, 1}, {2026, 4, 1}},
        DateCase{dt_quarterly, {2026, 4, 1}, {2026, 4, 1, 0, 0, 1}, {2026, 4, 1}, {2026, 7, 1}},
        DateCase{dt_annually, {2026, 12, 31, 23, 59, 59}, {2027, 1, 1}, {2026, 1, 1}, {2027, 1, 1}},
        DateCase{dt_annually, {2026, 1, 1}, {2027, 1, 1, 0, 0, 1}, {2026, 1, 1}, {2028, 1, 1}},
        DateCase{dt_decade, {2026, 12, 5}, {2031, 1, 1}, {2020, 1, 1}, {2040, 1, 1}},
        DateCase{dt_decade, {2020, 1, 1}, {2030, 1, 1}, {2020, 1, 1}, {2030, 1, 1}},
        DateCase{dt_century, {1999, 12, 31}, {2026, 12, 5}, {1900, 1, 1}, {2100, 1, 1}},
        // One point in time on a tick still gets one unit.
        DateCase{dt_hourly, {2026, 12, 5, 14}, {2026, 12, 5, 14}, {2026, 12, 5, 14}, {2026, 12, 5, 15}},
        DateCase{dt_monthly, {2026, 12, 1}, {2026, 12, 1}, {2026, 12, 1}, {2026, 12, 31}}));

TEST(DateStepTest, DaysPerTickUnit) {
  const double expected[] = {1.0 / 1440, 1.0 / 288, 1.0 / 48, 1.0 / 24, 1, 7, 30, 61, 91, 365, 3654, 36540, 0};
  for (int t = 0; t < kDateTickTypes; ++t)
    EXPECT_DOUBLE_EQ(dateStep(static_cast<TDateTickType>(t)), expected[t]) << t;
}

TEST(LogSizingTest, WholeDecadesAroundTheData) {
  struct Case {
    double lo, hi, min, max;
  } cases[] = {{3, 470, 1, 1000}, {1, 100, 1, 100}, {0.02, 0.5, 0.01, 1}, {5, 5, 1, 10}, {10, 10, 10, 100}};
  for (const Case& c : cases) {
    const AxisRange r = logSizing(c.lo, c.hi);
    EXPECT_DOUBLE_EQ(r.min, c.min) << c.lo;
    EXPECT_DOUBLE_EQ(r.max, c.max) << c.hi;
  }
}

} // namespace
} // namespace veltra::core
