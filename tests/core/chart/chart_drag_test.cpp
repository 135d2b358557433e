#include "core/chart/chart_model.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

// A chart whose axes size themselves to a line from (0, 0) to (100, 40),
// with the right axis fixed at -300..300 as the graph window sets it.
class ChartDragTest : public ::testing::Test {
protected:
  void SetUp() override {
    TSeries& s = chart.Series(1);
    for (int i = 0; i <= 100; ++i)
      s.Add(i, i * 0.4);
    chart.YAxis_Second.AutoSizing = false;
    chart.YAxis_Second.Min = -300;
    chart.YAxis_Second.Max = 300;
    chart.setRepaintHandler([this] { ++repaints; });
    before = chart;
  }
  void drag(int x0, int y0, int x1, int y1) {
    ASSERT_TRUE(chart.Drag.mouseDown(chart, x0, y0, true));
    chart.Drag.mouseMove((x0 + x1) / 2, (y0 + y1) / 2);
    chart.Drag.mouseUp(chart, x1, y1);
  }
  void expectAsBefore() {
    EXPECT_TRUE(chart.sameDesign(before));
    EXPECT_FALSE(chart.Drag.zoomed());
  }
  ChartModel chart, before;
  int repaints = 0;
};

TEST_F(ChartDragTest, ABandBecomesTheRangesOfAllThreeAxes) {
  const ChartMetrics m = chart.metrics();
  repaints = 0;
  drag(300, 250, 200, 100); // dragged up and to the left
  EXPECT_TRUE(chart.Drag.zoomed());
  EXPECT_EQ(repaints, 1); // Plotting off while the ranges are set
  for (const TAxis* a : {&chart.XAxis, &chart.YAxis, &chart.YAxis_Second})
    EXPECT_FALSE(a->AutoSizing) << a->name();
  EXPECT_DOUBLE_EQ(chart.XAxis.Min, m.x.fromPixel(200));
  EXPECT_DOUBLE_EQ(chart.XAxis.Max, m.x.fromPixel(300));
  EXPECT_DOUBLE_EQ(chart.YAxis.Min, m.y.fromPixel(250));
  EXPECT_DOUBLE_EQ(chart.YAxis.Max, m.y.fromPixel(100));
  EXPECT_DOUBLE_EQ(chart.YAxis_Second.Min, m.y2.fromPixel(250));
  EXPECT_DOUBLE_EQ(chart.YAxis_Second.Max, m.y2.fromPixel(100));
  // The drawing now uses exactly those limits.
  EXPECT_DOUBLE_EQ(chart.metrics().x.min, m.x.fromPixel(200));
}

TEST_F(ChartDragTest, AThinBandRestoresTheStateBeforeTheFirstZoom) {
  for (auto [w, h] : {std::pair{3, 50}, {50, 3}, {4, 4}, {0, 0}}) {
    drag(200, 100, 400, 300);
    drag(250, 150, 350, 250); // narrower still
    ASSERT_TRUE(chart.Drag.zoomed());
    drag(300, 200, 300 + w, 200 + h);
    expectAsBefore();
  }
}

TEST_F(ChartDragTest, AShiftClickWithoutZoomChangesNothing) {
  drag(300, 200, 302, 201);
  expectAsBefore();
}

TEST_F(ChartDragTest, NoRangeBecomesNarrowerThanAThousandthOfTheOriginal) {
  const ChartMetrics m = chart.metrics();
  const double saved = m.x.max - m.x.min;
  for (int i = 0; i < 4; ++i)
    drag(400, 200, 406, 206);
  EXPECT_NEAR(chart.XAxis.Max - chart.XAxis.Min, saved / 1000, saved * 1e-9);
  EXPECT_NEAR(chart.YAxis_Second.Max - chart.YAxis_Second.Min, 0.6, 1e-9);
  drag(300, 200, 300, 200);
  expectAsBefore();
}

TEST_F(ChartDragTest, TheLegendMovesWhenGrabbedWithin3PixelsOfItsCorner) {
  chart.Legend.Left = 100;
  chart.Legend.Top = 20;
  before = chart;
  drag(103, 17, 500, 300);
  EXPECT_EQ(chart.Legend.Left, 500);
  EXPECT_EQ(chart.Legend.Top, 300);
  EXPECT_FALSE(chart.Drag.zoomed());
  EXPECT_TRUE(chart.XAxis.AutoSizing);
  // 4 pixels off is a zoom instead; a hidden legend cannot be grabbed.
  ASSERT_TRUE(chart.Drag.mouseDown(chart, 504, 300, true));
  EXPECT_EQ(chart.Drag.mode(), ChartDrag::Mode::Zoom);
  chart.Drag.cancel();
  chart.Legend.visible = false;
  ASSERT_TRUE(chart.Drag.mouseDown(chart, 500, 300, true));
  EXPECT_EQ(chart.Drag.mode(), ChartDrag::Mode::Zoom);
}

TEST_F(ChartDragTest, WithoutShiftNothingStarts) {
  EXPECT_FALSE(chart.Drag.mouseDown(chart, 200, 100, false));
  chart.Drag.mouseUp(chart, 400, 300);
  expectAsBefore();
}

} // namespace
} // namespace veltra::core
