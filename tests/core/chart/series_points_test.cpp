#include "core/chart/series_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace veltra::core {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<double> xs(const SeriesPoints& p) { return {p.x().begin(), p.x().end()}; }
std::vector<double> ys(const SeriesPoints& p) { return {p.y().begin(), p.y().end()}; }

TEST(SeriesPointsTest, AppendInsertAndTheDuplicatesRule) {
  struct Step {
    double x, y;
  };
  struct Case {
    const char* name;
    bool duplicates;
    double tolerance;
    std::vector<Step> steps;
    std::vector<double> x, y;
  } cases[] = {
      {"in order", true, 0, {{1, 10}, {2, 20}, {3, 30}}, {1, 2, 3}, {10, 20, 30}},
      {"equal x kept when allowed", true, 0.5, {{1, 10}, {1, 11}, {1.2, 12}}, {1, 1, 1.2}, {10, 11, 12}},
      {"equal x replaces the last", false, 0, {{1, 10}, {2, 20}, {2, 21}}, {1, 2}, {10, 21}},
      {"within tolerance replaces", false, 0.5, {{1, 10}, {2, 20}, {2.5, 25}, {3.1, 31}}, {1, 2.5, 3.1}, {10, 25, 31}},
      {"smaller x inserted in order", false, 0.5, {{1, 10}, {3, 30}, {2, 20}, {0, 0}}, {0, 1, 2, 3}, {0, 10, 20, 30}},
      {"inserted after equal x", true, 0, {{1, 10}, {2, 20}, {3, 30}, {2, 21}}, {1, 2, 2, 3}, {10, 20, 21, 30}},
      {"NaN x has no place", true, 0, {{1, 10}, {kNaN, 5}, {2, 20}}, {1, 2}, {10, 20}},
  };
  for (const Case& c : cases) {
    SeriesPoints p;
    for (const Step& s : c.steps)
      p.add(s.x, s.y, 0, 0, c.duplicates, c.tolerance);
    EXPECT_EQ(xs(p), c.x) << c.name;
    EXPECT_EQ(ys(p), c.y) << c.name;
    EXPECT_FALSE(p.hasExtras()) << c.name;
  }
}

TEST(SeriesPointsTest, FurtherValuesTakeMemoryOnlyWhenUsed) {
  SeriesPoints p;
  p.add(1, 1, 0, 0, true, 0);
  p.add(2, 2, 7, 8, true, 0);
  p.add(0, 0, 5, 6, true, 0);
  ASSERT_TRUE(p.hasExtras());
  EXPECT_EQ(p.extra(0, 0), 5);
  EXPECT_EQ(p.extra(0, 1), 6);
  EXPECT_EQ(p.extra(1, 0), 0);
  EXPECT_EQ(p.extra(2, 1), 8);
}

// The block summaries must agree with the points after any mix of appends,
// insertions, replacements and gaps.
TEST(SeriesPointsTest, BlockSummariesFollowEveryChange) {
  std::mt19937 rng(3);
  SeriesPoints p;
  for (int i = 0; i < 3000; ++i) {
    const int kind = static_cast<int>(rng() % 10);
    const double x = kind == 0 ? (rng() % 1000) * 0.5 : i * 0.5;
    const double y = kind == 1 ? kNaN : static_cast<double>(rng() % 2001) - 1000;
    p.add(x, y, 0, 0, kind != 2, 0.1);
  }
  const auto y = p.y();
  ASSERT_EQ(p.blocks().size(), (p.size() + SeriesPoints::kBlock - 1) / SeriesPoints::kBlock);
  double lo = INFINITY, hi = -INFINITY;
  for (std::size_t b = 0; b < p.blocks().size(); ++b) {
    double bmin = INFINITY, bmax = -INFINITY;
    bool gap = false;
    for (std::size_t i = b * SeriesPoints::kBlock; i < std::min(p.size(), (b + 1) * SeriesPoints::kBlock); ++i) {
      if (std::isnan(y[i])) {
        gap = true;
        continue;
      }
      bmin = std::min(bmin, y[i]);
      bmax = std::max(bmax, y[i]);
    }
    EXPECT_EQ(p.blocks()[b].min, bmin) << b;
    EXPECT_EQ(p.blocks()[b].max, bmax) << b;
    EXPECT_EQ(p.blocks()[b].gap, gap) << b;
    lo = std::min(lo, bmin);
    hi = std::max(hi, bmax);
  }
  EXPECT_TRUE(std::is_sorted(p.x().begin(), p.x().end()));
  ASSERT_TRUE(p.yLimits());
  EXPECT_EQ(*p.yLimits(), (ValueLimits{lo, hi}));
}

TEST(SeriesPointsTest, LimitsLeaveOutGapsAndInfinities) {
  SeriesPoints p;
  EXPECT_FALSE(p.yLimits());
  EXPECT_FALSE(p.xLimits());
  for (auto [x, y] :
       {std::pair{-INFINITY, 1.0}, {-2.0, kNaN}, {0.0, -3.0}, {1.0, INFINITY}, {5.0, 4.0}, {INFINITY, 2.0}})
    p.add(x, y, 0, 0, true, 0);
  EXPECT_EQ(*p.yLimits(), (ValueLimits{-3, 4}));
  EXPECT_EQ(*p.positiveYLimits(), (ValueLimits{1, 4}));
  EXPECT_EQ(*p.xLimits(), (ValueLimits{-2, 5}));
  EXPECT_EQ(*p.positiveXLimits(), (ValueLimits{1, 5}));
  // The last point replaced: its old value no longer counts.
  SeriesPoints q;
  q.add(1, 1, 0, 0, false, 0);
  q.add(2, 100, 0, 0, false, 0);
  q.add(2, 5, 0, 0, false, 0);
  EXPECT_EQ(*q.yLimits(), (ValueLimits{1, 5}));
  SeriesPoints gaps;
  gaps.add(1, kNaN, 0, 0, true, 0);
  EXPECT_FALSE(gaps.yLimits());
}

} // namespace
} // namespace veltra::core
