#include "tools/artgen/symbol_painter.h"

#include "core/modules/catalogue.h"
#include "core/util/error.h"
#include "tests/tools/bmp_test_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace veltra::artgen {
namespace {

// A symbol of the wrong height, or a port mark off its catalogue row, misplaces every wire end at it.
TEST(SymbolPainter, SizeAndPortMarksFollowTheCatalogue) {
  for (const DesignStyle* style : allDesigns())
    for (const core::ModuleType& t : core::allModuleTypes())
      for (const bool inverted : {false, true}) {
        const Image img = paintModuleSymbol(t, inverted, *style);
        ASSERT_TRUE(img.width() == 35 && img.height() == 35 * t.height) << t.letter;
        for (int row = 1; row <= t.height; ++row)
          for (const bool input : {true, false}) {
            Rgb expected = kWhite; // at the middle of the cell edge, where the wire arrives
            for (const core::PortDef& p : t.ports)
              if (p.row == row && core::isInput(p.kind) == input)
                expected = core::isAnalog(p.kind) ? kAnalogRed : kBlack;
            EXPECT_EQ(img.pixel(input ? 0 : 34, 35 * (row - 1) + 17), expected)
                << style->folder << " " << t.letter << " row " << row << (input ? " in" : " out");
          }
      }
  for (const DesignStyle* style : allDesigns())
    for (char d = '0'; d <= '9'; ++d) {
      const Image img = paintDigitSymbol(d, *style);
      EXPECT_TRUE(img.width() == 35 && img.height() == 35 && img.pixel(0, 17) == kWhite) << d;
      EXPECT_FALSE(d > '0' && testing::sameImage(img, paintDigitSymbol(static_cast<char>(d - 1), *style))) << d;
    }
  EXPECT_THROW(paintDigitSymbol('A', standardDesign()), core::Error);
}

// The program's error frame runs along columns 0 and 30 and rows 0 and 30 of
// the top cell. The box lies inside it: on the frame's columns only the port
// marks cross, on its top row nothing, on its bottom row nothing for a
// symbol of one cell (a constant's box holds its value below that row);
// and the box starts right inside the frame.
TEST(SymbolPainter, BoxLiesInsideTheErrorFrame) {
  for (const DesignStyle* style : allDesigns())
    for (const core::ModuleType& t : core::allModuleTypes())
      for (const bool inverted : {false, true}) {
        const Image img = paintModuleSymbol(t, inverted, *style);
        const std::string what = std::string(style->folder) + " " + t.letter + (inverted ? " inverted" : "");
        for (int y = 0; y <= 30; ++y) {
          const bool portRow = y >= 17 - 3 && y <= 17 + 3;
          if (!portRow) {
            EXPECT_EQ(img.pixel(0, y), kWhite) << what << " y " << y;
            EXPECT_EQ(img.pixel(30, y), kWhite) << what << " y " << y;
          }
        }
        for (int x = 0; x <= 30; ++x) {
          EXPECT_EQ(img.pixel(x, 0), kWhite) << what << " x " << x;
          if (t.height == 1 && t.label != core::SymbolLabel::Constant) {
            EXPECT_EQ(img.pixel(x, 30), kWhite) << what << " x " << x;
          }
        }
        EXPECT_NE(img.pixel(1, 8), kWhite) << what;  // the box's left side
        EXPECT_NE(img.pixel(29, 8), kWhite) << what; // its right side
      }
  for (const DesignStyle* style : allDesigns())
    for (char d = '0'; d <= '9'; ++d) {
      const Image img = paintDigitSymbol(d, *style);
      for (int k = 0; k <= 30; ++k)
        EXPECT_TRUE(img.pixel(0, k) == kWhite && img.pixel(30, k) == kWhite && img.pixel(k, 0) == kWhite &&
                    img.pixel(k, 30) == kWhite)
            << style->folder << " " << d << " at " << k;
    }
}

// The program writes the labels into white: one line from (10, 16), a
// constant's two from (10, 13) and (4, 24).
TEST(SymbolPainter, LabelAreasStayWhite) {
  for (const DesignStyle* style : allDesigns())
    for (const core::ModuleType& t : core::allModuleTypes()) {
      if (t.label == core::SymbolLabel::None) continue;
      const Image img = paintModuleSymbol(t, false, *style);
      const bool constant = t.label == core::SymbolLabel::Constant;
      const int top = constant ? 13 : 16, bottom = constant ? 32 : 27;
      for (int y = top; y <= bottom; ++y)
        for (int x = constant && y >= 24 ? 4 : 10; x <= 26; ++x)
          EXPECT_EQ(img.pixel(x, y), kWhite) << style->folder << " " << t.letter << " at " << x << ", " << y;
    }
}

} // namespace
} // namespace veltra::artgen
