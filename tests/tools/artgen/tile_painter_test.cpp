#include "tile_painter.h"

#include "util/error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltra::artgen {
namespace {

// What each tile must show, written out from the drawing rules rather than
// taken from the painter: which edge middles the line reaches, and which
// pairs of sides are joined inside the tile.
struct TileCase {
  int number;
  const char* name;
  bool left, right, top, bottom;
  std::vector<std::pair<char, char>> joined;   // pairs of sides connected inside the tile
  std::vector<std::pair<char, char>> separate; // pairs that must not be connected
};

const std::vector<TileCase> kCases = {
    {0, "v0", false, false, false, false, {}, {}},
    {1, "v1", true, true, false, false, {{'L', 'R'}}, {}},
    {2, "v2", false, false, true, true, {{'T', 'B'}}, {}},
    {3, "v3", true, false, true, false, {{'L', 'T'}}, {}},
    {4, "v4", false, true, true, false, {{'R', 'T'}}, {}},
    {5, "v5", true, false, false, true, {{'L', 'B'}}, {}},
    {6, "v6", false, true, false, true, {{'R', 'B'}}, {}},
    {7, "v7", true, true, false, true, {{'L', 'R'}, {'L', 'B'}}, {}},
    {8, "v8", true, true, true, false, {{'L', 'R'}, {'L', 'T'}}, {}},
    {9, "v9", true, false, true, true, {{'T', 'B'}, {'T', 'L'}}, {}},
    {10, "v10", false, true, true, true, {{'T', 'B'}, {'T', 'R'}}, {}},
    {11, "v11", true, true, true, true, {{'L', 'R'}, {'L', 'T'}, {'L', 'B'}}, {}},
    {12, "v12", true, true, true, true, {{'T', 'B'}}, {{'L', 'T'}, {'R', 'T'}, {'L', 'R'}}},
    {13, "V13", true, true, true, true, {{'L', 'T'}, {'R', 'B'}}, {{'L', 'R'}, {'L', 'B'}, {'T', 'B'}}},
    {14, "V14", true, true, true, true, {{'L', 'B'}, {'R', 'T'}}, {{'L', 'R'}, {'L', 'T'}, {'T', 'B'}}},
};

struct Point {
  int x, y;
};

Point edgeMiddle(char side) {
  switch (side) {
  case 'L':
    return {0, 3};
  case 'R':
    return {6, 3};
  case 'T':
    return {3, 0};
  default:
    return {3, 6};
  }
}

// Eight-connected flood fill over inked pixels: a diagonal step counts as
// joined, as it does to the eye.
bool connected(const Image& img, Point a, Point b) {
  std::vector<bool> seen(49, false);
  std::vector<Point> todo{a};
  const Rgb bg = kWhite;
  if (img.pixel(a.x, a.y) == bg) return false;
  seen[static_cast<std::size_t>(a.y * 7 + a.x)] = true;
  while (!todo.empty()) {
    const Point p = todo.back();
    todo.pop_back();
    if (p.x == b.x && p.y == b.y) return true;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const Point q{p.x + dx, p.y + dy};
        if (!img.contains(q.x, q.y) || img.pixel(q.x, q.y) == bg) continue;
        const auto i = static_cast<std::size_t>(q.y * 7 + q.x);
        if (!seen[i]) {
          seen[i] = true;
          todo.push_back(q);
        }
      }
  }
  return false;
}

class EveryTile : public ::testing::TestWithParam<std::tuple<TileCase, bool>> {};

TEST_P(EveryTile, NameFollowsNumberAndKind) {
  const TileCase& c = std::get<0>(GetParam());
  const bool analog = std::get<1>(GetParam());
  EXPECT_EQ(tileFileName(c.number, analog), std::string(analog ? "r" : "") + c.name + ".bmp");
}

TEST_P(EveryTile, LineReachesExactlyTheNamedSides) {
  const TileCase& c = std::get<0>(GetParam());
  const bool analog = std::get<1>(GetParam());
  const Image img = paintTile(c.number, analog);
  ASSERT_EQ(img.width(), 7);
  ASSERT_EQ(img.height(), 7);
  const Rgb ink = analog ? kAnalogRed : kBlack;
  const auto expect = [&](int x, int y, bool set) {
    EXPECT_EQ(img.pixel(x, y), set ? ink : kWhite) << c.name << " at (" << x << ", " << y << ")";
  };
  expect(0, 3, c.left);
  expect(6, 3, c.right);
  expect(3, 0, c.top);
  expect(3, 6, c.bottom);
  // Nothing else on the border: a line ends only in an edge middle.
  for (int k = 0; k < 7; ++k) {
    if (k == 3) continue;
    expect(k, 0, false);
    expect(k, 6, false);
    expect(0, k, false);
    expect(6, k, false);
  }
}

TEST_P(EveryTile, OnlyTheKindColourOnWhite) {
  const TileCase& c = std::get<0>(GetParam());
  const bool analog = std::get<1>(GetParam());
  const Image img = paintTile(c.number, analog);
  const Rgb ink = analog ? kAnalogRed : kBlack;
  int inked = 0;
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) {
      const Rgb p = img.pixel(x, y);
      EXPECT_TRUE(p == kWhite || p == ink) << c.name;
      if (p == ink) ++inked;
    }
  EXPECT_GT(inked, 0) << c.name << " must show something";
}

TEST_P(EveryTile, JoinsWhatItShouldAndNothingElse) {
  const TileCase& c = std::get<0>(GetParam());
  const bool analog = std::get<1>(GetParam());
  const Image img = paintTile(c.number, analog);
  for (const auto& [a, b] : c.joined)
    EXPECT_TRUE(connected(img, edgeMiddle(a), edgeMiddle(b))) << c.name << ": " << a << "-" << b;
  for (const auto& [a, b] : c.separate)
    EXPECT_FALSE(connected(img, edgeMiddle(a), edgeMiddle(b))) << c.name << ": " << a << "-" << b;
}

INSTANTIATE_TEST_SUITE_P(Tiles, EveryTile, ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<1>(info.param) ? "r" : "") + std::get<0>(info.param).name;
                         });

TEST(TilePainter, JunctionOfAllFourSidesCarriesADot) {
  const Image img = paintTile(11, false);
  for (int y = 2; y <= 4; ++y)
    for (int x = 2; x <= 4; ++x)
      EXPECT_EQ(img.pixel(x, y), kBlack) << x << "," << y;
}

TEST(TilePainter, CrossingLeavesAGapBesideTheOtherLine) {
  const Image img = paintTile(12, true);
  EXPECT_EQ(img.pixel(3, 3), kAnalogRed);
  EXPECT_EQ(img.pixel(2, 3), kWhite);
  EXPECT_EQ(img.pixel(4, 3), kWhite);
}

TEST(TilePainter, TwoCornersKeepTheMiddleFree) {
  EXPECT_EQ(paintTile(13, false).pixel(3, 3), kWhite);
  EXPECT_EQ(paintTile(14, false).pixel(3, 3), kWhite);
}

TEST(TilePainter, NumbersOutsideTheSetAreErrors) {
  EXPECT_THROW(paintTile(15, false), core::Error);
  EXPECT_THROW(paintTile(-1, true), core::Error);
  EXPECT_THROW(tileFileName(15, false), core::Error);
}

} // namespace
} // namespace veltra::artgen
