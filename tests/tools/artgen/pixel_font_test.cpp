#include "pixel_font.h"

#include "util/error.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace veltra::artgen {
namespace {

class EveryFont : public ::testing::TestWithParam<const PixelFont& (*)()> {};

// Capitals and digits fill their height and stand on the baseline; no two
// glyphs look alike.
TEST_P(EveryFont, CapitalsAndDigitsStandOnTheBaselineAndNoGlyphsRepeat) {
  const PixelFont& font = GetParam()();
  for (char ch : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")) {
    const GlyphDef* g = font.glyph(ch);
    ASSERT_NE(g, nullptr) << ch;
    bool top = false, bottom = false;
    for (int col = 0; col < font.cellWidth(); ++col) {
      top = top || font.ink(*g, col, 0);
      bottom = bottom || font.ink(*g, col, font.capHeight() - 1);
      for (int row = font.capHeight(); row < font.cellHeight(); ++row)
        EXPECT_FALSE(font.ink(*g, col, row)) << ch << " has ink below the baseline";
    }
    EXPECT_TRUE(top && bottom) << ch;
  }
  std::set<std::string> seen;
  for (char ch = ' '; ch <= '~'; ++ch) {
    const GlyphDef* g = font.glyph(ch);
    if (!g) continue;
    std::string bits(g->bits);
    bits.resize(static_cast<std::size_t>(font.cellWidth() * font.cellHeight()), '.');
    EXPECT_TRUE(seen.insert(bits).second) << "'" << ch << "' repeats another glyph";
  }
}

INSTANTIATE_TEST_SUITE_P(Fonts, EveryFont, ::testing::Values(&smallFont, &boldFont));

TEST(PixelFont, WidthCountsSpacingBetweenButNotAfterAndMatchesTheInk) {
  EXPECT_EQ(textWidth("", smallFont()), 0);
  EXPECT_EQ(textWidth("A", smallFont()), 5);
  EXPECT_EQ(textWidth("Abc", smallFont()), 17);
  EXPECT_EQ(textWidth("Abc", smallFont(), {.bold = true}), 20);
  EXPECT_EQ(textWidth("V", boldFont(), {.scale = 2}), 16);
  Image img(40, 12);
  drawText(img, 2, 1, "L1", smallFont());
  int right = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == kBlack) right = std::max(right, x);
  EXPECT_EQ(right, 11);               // '1' is centred in its cell: 2 + 6 + 3
  EXPECT_EQ(img.pixel(2, 1), kBlack); // the stem of L
  EXPECT_EQ(img.pixel(6, 7), kBlack); // the foot of L
  // Only the small font has lower case, with descenders below the baseline.
  for (char ch = 'a'; ch <= 'z'; ++ch)
    ASSERT_NE(smallFont().glyph(ch), nullptr) << ch;
  bool descends = false;
  for (int col = 0; col < smallFont().cellWidth(); ++col)
    descends = descends || smallFont().ink(*smallFont().glyph('g'), col, 8);
  EXPECT_TRUE(descends);
}

TEST(PixelFont, BadGlyphsAndMissingCharactersAreErrors) {
  static constexpr GlyphDef shortRow[] = {{'A', "XX.X"}};        // 4 bits in a 3-wide cell
  static constexpr GlyphDef tooTall[] = {{'A', "XXX...XXX..."}}; // 4 rows in a 3-row cell
  EXPECT_THROW(PixelFont(3, 3, 2, 1, shortRow), core::Error);
  EXPECT_THROW(PixelFont(3, 3, 2, 1, tooTall), core::Error);
  Image img(20, 12);
  EXPECT_THROW(drawText(img, 0, 0, "Ä", smallFont()), core::Error);
  EXPECT_THROW(drawText(img, 0, 0, "a", boldFont()), core::Error);
}

} // namespace
} // namespace veltra::artgen
