#include "tools/artgen/tile_painter.h"

#include "core/util/error.h"

#include <gtest/gtest.h>

#include <string>

namespace veltra::artgen {
namespace {

// Sides each tile reaches (L R T B); a wrong side leaves a gap or a stub where tiles meet.
const char* const kSides[kTileCount] = {"",    "LR",  "TB",  "LT",   "RT",   "LB",   "RB",  "LRB",
                                        "LRT", "LTB", "RTB", "LRTB", "LRTB", "LRTB", "LRTB"};

TEST(TilePainter, OnlyTheEdgeMiddlesOfItsSidesAreInked) {
  for (int n = 0; n < kTileCount; ++n)
    for (const bool analog : {false, true}) {
      const Image img = paintTile(n, analog);
      ASSERT_TRUE(img.width() == 7 && img.height() == 7) << n;
      for (int k = 0; k < 7; ++k)
        for (const auto& [side, x, y] : {std::tuple{'L', 0, k}, {'R', 6, k}, {'T', k, 0}, {'B', k, 6}}) {
          const bool inked = k == 3 && std::string(kSides[n]).find(side) != std::string::npos;
          EXPECT_EQ(img.pixel(x, y), inked ? (analog ? kAnalogRed : kBlack) : kWhite) << n << analog << side << k;
        }
    }
  EXPECT_THROW(paintTile(15, false), core::Error);
  EXPECT_THROW(paintTile(-1, true), core::Error);
}

} // namespace
} // namespace veltra::artgen
