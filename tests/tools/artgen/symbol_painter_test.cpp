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

} // namespace
} // namespace veltra::artgen
