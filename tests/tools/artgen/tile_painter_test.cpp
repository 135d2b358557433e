#include "tile_painter.h"

#include "util/error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltra::artgen {
namespace {

// From the drawing rules: edge middles reached (L R T B), sides joined, sides apart, a 3 × 3 dot.
struct TileCase {
  int number;
  const char* name;
  std::string sides, joined, separate;
  bool dot;
};

const std::vector<TileCase> kCases = {
    {0, "v0", "", "", "", false},
    {1, "v1", "LR", "LR", "", false},
    {2, "v2", "TB", "TB", "", false},
    {3, "v3", "LT", "LT", "", false},
    {4, "v4", "RT", "RT", "", false},
    {5, "v5", "LB", "LB", "", false},
    {6, "v6", "RB", "RB", "", false},
    {7, "v7", "LRB", "LR LB", "", true},
    {8, "v8", "LRT", "LR LT", "", true},
    {9, "v9", "LTB", "TB TL", "", true},
    {10, "v10", "RTB", "TB TR", "", true},
    {11, "v11", "LRTB", "LR LT LB", "", true},
    {12, "v12", "LRTB", "TB", "LT RT LR", false},
    {13, "V13", "LRTB", "LT RB", "LR LB TB", false},
    {14, "V14", "LRTB", "LB RT", "LR LT TB", false},
};

// Eight-connected flood fill between two edge middles: a diagonal step joins, as to the eye.
bool connected(const Image& img, char from, char to) {
  const auto middle = [](char s) { return s == 'L' ? 21 : s == 'R' ? 27 : s == 'T' ? 3 : 45; }; // y * 7 + x
  std::vector<bool> seen(49, false);
  std::vector<int> todo{middle(from)};
  while (!todo.empty()) {
    const int p = todo.back();
    todo.pop_back();
    if (seen[static_cast<std::size_t>(p)] || img.pixel(p % 7, p / 7) == kWhite) continue;
    seen[static_cast<std::size_t>(p)] = true;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (img.contains(p % 7 + dx, p / 7 + dy)) todo.push_back(p + dy * 7 + dx);
  }
  return seen[static_cast<std::size_t>(middle(to))];
}

class EveryTile : public ::testing::TestWithParam<std::tuple<TileCase, bool>> {};

TEST_P(EveryTile, ShowsExactlyItsSidesJoinsAndColour) {
  const auto& [c, analog] = GetParam();
  EXPECT_EQ(tileFileName(c.number, analog), std::string(analog ? "r" : "") + c.name + ".bmp");
  const Image img = paintTile(c.number, analog);
  ASSERT_TRUE(img.width() == 7 && img.height() == 7);
  const Rgb ink = analog ? kAnalogRed : kBlack;
  int inked = 0, dot = 0;
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) {
      const Rgb p = img.pixel(x, y);
      ASSERT_TRUE(p == kWhite || p == ink) << x << "," << y;
      inked += p == ink ? 1 : 0;
      dot += p == ink && x >= 2 && x <= 4 && y >= 2 && y <= 4 ? 1 : 0;
      // On the border only the edge middles of the named sides are inked.
      const char side = x == 0 ? 'L' : x == 6 ? 'R' : y == 0 ? 'T' : 'B';
      if (x == 0 || y == 0 || x == 6 || y == 6) {
        EXPECT_EQ(p == ink, (x == 3 || y == 3) && c.sides.find(side) != std::string::npos) << x << "," << y;
      }
    }
  EXPECT_GT(inked, 0) << "a tile must show something";
  EXPECT_EQ(dot == 9, c.dot);
  for (std::size_t i = 0; i + 1 < c.joined.size(); i += 3)
    EXPECT_TRUE(connected(img, c.joined[i], c.joined[i + 1])) << c.joined.substr(i, 2);
  for (std::size_t i = 0; i + 1 < c.separate.size(); i += 3)
    EXPECT_FALSE(connected(img, c.separate[i], c.separate[i + 1])) << c.separate.substr(i, 2);
}

INSTANTIATE_TEST_SUITE_P(Tiles, EveryTile, ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<1>(info.param) ? "r" : "") + std::get<0>(info.param).name;
                         });

TEST(TilePainter, NumbersOutsideTheSetAreErrors) {
  EXPECT_THROW(paintTile(15, false), core::Error);
  EXPECT_THROW(paintTile(-1, true), core::Error);
  EXPECT_THROW(tileFileName(15, false), core::Error);
}

} // namespace
} // namespace veltra::artgen
