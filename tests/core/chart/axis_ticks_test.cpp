#include "core/chart/axis_ticks.h"
#include "core/chart/date_time.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltra::core {
namespace {

std::vector<double> values(const std::vector<AxisTick>& ticks, bool majorOnly = false) {
  std::vector<double> out;
  for (const AxisTick& t : ticks)
    if (!majorOnly || t.major) out.push_back(t.value);
  return out;
}

AxisMapping linear(double min, double max, double step) { return {min, max, step}; }

TEST(AxisTicksTest, LinearTicksAreMultiplesOfTheStepWithAnExactZero) {
  const std::vector<double> ticks = values(axisTicks(linear(-0.3, 0.35, 0.1), 9));
  const std::vector<double> expected = {-0.3, -0.2, -0.1, 0, 0.1, 0.2, 0.3};
  ASSERT_EQ(ticks.size(), expected.size());
  for (std::size_t i = 0; i < ticks.size(); ++i)
    EXPECT_NEAR(ticks[i], expected[i], 1e-15);
  EXPECT_EQ(ticks[3], 0.0); // not 5.5e-17: the label must not read "-0.0"
  EXPECT_EQ(values(axisTicks(linear(3, 47, 10), 9)), (std::vector<double>{10, 20, 30, 40}));
  EXPECT_EQ(axisTicks(linear(0, 1e9, 1e-3), 9).size(), kMaxTicks); // a step far too fine stays bounded
  EXPECT_TRUE(axisTicks(linear(5, 5, 1), 9).empty());
}

TEST(AxisTicksTest, LogTicksFollowTheDivisionsPerDecade) {
  AxisMapping m{1, 100, 1, true};
  EXPECT_EQ(values(axisTicks(m, 9), true), (std::vector<double>{1, 10, 100}));
  EXPECT_EQ(values(axisTicks(m, 9)).size(), 19u); // 1..9, 10..90, 100
  EXPECT_EQ(values(axisTicks(m, 3)), (std::vector<double>{1, 4, 7, 10, 40, 70, 100}));
  EXPECT_EQ(values(axisTicks(m, 1)), (std::vector<double>{1, 10, 100}));
}

TEST(AxisTicksTest, DateTicksStandOnCalendarUnits) {
  const auto at = [](int y, int mo, int d, int h = 0) { return encodeDateTime({y, mo, d, h}); };
  const auto texts = [](const std::vector<AxisTick>& ticks) {
    std::vector<std::string> out;
    for (const AxisTick& t : ticks)
      out.push_back(formatDateTime(t.value, "dd.mm.yyyy hh:nn"));
    return out;
  };
  AxisMapping months{at(2026, 11, 15), at(2027, 3, 1), 30, false, 0, 1, 1, 20000, true, dt_monthly};
  EXPECT_EQ(texts(axisTicks(months, 9)),
            (std::vector<std::string>{"01.12.2026 00:00", "01.01.2027 00:00", "01.02.2027 00:00", "01.03.2027 00:00"}));
  AxisMapping weeks{at(2026, 12, 2), at(2026, 12, 20), 7, false, 0, 1, 1, 20000, true, dt_weekly};
  EXPECT_EQ(texts(axisTicks(weeks, 9)), (std::vector<std::string>{"07.12.2026 00:00", "14.12.2026 00:00"}));
  AxisMapping hours{at(2026, 12, 5, 22), at(2026, 12, 6, 1), 1.0 / 24, false, 0, 1, 1, 20000, true, dt_hourly};
  EXPECT_EQ(texts(axisTicks(hours, 9)),
            (std::vector<std::string>{"05.12.2026 22:00", "05.12.2026 23:00", "06.12.2026 00:00", "06.12.2026 01:00"}));
  EXPECT_EQ(tickIndex(months, at(2027, 1, 1)) - tickIndex(months, at(2026, 12, 1)), 1);
  EXPECT_EQ(tickIndex(weeks, at(2026, 12, 7)) - tickIndex(weeks, at(2026, 11, 30)), 1);
  TAxisSettings axis;
  EXPECT_EQ(tickLabel(at(2026, 12, 5, 14), hours, axis), "05.12 14:00");
}

TEST(AxisTicksTest, AutomaticDecimalsShowEveryMultipleOfTheStep) {
  TAxisSettings axis;
  for (auto [step, decimals] : {std::pair{5.0, 0}, {0.05, 2}, {0.25, 2}, {2.5, 1}, {1e-7, 7}, {100.0, 0}})
    EXPECT_EQ(labelDecimals(linear(0, 1, step), axis), decimals) << step;
  EXPECT_EQ(tickLabel(0.25, linear(0, 1, 0.25), axis), "0.25");
  axis.AutoLabelDecimals = false;
  axis.LabelDecimals = 3;
  EXPECT_EQ(tickLabel(0.25, linear(0, 1, 0.25), axis), "0.250");
}

} // namespace
} // namespace veltra::core
