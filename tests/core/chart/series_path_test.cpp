#include "core/chart/series_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <tuple>
#include <vector>

namespace veltra::core {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// What a path covers when every segment covers its pixels: per polyline and
// column, the vertical span of the segments within the column, and the
// segments between columns as they are.
struct Coverage {
  std::map<std::pair<std::size_t, int>, std::pair<int, int>> spans; // (run, column) -> lowest, highest row
  std::vector<std::tuple<std::size_t, PixelPoint, PixelPoint>> crossings;
  std::vector<std::pair<int, int>> runs; // first and last column of each polyline
  bool operator==(const Coverage&) const = default;
};

Coverage coverage(const SeriesPath& path) {
  Coverage c;
  std::size_t begin = 0;
  for (std::size_t run = 0; run < path.runEnds.size(); ++run) {
    const std::size_t end = path.runEnds[run];
    c.runs.emplace_back(path.points[begin].x, path.points[end - 1].x);
    for (std::size_t k = begin; k < end; ++k) {
      const PixelPoint p = path.points[k];
      auto [it, fresh] = c.spans.try_emplace({run, p.x}, p.y, p.y);
      it->second = {std::min(it->second.first, p.y), std::max(it->second.second, p.y)};
      if (k + 1 < end && path.points[k + 1].x != p.x) c.crossings.emplace_back(run, p, path.points[k + 1]);
    }
    begin = end;
  }
  return c;
}

// x 0..100 over 800 pixels from 50, y -50..50 over 400 pixels from 450 upwards.
struct Axes {
  AxisMapping x{0, 100, 10, false, 50, 1, 8};
  AxisMapping y{-50, 50, 10, false, 450, -1, 4};
};

TEST(SeriesPathTest, FourPointsPerColumnCoverWhatEveryPointCovers) {
  std::mt19937 rng(7);
  std::normal_distribution<double> noise(0, 3);
  for (int variant = 0; variant < 4; ++variant) {
    SeriesPoints p;
    double v = 0;
    const int n = 20000 + variant * 7000;
    for (int i = 0; i < n; ++i) {
      v = std::clamp(v + noise(rng), -80.0, 80.0); // beyond the y range too
      const bool gap = (i / 1000) % 7 == 3 && i % 1000 < 50 + variant * 400;
      p.add(-20 + i * 140.0 / n, gap ? kNaN : v, 0, 0, true, 0); // beyond the x range on both sides
    }
    Axes a;
    if (variant == 3) { // reversed x axis
      a.x.start = 850;
      a.x.direction = -1;
    }
    const PixelClip clip{50, 50, 850, 450};
    SeriesPath exact, decimated;
    buildSeriesPath(p, a.x, a.y, clip, false, exact);
    buildSeriesPath(p, a.x, a.y, clip, true, decimated);
    EXPECT_EQ(coverage(decimated), coverage(exact)) << "variant " << variant;
    EXPECT_LT(decimated.points.size(), exact.points.size() / 4) << "variant " << variant;
    std::map<std::pair<std::size_t, int>, int> perColumn;
    std::size_t run = 0;
    for (std::size_t k = 0; k < decimated.points.size(); ++k) {
      while (k >= decimated.runEnds[run])
        ++run;
      ++perColumn[{run, decimated.points[k].x}];
    }
    for (const auto& [key, count] : perColumn)
      ASSERT_LE(count, 4) << "column " << key.second;
  }
}

TEST(SeriesPathTest, GapsBreakTheLineAndPointsBeyondTheClipOnlyLeadIn) {
  SeriesPoints p;
  for (auto [x, y] : {std::pair{-50.0, 0.0},
                      {-40.0, 10.0},
                      {10.0, 20.0},
                      {20.0, kNaN},
                      {30.0, 5.0},
                      {40.0, kNaN},
                      {50.0, 1.0},
                      {60.0, 2.0},
                      {150.0, 3.0},
                      {160.0, 4.0}})
    p.add(x, y, 0, 0, true, 0);
  Axes a;
  SeriesPath path;
  buildSeriesPath(p, a.x, a.y, {50, 50, 850, 450}, true, path);
  // -40 leads into 10; 30 stands alone between gaps; 150 leads out of 60; -50 and 160 are not needed.
  const std::vector<PixelPoint> expected = {{-270, 210}, {130, 170}, {290, 230}, {450, 246}, {530, 242}, {1250, 238}};
  EXPECT_EQ(path.points, expected);
  EXPECT_EQ(path.runEnds, (std::vector<std::size_t>{2, 3, 6}));
}

TEST(SeriesPathTest, ALogAxisTreatsValuesAtOrBelowZeroAsGaps) {
  SeriesPoints p;
  for (auto [x, y] : {std::pair{10.0, 10.0}, {20.0, 100.0}, {30.0, 0.0}, {40.0, -5.0}, {50.0, 1000.0}})
    p.add(x, y, 0, 0, true, 0);
  Axes a;
  a.y = {1, 10000, 1, true, 450, -1, 400 / std::log(10000.0)};
  SeriesPath path;
  buildSeriesPath(p, a.x, a.y, {50, 50, 850, 450}, true, path);
  EXPECT_EQ(path.runEnds, (std::vector<std::size_t>{2, 3}));
  EXPECT_EQ(path.points[0], (PixelPoint{130, 350}));
  EXPECT_EQ(path.points[2], (PixelPoint{450, 150}));
}

TEST(SeriesPathTest, MarksOncePerPixelAndOnlyWhereTheyReachTheClip) {
  SeriesPoints p;
  for (int i = 0; i < 1000; ++i)
    p.add(i * 0.01, 0, 0, 0, true, 0); // 8 points per pixel on one row: pixels 50..130
  p.add(99.0, kNaN, 0, 0, true, 0);
  p.add(101.0, 0, 0, 0, true, 0); // 8 pixels right of the clip: its mark reaches in
  p.add(103.0, 0, 0, 0, true, 0); // 24 pixels right: does not
  Axes a;
  std::vector<PixelPoint> marks;
  seriesMarks(p, a.x, a.y, {50, 50, 850, 450}, 10, marks);
  ASSERT_EQ(marks.size(), 81u + 1);
  EXPECT_EQ(marks.front(), (PixelPoint{50, 250}));
  EXPECT_EQ(marks.back(), (PixelPoint{858, 250}));
}

} // namespace
} // namespace veltra::core
