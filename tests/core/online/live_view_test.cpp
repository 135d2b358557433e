#include "core/online/live_view.h"

#include "tests/core/compiler/compiler_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace veltra::core {
namespace {

using test_support::newProject;

class LiveViewTest : public ::testing::Test {
protected:
  // A cell of loop 2 with a letter and its signal number, the rest zero.
  TCell& cell(int col, int row, char letter, std::int32_t n = 0, int part = 1) {
    TCell& c = p->cell(2, col, row);
    c.clear();
    c.letter = static_cast<std::uint8_t>(letter);
    c.height = 1;
    c.part = static_cast<std::uint8_t>(part);
    c.setI32(0, n);
    return c;
  }
  void putDouble(std::size_t off, double v) { std::memcpy(bytes.data() + off, &v, sizeof v); }
  std::optional<std::string> text(int col, int row) const { return liveText(*p, 2, col, row, block); }

  std::unique_ptr<Project> p = newProject();
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kServerBlockSize, 0);
  ServerBlock block{bytes};
};

// Offsets from the block's layout written by hand: the text shows which slot
// was read.
TEST_F(LiveViewTest, SignalModulesShowTheirSignalOrTheirConnection) {
  cell(1, 1, 'E', 5);
  putDouble(16 + 8 * 5, 21.456);
  EXPECT_EQ(text(1, 1), "21.46");
  p->cell(2, 1, 1).XA = 3;
  putDouble(81976 + 8 * 103, 12345.678);
  EXPECT_EQ(text(1, 1), "12345.70") << "wired, E shows connection 3 of loop 2";

  cell(3, 1, 'A', 2);
  putDouble(2072 + 16, -0.5);
  EXPECT_EQ(text(3, 1), "-0.50");
  cell(5, 1, 'H', 256);
  putDouble(4128 + 8 * 256, 1e7);
  EXPECT_EQ(text(5, 1), "1.00000E+007");
  cell(7, 1, 'V', 9216);
  putDouble(8240 + 8 * 9216, 3);
  EXPECT_EQ(text(7, 1), "3.00");
}

TEST_F(LiveViewTest, ConstantComesFromTheBlockNotFromTheProject) {
  TCell& f = cell(1, 2, 'F', 7);
  f.XA = 4; // an F shows its signal even when wired
  p->FWert[7] = 1.5;
  putDouble(6184 + 8 * 7, 3.5);
  putDouble(81976 + 8 * 104, 99.0);
  EXPECT_EQ(text(1, 2), "3.50");
}

TEST_F(LiveViewTest, BitSignalsInvertedOnlyWhenNotWired) {
  TCell& i = cell(1, 3, 'I', 1);
  i.setU8(4, 1);
  EXPECT_EQ(text(1, 3), "1") << "inverted I 1 with byte 262243 = 0";
  bytes[262243] = 7;
  EXPECT_EQ(text(1, 3), "0");
  i.YA = 2;
  bytes[241984 + 102] = 1;
  EXPECT_EQ(text(1, 3), "1") << "a connected output is shown as it is";

  cell(3, 3, 'M', 256);
  bytes[261985 + 256] = 1;
  EXPECT_EQ(text(3, 3), "1");
  cell(5, 3, 'Q', 3);
  EXPECT_EQ(text(5, 3), "0");
  cell(7, 3, 'S', 32);
  bytes[502760 + 32] = 1;
  EXPECT_EQ(text(7, 3), "1");
}

TEST_F(LiveViewTest, FunctionModulesShowOnlyAConnectedOutput) {
  TCell& u = cell(1, 4, 'U');
  EXPECT_EQ(text(1, 4), std::nullopt) << "U without output connection";
  u.YA = 100;
  bytes[241984 + 200] = 1;
  EXPECT_EQ(text(1, 4), "1");
  TCell& r = cell(3, 4, 'R');
  EXPECT_EQ(text(3, 4), std::nullopt);
  r.XA = 1;
  putDouble(81976 + 8 * 101, 0.004);
  EXPECT_EQ(text(3, 4), "0.00");
  cell(5, 4, '5');
  EXPECT_EQ(text(5, 4), std::nullopt) << "a digit cell shows nothing";
}

