#include "core/online/graph_curves.h"

#include "core/online/day_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace veltra::core {
namespace {

const TDateTime kDay = static_cast<TDateTime>(daysFromCivil(2026, 12, 5));

TEST(CurveList, RemovingAnEntryMovesTheLaterOnesUp) {
  CurveList l;
  for (int n = 1; n <= 4; ++n)
    ASSERT_TRUE(l.add({rgbColor(n, 0, 0), 'E', n}));
  l.remove(2);
  ASSERT_EQ(l.count(), 3);
  EXPECT_EQ(l.entry(1).signal, 1);
  EXPECT_EQ(l.entry(2).signal, 3);
  EXPECT_EQ(l.entry(2).color, rgbColor(3, 0, 0));
  EXPECT_EQ(l.entry(3).signal, 4);
  EXPECT_FALSE(l.contains('E', 2));
  EXPECT_TRUE(l.contains('E', 4));
  EXPECT_FALSE(l.contains('A', 4));
  l.remove(0); // outside: nothing
  l.remove(4);
  EXPECT_EQ(l.count(), 3);
}

TEST(CurveList, SixteenAtMost) {
  CurveList l;
  for (int n = 1; n <= kMaxCurves; ++n)
    ASSERT_TRUE(l.add({clBlack, 'A', n}));
  EXPECT_TRUE(l.full());
  EXPECT_FALSE(l.add({clBlack, 'A', 17}));
  EXPECT_EQ(l.count(), kMaxCurves);
}

TEST(GraphCurves, AxesAndSignalCountsOfTheGroups) {
  const std::string left = "EIMQ", right = "AFHV";
  for (char c : left)
    EXPECT_TRUE(onLeftAxis(c)) << c;
  for (char c : right)
    EXPECT_FALSE(onLeftAxis(c)) << c;
  EXPECT_EQ(curveSignalCount('V'), 9216);
  EXPECT_EQ(curveSignalCount('F'), 256);
  EXPECT_EQ(curveSignalCount('S'), 0);
  EXPECT_EQ(curveSignalCount('X'), 0);
}

TEST(GraphCurves, LiveValuesFromTheBlock) {
  std::vector<std::uint8_t> bytes(kServerBlockSize, 0);
  ServerBlock block(bytes);
  block.setAnalog(BlockArea::F, 3, 7.25);
  block.setBit(BlockArea::M, 2, true);
  EXPECT_EQ(liveCurveValue(block, {clBlack, 'F', 3}), 7.25);
  EXPECT_EQ(liveCurveValue(block, {clBlack, 'M', 2}), 5.0);
  EXPECT_EQ(liveCurveValue(block, {clBlack, 'M', 3}), 0.0);
  block.setAnalog(BlockArea::V, 1, 3.0);
  EXPECT_FALSE(liveCurveValue(block, {clBlack, 'V', 1}));
  EXPECT_FALSE(liveCurveValue(block, {clBlack, 'E', 257}));
}

class OfflineDrawing : public ::testing::Test {
protected:
  void load(char letter, const std::string& text) {
    readDayText(text, std::string(1, letter) + "_05.12.2026.csv", kDay, "HH:mm:ss", ValueForm::Automatic,
                m.group(static_cast<std::size_t>(dayGroupIndex(letter))));
  }
  DayMeasurement m;
  ChartModel chart;
};

TEST_F(OfflineDrawing, HundredthsOnTheLeftAndBitsTimesFive) {
  load('E', "10:00:00;2150\r\n10:01:00;2200\r\n");
  load('I', "10:00:30;1\r\n10:01:30;0\r\n");
  const std::vector<CurveEntry> curves = {{clBlack, 'E', 1}, {rgbColor(255, 0, 0), 'I', 1}, {clBlack, 'A', 1}};
  const std::vector<std::string> names = {"Vorlauf", "Pumpe", "leer"};
  drawOfflineCurves(chart, m, curves, names);
  ASSERT_EQ(chart.seriesCount(), 3u);
  const TSeries& e = *chart.findSeries(1);
  EXPECT_TRUE(e.FirstAxis);
  EXPECT_EQ(e.Name, "Vorlauf");
  EXPECT_EQ(e.LegendStatus, 3);
  EXPECT_FALSE(e.DrawPoints);
  ASSERT_EQ(e.count(), 2u);
  EXPECT_DOUBLE_EQ(e.points().y()[0], 21.5);
  const TSeries& i = *chart.findSeries(2);
  EXPECT_EQ(i.LineColor, rgbColor(255, 0, 0));
  EXPECT_DOUBLE_EQ(i.points().y()[0], 5.0);
  EXPECT_DOUBLE_EQ(i.points().y()[1], 0.0);
  // A group without rows: no points, the right axis.
  EXPECT_EQ(chart.findSeries(3)->count(), 0u);
  EXPECT_FALSE(chart.findSeries(3)->FirstAxis);
  // The x range spans the drawn groups.
  EXPECT_DOUBLE_EQ(chart.XAxis.Min, kDay + 10.0 / 24);
  EXPECT_DOUBLE_EQ(chart.XAxis.Max, kDay + (10 * 3600 + 90) / 86400.0);
}

TEST_F(OfflineDrawing, GapsBreakTheLine) {
  // One minute apart, a NaN field, then a pause of five minutes.
  load('A', "10:00:00;1\r\n10:01:00;NAN\r\n10:02:00;3\r\n10:03:00;4\r\n10:08:00;5\r\n10:09:00;6\r\n");
  drawOfflineCurves(chart, m, std::vector<CurveEntry>{{clBlack, 'A', 1}}, std::vector<std::string>{"a"});
  const SeriesPoints& p = chart.findSeries(1)->points();
  ASSERT_EQ(p.size(), 7u);
  EXPECT_TRUE(std::isnan(p.y()[1]));
  EXPECT_TRUE(std::isnan(p.y()[4])); // the pause
  EXPECT_GT(p.x()[4], p.x()[3]);
  EXPECT_LT(p.x()[4], p.x()[5]);
  EXPECT_DOUBLE_EQ(p.y()[5], 0.05);
}

TEST_F(OfflineDrawing, NoRowsLeaveTheTimeRange) {
  chart.XAxis.Min = 1;
  chart.XAxis.Max = 2;
  drawOfflineCurves(chart, m, std::vector<CurveEntry>{{clBlack, 'E', 1}}, std::vector<std::string>{"e"});
  EXPECT_EQ(chart.XAxis.Min, 1);
  EXPECT_EQ(chart.XAxis.Max, 2);
}

} // namespace
} // namespace veltra::core
