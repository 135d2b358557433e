#include "symbol_painter.h"

#include "modules/catalogue.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace veltra::artgen {
namespace {

using core::PortKind;

// The grid draws a line from the middle of a cell's right edge to the
// middle of another cell's left edge: row k of a module has its port line at
// y = 35 (k - 1) + 17.
constexpr int kPortLine = 17;

Rgb kindColour(PortKind kind) { return core::isAnalog(kind) ? kAnalogRed : kBlack; }

// The port of the given side on module row `row`, nullptr when there is none.
const core::PortDef* portAt(const core::ModuleType& t, int row, bool input) {
  for (const core::PortDef& p : t.ports)
    if (p.row == row && core::isInput(p.kind) == input) return &p;
  return nullptr;
}

struct SymbolCase {
  const DesignStyle* style;
  char letter;
};

std::vector<SymbolCase> allSymbolCases() {
  std::vector<SymbolCase> cases;
  for (const DesignStyle* style : allDesigns())
    for (const core::ModuleType& t : core::allModuleTypes())
      cases.push_back({style, t.letter});
  return cases;
}

class EverySymbol : public ::testing::TestWithParam<SymbolCase> {
protected:
  const core::ModuleType& type() const { return *core::moduleType(GetParam().letter); }
  const DesignStyle& style() const { return *GetParam().style; }
};

TEST_P(EverySymbol, IsOneCellWideAndAsTallAsTheModule) {
  for (bool inverted : {false, true}) {
    const Image img = paintModuleSymbol(type(), inverted, style());
    EXPECT_EQ(img.width(), 35);
    EXPECT_EQ(img.height(), 35 * type().height);
  }
}

TEST_P(EverySymbol, PortMarksOnExactlyTheCatalogueRows) {
  const core::ModuleType& t = type();
  const Image img = paintModuleSymbol(t, false, style());
  for (int row = 1; row <= t.height; ++row) {
    const int y = 35 * (row - 1) + kPortLine;
    const core::PortDef* in = portAt(t, row, true);
    const core::PortDef* out = portAt(t, row, false);
    EXPECT_EQ(img.pixel(0, y), in ? kindColour(in->kind) : kWhite) << t.letter << " row " << row << " left";
    EXPECT_EQ(img.pixel(34, y), out ? kindColour(out->kind) : kWhite) << t.letter << " row " << row << " right";
  }
}

TEST_P(EverySymbol, EdgesCarryNothingButPortMarks) {
  // Away from a port line the outermost columns stay white, so a mark never
  // suggests a port on the wrong row.
  const core::ModuleType& t = type();
  for (bool inverted : {false, true}) {
    const Image img = paintModuleSymbol(t, inverted, style());
    for (int y = 0; y < img.height(); ++y) {
      const int row = y / 35 + 1;
      const bool nearLine = std::abs(y - (35 * (row - 1) + kPortLine)) <= 3;
      if (!nearLine || !portAt(t, row, true)) {
        EXPECT_EQ(img.pixel(0, y), kWhite) << t.letter << " y " << y;
      }
      if (!nearLine || !portAt(t, row, false)) {
        EXPECT_EQ(img.pixel(34, y), kWhite) << t.letter << " y " << y;
      }
    }
  }
}

TEST_P(EverySymbol, LabelAreaStaysWhite) {
  // The program writes the signal number from (10, 16), a constant's number
  // from (10, 13) and its value from (4, 24); nothing of the symbol may lie
  // under that text. Right of x = 27 the output mark begins.
  const core::ModuleType& t = type();
  const Image img = paintModuleSymbol(t, false, style());
  const bool constant = t.label == core::SymbolLabel::Constant;
  const int top = constant ? 13 : 16;
  for (int y = top; y <= 27; ++y)
    for (int x = 10; x <= 27; ++x)
      ASSERT_EQ(img.pixel(x, y), kWhite) << t.letter << " (" << x << ", " << y << ")";
  if (constant) {
    const int inner = style().borderWidth;
    for (int y = 24; y <= 34 - inner; ++y)
      for (int x = 3 + inner; x <= 27; ++x)
        ASSERT_EQ(img.pixel(x, y), kWhite) << t.letter << " value (" << x << ", " << y << ")";
  }
}

TEST_P(EverySymbol, InvertedSymbolDiffersOnlyAtTheOutputs) {
  const core::ModuleType& t = type();
  const Image plain = paintModuleSymbol(t, false, style());
  const Image inv = paintModuleSymbol(t, true, style());
  int differing = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < 35; ++x) {
      if (plain.pixel(x, y) == inv.pixel(x, y)) continue;
      ++differing;
      const int row = y / 35 + 1;
      EXPECT_GE(x, 27) << t.letter;
      EXPECT_LE(std::abs(y - (35 * (row - 1) + kPortLine)), 3) << t.letter;
      EXPECT_NE(portAt(t, row, false), nullptr) << t.letter;
    }
  if (t.flagOffset >= 0)
    EXPECT_GT(differing, 0) << t.letter << " has an inversion flag but no inverted look";
  else
    EXPECT_EQ(differing, 0) << t.letter << " has no inversion flag";
}

