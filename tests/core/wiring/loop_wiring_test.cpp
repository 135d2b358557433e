#include "core/wiring/loop_wiring.h"

#include "core/util/error.h"

#include "field_compare.h"
#include "loop_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

namespace veltra::core {
namespace {

using testing::sameField;
using testing::setRect;
constexpr int kLoop = 3;

class LoopWiringTest : public ::testing::TestWithParam<RouterKind> {
protected:
  static void SetUpTestSuite() { s_project = std::make_unique<Project>(); }
  static void TearDownTestSuite() { s_project.reset(); }
  LoopWiringTest() : p(*s_project), wiring(GetParam()) { p.clearLoop(kLoop); }

  void place(int col, int row, char letter) { ASSERT_TRUE(testing::placeWithDefaults(p, kLoop, col, row, letter)); }
  void connect(bool analog, int n, int srcCol, int srcRow, int dstCol, int dstRow) {
    ASSERT_TRUE(addDestination(p, kLoop, analog, n, srcCol, srcRow, dstCol, dstRow));
  }
  // Routes the loop; `expected` starts as the field of the modules alone.
  void rebuild() {
    BildeBelegung(p, kLoop, expected);
    BildeBelegung(p, kLoop, field);
    summary = BildeWireArray(p, kLoop, field, wiring);
  }

  static inline std::unique_ptr<Project> s_project;
  Project& p;
  TWiring wiring;
  WireField field, expected;
  RouteSummary summary;
};

// A module of height three blocks its 5 x 15 sub-cells; of the cells a
// damaged file could leave, only the digit at (7, 7) blocks.
TEST_P(LoopWiringTest, BelegungBlocksModulesAndSkipsDamagedCells) {
  place(6, 1, 'R');
  const std::tuple<int, int, char, int, int> damaged[] = {{3, 12, 'R', 5, 1}, {5, 0, 'G', 0, 1}, {14, 14, 'W', 255, 1},
                                                          {9, 9, 'G', 1, 2},  {7, 7, '7', 1, 1}, {11, 11, 'a', 1, 1}};
  for (auto [col, row, letter, height, part] : damaged) {
    TCell& c = p.cell(kLoop, col, row);
    c.letter = static_cast<std::uint8_t>(letter);
    c.height = static_cast<std::uint8_t>(height);
    c.part = static_cast<std::uint8_t>(part);
  }
  field.at(2, 2) = {kWire, 1, 1, 0, 0}; // whatever the field held is cleared
  BildeBelegung(p, kLoop, field);
  setRect(expected, 30, 34, 5, 19, {kBlocked, 0, 0, 0, 0});
  setRect(expected, 35, 39, 35, 39, {kBlocked, 0, 0, 0, 0});
  EXPECT_TRUE(sameField(field, expected));
}

// Analog connection n gets id n, digital n gets n + 128; the end sub-cells
// (15, 17) and (19, 17) get their outer sides from FindeWeg.
TEST_P(LoopWiringTest, StraightLineAlongRow17) {
  for (bool analog : {true, false}) {
    p.clearLoop(kLoop);
    place(2, 3, analog ? 'E' : 'I');
    place(4, 3, analog ? 'A' : 'T');
    connect(analog, analog ? 7 : 5, 2, 3, 4, 3);
    rebuild();
    EXPECT_EQ(summary.routed(), 1);
    const std::uint8_t id = analog ? 7 : 133;
    setRect(expected, 15, 19, 17, 17, {kWire, id, id, 0, 0});
    EXPECT_TRUE(sameField(field, expected)) << analog;
  }
}

TEST_P(LoopWiringTest, SecondDestinationBranchesOffTheFirstLine) {
  place(2, 3, 'E');
  place(6, 3, 'G');
  place(6, 5, 'G');
  connect(true, 7, 2, 3, 6, 3);
  connect(true, 7, 2, 3, 6, 5);
  rebuild();
  EXPECT_EQ(summary.routed(), 2);
  setRect(expected, 15, 29, 17, 17, {kWire, 7, 7, 0, 0});
  expected.at(29, 17).bottom = 7;
  setRect(expected, 29, 29, 18, 26, {kWire, 0, 0, 7, 7});
  expected.at(29, 27) = {kWire, 0, 7, 0, 7};
  EXPECT_TRUE(sameField(field, expected));
}

TEST_P(LoopWiringTest, LinesOfTwoConnectionsCross) {
  place(2, 3, 'E');
  place(6, 3, 'G');
  place(3, 1, 'E');
  place(4, 5, 'A');
  connect(true, 7, 2, 3, 6, 3);
  connect(true, 9, 3, 1, 4, 5);
  rebuild();
  EXPECT_EQ(summary.routed(), 2);
  EXPECT_EQ(field.at(20, 17), (TWireCell{kWire, 7, 7, 9, 9})) << dumpWireFieldRegion(field, 14, 5, 30, 28);
  // 9 leaves its source to the right and enters its input from the left;
  // 7 keeps row 17 to itself.
  EXPECT_EQ(field.at(20, 7).left, 9);
  EXPECT_EQ(field.at(19, 27).right, 9);
  for (int i = 15; i <= 29; ++i)
    EXPECT_TRUE(field.at(i, 17).left == 7 && field.at(i, 17).right == 7) << i;
}

// Ends outside the grid (a damaged file) and inputs in column 0 are never
// routed; a slot after free ones is; a doubled destination fails check 4.
TEST_P(LoopWiringTest, DestinationSlotsAsAFileMayHoldThem) {
  place(2, 3, 'E');
  place(4, 3, 'A');
  auto wire = [](TWire& w, TWireEnd src, std::initializer_list<TWireEnd> dests) {
    w.clear(), w.src = src, std::copy(dests.begin(), dests.end(), w.dest);
  };
  wire(p.XWires[kLoop][4], {15, 3}, {{4, 3}});
  wire(p.XWires[kLoop][5], {2, -1}, {{4, 3}});
  wire(p.YWires[kLoop][6], {2, 3}, {{15, 3}, {4, 15}, {4, -7}, {2147483647, 3}, {-2147483647 - 1, 3}});
  rebuild();
  EXPECT_EQ(summary.calls(), 0);
  EXPECT_TRUE(sameField(field, expected));
  wire(p.XWires[kLoop][2], {2, 3}, {{0, 3}, {-1, -1}, {-1, -1}, {4, 3}, {-1, -1}, {4, 3}});
  rebuild();
  EXPECT_EQ(summary.calls(), 2);
  EXPECT_EQ(summary.routed(), 1);
  EXPECT_EQ(summary.byCode[kWegTargetTaken], 1);
}

TEST_P(LoopWiringTest, LoopNumberOutsideRangeThrows) {
  EXPECT_THROW(BildeBelegung(p, 0, field), Error);
  EXPECT_THROW(BildeWireArray(p, kLoops + 1, field, wiring), Error);
}

INSTANTIATE_TEST_SUITE_P(Routers, LoopWiringTest, ::testing::Values(RouterKind::Fast, RouterKind::Literal),
                         [](const auto& info) { return info.param == RouterKind::Fast ? "Fast" : "Literal"; });

} // namespace
} // namespace veltra::core