// Rows 1 and 2 of J are bits, the others analog, each from its own row.
TEST_F(LiveViewTest, JShowsBitsInItsFirstTwoRowsAndValuesBelow) {
  for (int part = 1; part <= 5; ++part) {
    TCell& j = cell(4, 5 + part - 1, 'J', 0, part);
    j.height = 5;
    j.XA = 10 + part;
    j.YA = 20 + part;
    bytes[241984 + 100 + 20 + static_cast<std::size_t>(part)] = part == 2 ? 1 : 0;
    putDouble(81976 + 8 * (100 + 10 + static_cast<std::size_t>(part)), part * 1.25);
  }
  p->cell(2, 4, 9).XA = 0;
  EXPECT_EQ(text(4, 5), "0");
  EXPECT_EQ(text(4, 6), "1");
  EXPECT_EQ(text(4, 7), "3.75");
  EXPECT_EQ(text(4, 8), "5.00");
  EXPECT_EQ(text(4, 9), std::nullopt) << "row 5 without connection";
}

TEST_F(LiveViewTest, OutOfRangeNumbersAddressNothing) {
  cell(1, 6, 'E', 0);
  cell(3, 6, 'E', 257);
  cell(5, 6, 'S', 33);
  cell(7, 6, 'I', -1);
  cell(9, 6, 'B').XA = 101;
  cell(11, 6, 'E', 1).XA = 101;
  bytes.assign(bytes.size(), 0xFF); // every byte on, every double NaN
  for (int col : {1, 3, 5, 7, 9, 11})
    EXPECT_EQ(text(col, 6), std::nullopt) << col;
}

TEST_F(LiveViewTest, NotANumberIsShownAsText) {
  cell(1, 7, 'E', 1);
  cell(3, 7, 'E', 2);
  cell(5, 7, 'E', 3);
  putDouble(24, std::numeric_limits<double>::quiet_NaN());
  putDouble(32, std::numeric_limits<double>::infinity());
  putDouble(40, -std::numeric_limits<double>::infinity());
  EXPECT_EQ(text(1, 7), "NAN");
  EXPECT_EQ(text(3, 7), "INF");
  EXPECT_EQ(text(5, 7), "-INF");
}

TEST_F(LiveViewTest, CellsInDrawingOrder) {
  cell(5, 0, 'E', 1);
  cell(1, 9, 'E', 2);
  cell(1, 2, 'U'); // nothing to show
  cell(1, 3, 'I', 4);
  const std::vector<LiveCell> cells = liveTexts(*p, 2, block);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[0].col * 100 + cells[0].row, 103);
  EXPECT_EQ(cells[1].col * 100 + cells[1].row, 109);
  EXPECT_EQ(cells[2].col * 100 + cells[2].row, 500);
  EXPECT_EQ(cells[0].text, "0");
  EXPECT_TRUE(liveTexts(*p, 1, block).empty());
}

TEST(OnlineTarget, ValueOrBitOfTheSignalNumber) {
  TCell c{};
  c.clear();
  const struct {
    char letter;
    std::int32_t n;
    bool found;
    bool isBit;
    BlockArea area;
  } cases[] = {{'E', 5, true, false, BlockArea::E},  {'A', 256, true, false, BlockArea::A},
               {'F', 7, true, false, BlockArea::F},  {'H', 1, true, false, BlockArea::H},
               {'I', 1, true, true, BlockArea::I},   {'M', 9, true, true, BlockArea::M},
               {'Q', 3, true, true, BlockArea::Q},   {'S', 32, true, true, BlockArea::S},
               {'S', 33, false, true, BlockArea::S}, {'E', 0, false, false, BlockArea::E},
               {'V', 3, false, false, BlockArea::V}, {'R', 1, false, false, BlockArea::E}};
  for (const auto& k : cases) {
    c.letter = static_cast<std::uint8_t>(k.letter);
    c.setI32(0, k.n);
    const std::optional<OnlineTarget> t = onlineTarget(c);
    ASSERT_EQ(t.has_value(), k.found) << k.letter << k.n;
    if (!t) continue;
    EXPECT_EQ(t->isBit, k.isBit) << k.letter;
    EXPECT_EQ(t->area, k.area) << k.letter;
    EXPECT_EQ(t->n, k.n) << k.letter;
  }
}

} // namespace
} // namespace veltra::core
