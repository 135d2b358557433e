#include "core/chart/chart_model.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace veltra::core {
namespace {

// The default chart at the graph window's size: plot area x 64..844
// (780 pixels), y 34..400 (366 pixels).
class ChartModelTest : public ::testing::Test {
protected:
  void SetUp() override {
    chart.setRepaintHandler([this] { ++repaints; });
  }
  void fixRange(TAxis& axis, double min, double max) {
    axis.AutoSizing = false;
    axis.Min = min;
    axis.Max = max;
  }
  ChartModel chart;
  int repaints = 0;
};

TEST_F(ChartModelTest, SeriesAreCreatedByNumberOnFirstUseAndKeepTheirOrder) {
  chart.Series(1);
  TSeries& three = chart.Series(3);
  EXPECT_EQ(three.number(), 3);
  EXPECT_EQ(chart.seriesCount(), 2u);
  EXPECT_EQ(chart.findSeries(2), nullptr);
  EXPECT_EQ(&chart.Series(3), &three); // the same series again, not a new one
  chart.Series(2);
  ASSERT_EQ(chart.seriesCount(), 3u);
  EXPECT_EQ(chart.series()[2]->number(), 2); // in order of creation
  chart.destroySeries(1);
  chart.destroySeries(7);
  EXPECT_EQ(chart.series()[0]->number(), 3);
  EXPECT_THROW(chart.Series(0), Error);
  chart.ClearAll();
  EXPECT_EQ(chart.seriesCount(), 0u);
}

TEST_F(ChartModelTest, RepaintsOnlyForChangesAndOnlyWhilePlotting) {
  TSeries& s = chart.Series(1);
  repaints = 0;
  s.SetActive(true); // already
  s.SetLineStyle(0);
  EXPECT_EQ(repaints, 0);
  s.SetActive(false);
  s.SetLineColor(rgbColor(1, 2, 3));
  s.SetWhichYAxis(false);
  s.SetLegendStatus(0);
  s.SetDrawPoints(false);
  chart.XAxis.setMin(-5);
  chart.XAxis.setMin(-5);
  EXPECT_EQ(repaints, 6);
  chart.setPlotting(false);
  for (int i = 0; i < 100; ++i)
    s.Add(i, i);
  chart.XAxis.setAutoSizing(false);
  EXPECT_EQ(repaints, 6);
  chart.setPlotting(true);
  EXPECT_EQ(repaints, 7);
}

TEST_F(ChartModelTest, CopiesAreIndependentAndShareThePointsUntilAChange) {
  TSeries& s = chart.Series(1);
  s.Add(1, 1);
  ChartModel copy(chart);
  copy.Series(1).Add(2, 2);
  copy.Series(1).SetLineColor(clRed);
  EXPECT_EQ(chart.Series(1).count(), 1u);
  EXPECT_EQ(copy.Series(1).count(), 2u);
  EXPECT_NE(chart.Series(1).LineColor, clRed);
  repaints = 0;
  copy.changed();
  EXPECT_EQ(repaints, 0); // a copy asks nobody
  EXPECT_EQ(&copy.Series(1).points(), &copy.findSeries(1)->points());
}

TEST_F(ChartModelTest, TheMappingOfThePlotAreaBothWays) {
  fixRange(chart.XAxis, 0, 100);
  fixRange(chart.YAxis, 0, 100);
  const ChartMetrics m = chart.metrics();
  ASSERT_TRUE(m.ok()) << m.error;
  EXPECT_EQ(m.x.toPixel(0), 64);
  EXPECT_EQ(m.x.toPixel(100), 844);
  EXPECT_EQ(m.x.toPixel(50), 454);
  EXPECT_EQ(m.y.toPixel(0), 400);
  EXPECT_EQ(m.y.toPixel(25), 308); // 91.5 pixels, rounded to even
  EXPECT_EQ(m.x.toPixel(1e9), 64 + 20000);
  EXPECT_EQ(m.x.toPixel(-INFINITY), 64 - 20000);
  EXPECT_DOUBLE_EQ(chart.GetMouseX(454), 50);
  EXPECT_DOUBLE_EQ(chart.GetMouseY(400), 0);
  EXPECT_DOUBLE_EQ(chart.GetMouseY(34), 100);
}

// Value -> pixel -> value lands within half a pixel, on every kind of axis.
TEST_F(ChartModelTest, MappingRoundTripsOnLinearLogAndReversedAxes) {
  struct Case {
    const char* name;
    bool log, reversed;
    double min, max;
  } cases[] = {{"linear", false, false, -10, 40},
               {"reversed", false, true, -300, 300},
               {"log", true, false, 0.01, 1000},
               {"log reversed", true, true, 1, 1e6}};
  for (const Case& c : cases) {
    for (TAxis* axis : {&chart.XAxis, &chart.YAxis_Second}) {
      fixRange(*axis, c.min, c.max);
      axis->LogScale = c.log;
      axis->Reversed = c.reversed;
      const ChartMetrics m = chart.metrics();
      ASSERT_TRUE(m.ok()) << m.error;
      const AxisMapping& map = axis == &chart.XAxis ? m.x : m.y2;
      // The minimum sits at the start the direction names.
      const bool x = axis == &chart.XAxis;
      const int minPixel = x ? (c.reversed ? 844 : 64) : (c.reversed ? 34 : 400);
      EXPECT_EQ(map.toPixel(c.min), minPixel) << c.name;
      for (double t = 0; t <= 1; t += 0.125) {
        const double v = c.log ? c.min * std::pow(c.max / c.min, t) : c.min + (c.max - c.min) * t;
        const int px = map.toPixel(v);
        const double back = x ? chart.GetMouseX(px) : chart.GetMouseY2(px);
        const double halfPixel = 0.5 / map.scale;
        if (c.log)
          EXPECT_NEAR(std::log(back), std::log(v), halfPixel + 1e-12) << c.name << " " << v;
        else
          EXPECT_NEAR(back, v, halfPixel + 1e-12) << c.name << " " << v;
      }
    }
  }
}

TEST_F(ChartModelTest, UnusableLimitsNameTheAxis) {
  struct Case {
    TAxis* axis;
    double min, max;
    bool log;
    const char* error;
  } cases[] = {
      {&chart.XAxis, 5, 5, false, "XAxis CalcMetrics: XMin>=XMax"},
      {&chart.YAxis, 40, -10, false, "YAxis CalcMetrics: XMin>=XMax"},
      {&chart.YAxis_Second, std::numeric_limits<double>::quiet_NaN(), 1, false, "YAxis_Second CalcMetrics: XMin>=XMax"},
      {&chart.YAxis, 0, 10, true, "YAxis CalcMetrics: XMin<=0 auf logarithmischer Achse"},
  };
  for (const Case& c : cases) {
    ChartModel fresh;
    TAxis& axis = c.axis == &chart.XAxis ? fresh.XAxis : c.axis == &chart.YAxis ? fresh.YAxis : fresh.YAxis_Second;
    fixRange(axis, c.min, c.max);
    axis.LogScale = c.log;
    EXPECT_EQ(fresh.metrics().error, c.error);
    EXPECT_TRUE(std::isnan(fresh.GetMouseX(100)));
  }
}

TEST_F(ChartModelTest, OnlyActiveSeriesWithPointsSizeTheirAxes) {
  TSeries& temperatures = chart.Series(1);
  for (double y : {3.0, std::numeric_limits<double>::quiet_NaN(), 47.0})
    temperatures.Add(46361 + temperatures.count(), y);
  TSeries& hidden = chart.Series(2);
  hidden.Add(40000, 1000);
  hidden.SetActive(false);
  TSeries& outputs = chart.Series(3);
  outputs.SetWhichYAxis(false);
  outputs.Add(46361.5, 10);
  outputs.Add(46362.5, 20);
  chart.Series(4); // no points
  chart.XAxis.AutoStepping = false;
  chart.XAxis.StepSize = 0.5;
  const ChartMetrics m = chart.metrics();
  ASSERT_TRUE(m.ok()) << m.error;
  EXPECT_DOUBLE_EQ(m.y.min, 0);
  EXPECT_DOUBLE_EQ(m.y.max, 50);
  EXPECT_DOUBLE_EQ(m.y2.min, 8);
  EXPECT_DOUBLE_EQ(m.y2.max, 22);
  // x: 46361 .. 46363 (the inactive series at 40000 left out), step 0.5.
  EXPECT_DOUBLE_EQ(m.x.min, 46360.5);
  EXPECT_DOUBLE_EQ(m.x.max, 46363.5);
}

TEST_F(ChartModelTest, DateTimeAxesSizeByTheirTickUnitAndCoarsenTheirTicks) {
  chart.XAxis.ShowAsTime = true;
  chart.XAxis.DateTickType = dt_hourly;
  TSeries& s = chart.Series(1);
  s.Add(46361 + 14.5 / 24, 1); // 5 Dec 2026 14:30
  s.Add(46361 + 20.25 / 24, 2);
  ChartMetrics m = chart.metrics();
  EXPECT_DOUBLE_EQ(m.x.min, 46361 + 14.0 / 24);
  EXPECT_DOUBLE_EQ(m.x.max, 46361 + 21.0 / 24);
  EXPECT_EQ(m.x.tickType, dt_hourly);
  EXPECT_DOUBLE_EQ(m.x.step, 1.0 / 24);
  s.Add(46368 + 3.0 / 24, 3); // a week: 157 hourly ticks are too many
  m = chart.metrics();
  EXPECT_EQ(m.x.tickType, dt_daily);
  EXPECT_DOUBLE_EQ(m.x.step, 1);
  chart.XAxis.AutoStepping = false;
  EXPECT_EQ(chart.metrics().x.tickType, dt_hourly);
}

TEST_F(ChartModelTest, MinimumScaleWidensNarrowData) {
  TSeries& s = chart.Series(1);
  s.Add(0, 20);
  s.Add(1, 20.001);
  chart.YAxis.MinimumScale = 10;
  const ChartMetrics m = chart.metrics();
  EXPECT_LE(m.y.min, 20);
  EXPECT_GE(m.y.max, 30);
}

TEST_F(ChartModelTest, CopyDesignTakesSettingsButNotPoints) {
  chart.Series(1).Add(1, 1);
  ChartModel edited(chart);
  edited.XAxis.Title = "Zeit";
  edited.Legend.visible = false;
  edited.Series(1).SetLegendStatus(ls_name);
  edited.Series(1).Add(2, 2);
  edited.Series(2);
  EXPECT_FALSE(chart.sameDesign(edited));
  repaints = 0;
  chart.copyDesign(edited);
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(chart.XAxis.Title, "Zeit");
  EXPECT_FALSE(chart.Legend.visible);
  EXPECT_EQ(chart.Series(1).LegendStatus, ls_name);
  EXPECT_EQ(chart.Series(1).count(), 1u);
  EXPECT_EQ(chart.seriesCount(), 1u);
  EXPECT_STREQ(chart.XAxis.name(), "XAxis"); // still this chart's own axis
}

} // namespace
} // namespace veltra::core
