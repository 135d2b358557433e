#include "core/wiring/tile_rules.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

struct TileCase {
  int left, right, bottom, top;
  int rule;
  const char* file;
};

class TileRule : public ::testing::TestWithParam<TileCase> {};

TEST_P(TileRule, SidesChooseTheTile) {
  const TileCase t = GetParam();
  TWireCell c{1, static_cast<std::uint8_t>(t.left), static_cast<std::uint8_t>(t.right),
              static_cast<std::uint8_t>(t.bottom), static_cast<std::uint8_t>(t.top)};
  EXPECT_EQ(tileRule(c), t.rule);
  EXPECT_EQ(tileFileName(c), t.file);
}

// One case per rule, digital ids (no "r"), plus the analog prefix cases.
INSTANTIATE_TEST_SUITE_P(
    AllRules, TileRule,
    ::testing::Values(TileCase{130, 130, 130, 130, 1, "v11.bmp"}, TileCase{130, 130, 0, 130, 2, "v8.bmp"},
                      TileCase{130, 130, 130, 0, 3, "v7.bmp"}, TileCase{130, 130, 140, 140, 4, "v12.bmp"},
                      TileCase{130, 130, 0, 0, 5, "v1.bmp"}, TileCase{130, 0, 130, 130, 6, "v9.bmp"},
                      TileCase{0, 130, 130, 130, 7, "v10.bmp"}, TileCase{0, 0, 130, 130, 8, "v2.bmp"},
                      TileCase{130, 0, 0, 130, 9, "v3.bmp"}, TileCase{130, 0, 130, 0, 10, "v5.bmp"},
                      TileCase{0, 130, 0, 130, 11, "v4.bmp"}, TileCase{0, 130, 130, 0, 12, "v6.bmp"},
                      TileCase{130, 140, 140, 130, 13, "V13.bmp"}, TileCase{130, 140, 130, 140, 14, "V14.bmp"},
                      TileCase{130, 0, 0, 0, 15, "v0.bmp"},
                      // Each zero side a rule asks for, held by another connection, ends in rule 15
                      // (combinations the router does not produce): rules 5 and 8 ...
                      TileCase{130, 130, 0, 140, 15, "v0.bmp"}, TileCase{130, 130, 140, 0, 15, "v0.bmp"},
                      TileCase{140, 0, 130, 130, 15, "v0.bmp"}, TileCase{0, 140, 130, 130, 15, "v0.bmp"},
                      // ... and the four corners 9 .. 12.
                      TileCase{130, 0, 140, 130, 15, "v0.bmp"}, TileCase{130, 140, 0, 130, 15, "v0.bmp"},
                      TileCase{130, 0, 130, 140, 15, "v0.bmp"}, TileCase{130, 140, 130, 0, 15, "v0.bmp"},
                      TileCase{0, 130, 140, 130, 15, "v0.bmp"}, TileCase{140, 130, 0, 130, 15, "v0.bmp"},
                      TileCase{0, 130, 130, 140, 15, "v0.bmp"}, TileCase{140, 130, 130, 0, 15, "v0.bmp"},
                      // Analog only: prefix "r"; one digital side removes it.
                      TileCase{5, 5, 7, 7, 4, "rv12.bmp"}, TileCase{5, 5, 130, 130, 4, "v12.bmp"},
                      TileCase{5, 0, 0, 5, 9, "rv3.bmp"}, TileCase{127, 9, 9, 127, 13, "rV13.bmp"},
                      // No side at all satisfies the first corner rule.
                      TileCase{0, 0, 0, 0, 9, "rv3.bmp"}));

} // namespace
} // namespace veltra::core
