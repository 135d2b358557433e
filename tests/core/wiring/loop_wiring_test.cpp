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

// The layouts below follow by hand from the step costs (10 a step, 2 along
// a line of the same connection, 5 more for a bend, 10 for a node reached
// again while open), the estimate 10 x distance and the order of the open
// list; other costs lay other lines.

// E at (2, 3) starts at (15, 17); the first input (14, 27) lies left of G
// (3, 5), below E. Every way down column 15, one step left and down column
// 14 costs 110 + 3 bends; the search runs down column 15 while the estimate
// holds and turns at its last free row, 24. The second input (19, 22) of G
// (4, 4) is then cheapest along that line: 7 + 4 x 2 down to (15, 22),
// 15 + 30 right, 60 in all, against 95 right along row 17 and down. Along
// the line at the cost of a plain step, right-then-down would win.
TEST_P(LoopWiringTest, BranchFollowsTheFirstLineWhereThatIsCheaper) {
  place(2, 3, 'E');
  place(3, 5, 'G');
  place(4, 4, 'G');
  connect(true, 1, 2, 3, 3, 5);
  connect(true, 1, 2, 3, 4, 4);
  rebuild();
  EXPECT_EQ(summary.routed(), 2);
  expected.at(15, 17) = {kWire, 1, 0, 1, 0};
  setRect(expected, 15, 15, 18, 23, {kWire, 0, 0, 1, 1});
  expected.at(15, 24) = {kWire, 1, 0, 0, 1};
  expected.at(14, 24) = {kWire, 0, 1, 1, 0};
  setRect(expected, 14, 14, 25, 26, {kWire, 0, 0, 1, 1});
  expected.at(14, 27) = {kWire, 0, 1, 0, 1};
  expected.at(15, 22).right = 1; // the branch
  setRect(expected, 16, 19, 22, 22, {kWire, 1, 1, 0, 0});
  EXPECT_TRUE(sameField(field, expected));
}

// G at (8, 3) starts at (45, 17); its first input (44, 22) lies left of G
// (9, 4), which touches G (8, 3) at a corner. The one way of 22 steps with
// three bends goes right along row 17, down column 50 and back along row 25.
// The second input (49, 32) lies left of G (10, 6). Down column 50 the
// search reaches (50, 25), where the line turns left: the step along it to
// (49, 25) (f 119) is taken before the plain one down to (50, 26) (f 122);
// from (49, 25) down, with a bend, (49, 26) gets g 64, f 124, so (50, 26)
// comes first and reaches (49, 26) again for 62: the branch turns at row 26.
// With a bend of 4 both would stand at 122 and the later, (49, 26) from
// (49, 25), would win.
TEST_P(LoopWiringTest, BranchPastACornerTakesTheNodeReachedAgainForLess) {
  place(8, 3, 'G');
  place(9, 4, 'G');
  place(10, 6, 'G');
  connect(true, 1, 8, 3, 9, 4);
  connect(true, 1, 8, 3, 10, 6);
  rebuild();
  EXPECT_EQ(summary.routed(), 2);
  setRect(expected, 45, 49, 17, 17, {kWire, 1, 1, 0, 0});
  expected.at(50, 17) = {kWire, 1, 0, 1, 0};
  setRect(expected, 50, 50, 18, 24, {kWire, 0, 0, 1, 1});
  expected.at(50, 25) = {kWire, 1, 0, 1, 1}; // the branch goes on down
  setRect(expected, 45, 49, 25, 25, {kWire, 1, 1, 0, 0});
  expected.at(44, 25) = {kWire, 0, 1, 0, 1};
  setRect(expected, 44, 44, 23, 24, {kWire, 0, 0, 1, 1});
  expected.at(44, 22) = {kWire, 0, 1, 1, 0};
  expected.at(50, 26) = {kWire, 1, 0, 0, 1};
  expected.at(49, 26) = {kWire, 0, 1, 1, 0};
  setRect(expected, 49, 49, 27, 31, {kWire, 0, 0, 1, 1});
  expected.at(49, 32) = {kWire, 0, 1, 0, 1};
  EXPECT_TRUE(sameField(field, expected));
}

// E at (7, 3) starts at (40, 17). The first input (14, 17), left of G (3,
// 3), is reached by the one way of 32 steps with three bends: down to row
// 20, along it, up column 14. The second input (24, 12), left of G (5, 2),
// lies up and left. Before the search follows the line, whose corner (40,
// 20) has f = 246 + bend cost (down 6 + bend, estimate 240), it spreads over
// the free field above E; along row 15 under G (5, 2) the nodes, entered
// with a fourth bend, have f = 230 + 4 x bend cost. With a bend of 5 (250
// against 251) they come first, so (24, 15) is closed when the line has led
// the branch up column 24: the branch goes up column 23 instead, reaches
// (24, 14) again from (23, 14) for the flat 10 and (24, 13) again from
// there. With a bend of 6 (254 against 252) the line comes first and the
// branch runs straight up column 24.
TEST_P(LoopWiringTest, SearchOverTheFreeFieldClosesTheBranchsWay) {
  place(7, 3, 'E');
  place(3, 3, 'G');
  place(5, 2, 'G');
  connect(true, 1, 7, 3, 3, 3);
  connect(true, 1, 7, 3, 5, 2);
  rebuild();
  EXPECT_EQ(summary.routed(), 2);
  expected.at(40, 17) = {kWire, 1, 0, 1, 0};
  setRect(expected, 40, 40, 18, 19, {kWire, 0, 0, 1, 1});
  expected.at(40, 20) = {kWire, 1, 0, 0, 1};
  setRect(expected, 15, 39, 20, 20, {kWire, 1, 1, 0, 0});
  expected.at(14, 20) = {kWire, 0, 1, 0, 1};
  setRect(expected, 14, 14, 18, 19, {kWire, 0, 0, 1, 1});
  expected.at(14, 17) = {kWire, 0, 1, 1, 0};
  expected.at(23, 20).top = 1; // the branch
  setRect(expected, 23, 23, 15, 19, {kWire, 0, 0, 1, 1});
  expected.at(23, 14) = {kWire, 0, 1, 1, 0};
  expected.at(24, 14) = {kWire, 1, 0, 0, 1};
  expected.at(24, 13) = {kWire, 0, 0, 1, 1};
  expected.at(24, 12) = {kWire, 0, 1, 1, 0};
  EXPECT_TRUE(sameField(field, expected));
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
