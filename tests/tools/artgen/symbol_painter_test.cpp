#include "symbol_painter.h"

#include "bmp_test_reader.h"
#include "modules/catalogue.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace veltra::artgen {
namespace {

// Lines run between the middles of cell edges: row k's port line is y = 35 (k - 1) + 17.
int portLine(int row) { return 35 * (row - 1) + 17; }

Rgb kindColour(core::PortKind kind) { return core::isAnalog(kind) ? kAnalogRed : kBlack; }

// The port of the given side on module row `row`, nullptr when there is none.
const core::PortDef* portAt(const core::ModuleType& t, int row, bool input) {
  for (const core::PortDef& p : t.ports)
    if (p.row == row && core::isInput(p.kind) == input) return &p;
  return nullptr;
}

std::vector<std::pair<const DesignStyle*, char>> allSymbols() {
  std::vector<std::pair<const DesignStyle*, char>> cases;
  for (const DesignStyle* style : allDesigns())
    for (const core::ModuleType& t : core::allModuleTypes())
      cases.emplace_back(style, t.letter);
  return cases;
}

class EverySymbol : public ::testing::TestWithParam<std::pair<const DesignStyle*, char>> {
protected:
  const core::ModuleType& t = *core::moduleType(GetParam().second);
  const DesignStyle& style = *GetParam().first;
};

// A wrong or missing mark suggests a port the module lacks; off port lines the outer columns stay white.
TEST_P(EverySymbol, PortMarksExactlyOnTheCatalogueRows) {
  for (bool inverted : {false, true}) {
    const Image img = paintModuleSymbol(t, inverted, style);
    ASSERT_TRUE(img.width() == 35 && img.height() == 35 * t.height);
    for (int y = 0; y < img.height(); ++y) {
      const int row = y / 35 + 1, distance = std::abs(y - portLine(row));
      for (const bool input : {true, false}) {
        const core::PortDef* port = portAt(t, row, input);
        const Rgb edge = img.pixel(input ? 0 : 34, y);
        if (distance == 0 || distance > 3 || !port) {
          EXPECT_EQ(edge, distance == 0 && port ? kindColour(port->kind) : kWhite)
              << t.letter << " y " << y << " " << input;
        }
      }
    }
  }
}

TEST_P(EverySymbol, LabelAreaStaysWhite) {
  // Signal number from (10, 16), a constant's number from (10, 13) and value from (4, 24); output mark right of 27.
  const Image img = paintModuleSymbol(t, false, style);
  const bool constant = t.label == core::SymbolLabel::Constant;
  for (int y = constant ? 13 : 16; y <= 27; ++y)
    for (int x = 10; x <= 27; ++x)
      ASSERT_EQ(img.pixel(x, y), kWhite) << t.letter << " (" << x << ", " << y << ")";
  for (int y = 24; constant && y <= 34 - style.borderWidth; ++y)
    for (int x = 3 + style.borderWidth; x <= 27; ++x)
      ASSERT_EQ(img.pixel(x, y), kWhite) << t.letter << " value (" << x << ", " << y << ")";
}

TEST_P(EverySymbol, InvertedSymbolDiffersOnlyByHollowCirclesAtTheOutputs) {
  const Image plain = paintModuleSymbol(t, false, style), inv = paintModuleSymbol(t, true, style);
  int differing = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < 35; ++x) {
      if (plain.pixel(x, y) == inv.pixel(x, y)) continue;
      ++differing;
      const int row = y / 35 + 1;
      EXPECT_TRUE(x >= 27 && std::abs(y - portLine(row)) <= 3 && portAt(t, row, false))
          << t.letter << " " << x << "," << y;
    }
  EXPECT_EQ(differing > 0, t.flagOffset >= 0) << t.letter << ": inverted look without inversion flag or vice versa";
  if (t.flagOffset < 0) return;
  const Rgb ink = kindColour(portAt(t, 1, false)->kind);
  const int cx = 34 - style.bubbleRadius, r = style.bubbleRadius; // hollow: white inside
  EXPECT_TRUE(inv.pixel(cx, 17) == kWhite && inv.pixel(cx, 17 - r) == ink && inv.pixel(cx, 17 + r) == ink);
}

INSTANTIATE_TEST_SUITE_P(Symbols, EverySymbol, ::testing::ValuesIn(allSymbols()), [](const auto& info) {
  return std::string(info.param.first->folder) + "_" + info.param.second;
});

TEST(SymbolPainter, DigitSymbolsArePortlessAndAllDifferent) {
  for (const DesignStyle* style : allDesigns()) {
    std::vector<Image> digits;
    for (char d = '0'; d <= '9'; ++d) {
      const Image img = paintDigitSymbol(d, *style);
      ASSERT_TRUE(img.width() == 35 && img.height() == 35);
      int ink = 0;
      for (int y = 0; y < 35; ++y) {
        EXPECT_TRUE(img.pixel(0, y) == kWhite && img.pixel(34, y) == kWhite) << d << " " << y;
        for (int x = 6; x <= 28; ++x)
          ink += y >= 6 && y <= 28 && img.pixel(x, y) == style->digitColor ? 1 : 0;
      }
      EXPECT_GT(ink, 20) << d;
      for (const Image& other : digits)
        EXPECT_FALSE(testing::sameImage(img, other)) << d << " looks like another digit";
      digits.push_back(img);
    }
  }
  EXPECT_THROW(paintDigitSymbol('A', standardDesign()), core::Error);
}

} // namespace
} // namespace veltra::artgen