TEST_P(EverySymbol, HeaderBandCarriesTheLetter) {
  // The band is one colour except where the letter is: the letter makes a
  // second colour appear in the header rows.
  const Image img = paintModuleSymbol(type(), false, style());
  const Rgb band = style().bandColors[static_cast<std::size_t>(moduleFamily(type()))];
  int bandPixels = 0, letterPixels = 0;
  for (int y = 0; y <= style().bandBottom; ++y)
    for (int x = 10; x <= 24; ++x) {
      if (img.pixel(x, y) == band) ++bandPixels;
      if (img.pixel(x, y) == style().letterStyle.color) ++letterPixels;
    }
  EXPECT_GT(bandPixels, 40);
  EXPECT_GT(letterPixels, 8);
}

INSTANTIATE_TEST_SUITE_P(Symbols, EverySymbol, ::testing::ValuesIn(allSymbolCases()), [](const auto& info) {
  return std::string(info.param.style->folder) + "_" + info.param.letter;
});

std::vector<SymbolCase> invertibleSymbolCases() {
  std::vector<SymbolCase> cases;
  for (const SymbolCase& c : allSymbolCases())
    if (core::moduleType(c.letter)->flagOffset >= 0) cases.push_back(c);
  return cases;
}

class InvertibleSymbol : public EverySymbol {};

TEST_P(InvertibleSymbol, CircleIsHollowAndStillMeetsTheLine) {
  const core::ModuleType& t = type();
  const Image img = paintModuleSymbol(t, true, style());
  const core::PortDef* out = portAt(t, 1, false);
  ASSERT_NE(out, nullptr);
  const int cx = 34 - style().bubbleRadius;
  EXPECT_EQ(img.pixel(cx, kPortLine), kWhite);
  EXPECT_EQ(img.pixel(34, kPortLine), kindColour(out->kind));
  EXPECT_EQ(img.pixel(cx, kPortLine - style().bubbleRadius), kindColour(out->kind));
  EXPECT_EQ(img.pixel(cx, kPortLine + style().bubbleRadius), kindColour(out->kind));
}

INSTANTIATE_TEST_SUITE_P(Symbols, InvertibleSymbol, ::testing::ValuesIn(invertibleSymbolCases()), [](const auto& info) {
  return std::string(info.param.style->folder) + "_" + info.param.letter;
});

TEST(SymbolPainter, FileNames) {
  EXPECT_EQ(symbolFileName('R', false), "ModR.bmp");
  EXPECT_EQ(symbolFileName('I', true), "IModI.bmp");
  EXPECT_EQ(symbolFileName('7', false), "Mod7.bmp");
}

TEST(SymbolPainter, FamiliesFollowThePorts) {
  EXPECT_EQ(moduleFamily(*core::moduleType('E')), ModuleFamily::Signal);
  EXPECT_EQ(moduleFamily(*core::moduleType('S')), ModuleFamily::Signal);
  EXPECT_EQ(moduleFamily(*core::moduleType('K')), ModuleFamily::Analog);
  EXPECT_EQ(moduleFamily(*core::moduleType('Z')), ModuleFamily::Threshold);
  EXPECT_EQ(moduleFamily(*core::moduleType('N')), ModuleFamily::Threshold);
  EXPECT_EQ(moduleFamily(*core::moduleType('T')), ModuleFamily::Logic);
  EXPECT_EQ(moduleFamily(*core::moduleType('R')), ModuleFamily::Mixed);
  EXPECT_EQ(moduleFamily(*core::moduleType('W')), ModuleFamily::Mixed);
}

TEST(SymbolPainter, BandColoursAreNeverThePortRed) {
  for (const DesignStyle* style : allDesigns())
    for (const Rgb& c : style->bandColors)
      EXPECT_FALSE(c == kAnalogRed) << style->folder;
}

TEST(SymbolPainter, DigitSymbolIsAPlainCellWithItsOwnDigit) {
  for (const DesignStyle* style : allDesigns()) {
    std::vector<Image> digits;
    for (char d = '0'; d <= '9'; ++d) {
      const Image img = paintDigitSymbol(d, *style);
      ASSERT_EQ(img.width(), 35);
      ASSERT_EQ(img.height(), 35);
      for (int y = 0; y < 35; ++y) {
        EXPECT_EQ(img.pixel(0, y), kWhite) << d << " must have no port";
        EXPECT_EQ(img.pixel(34, y), kWhite) << d << " must have no port";
      }
      int ink = 0;
      for (int y = 6; y <= 28; ++y)
        for (int x = 6; x <= 28; ++x)
          if (img.pixel(x, y) == style->digitColor) ++ink;
      EXPECT_GT(ink, 20) << d;
      for (const Image& other : digits) {
        bool same = true;
        for (int y = 0; y < 35 && same; ++y)
          for (int x = 0; x < 35 && same; ++x)
            same = img.pixel(x, y) == other.pixel(x, y);
        EXPECT_FALSE(same) << d << " looks like another digit";
      }
      digits.push_back(img);
    }
  }
}

TEST(SymbolPainter, DigitsMustBeDigits) { EXPECT_THROW(paintDigitSymbol('A', standardDesign()), core::Error); }

} // namespace
} // namespace veltra::artgen
