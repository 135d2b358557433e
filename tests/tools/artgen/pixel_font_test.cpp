#include "tools/artgen/pixel_font.h"

#include "core/util/error.h"

#include <gtest/gtest.h>

#include <string>

namespace veltra::artgen {
namespace {

// Module letters, digits and "Abc" (the free-text tool) must exist and show ink in the fonts that draw them.
TEST(PixelFont, EveryCharacterTheArtworkDrawsHasInk) {
  for (const auto& [font, chars] : {std::pair{&smallFont(), std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789bc")},
                                    {&boldFont(), std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")}})
    for (const char ch : chars) {
      const GlyphDef* g = font->glyph(ch);
      ASSERT_NE(g, nullptr) << ch;
      bool ink = false;
      for (int row = 0; row < font->cellHeight(); ++row)
        for (int col = 0; col < font->cellWidth(); ++col)
          ink = ink || font->ink(*g, col, row);
      EXPECT_TRUE(ink) << ch;
    }
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
