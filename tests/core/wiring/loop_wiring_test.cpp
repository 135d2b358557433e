#include "wiring/loop_wiring.h"

#include "util/error.h"
#include "wiring/wire_field_dump.h"

#include "core/wiring/field_compare.h"
#include "core/wiring/loop_builder.h"

#include <gtest/gtest.h>

#include <memory>

namespace veltra::core {
namespace {

using testing::placeWithDefaults;
using testing::sameField;
using testing::setColumn;
using testing::setRow;

constexpr int kLoop = 3;

// One project for the whole suite: it holds 15 MB of tables.
class LoopWiringTest : public ::testing::TestWithParam<RouterKind> {
protected:
  static void SetUpTestSuite() { s_project = std::make_unique<Project>(); }
  static void TearDownTestSuite() { s_project.reset(); }

  LoopWiringTest() : p(*s_project), wiring(GetParam()) { p.clearLoop(kLoop); }

  void place(int col, int row, char letter) { ASSERT_TRUE(placeWithDefaults(p, kLoop, col, row, letter)); }
  void connect(bool analog, int n, int srcCol, int srcRow, int dstCol, int dstRow) {
    ASSERT_TRUE(addDestination(p, kLoop, analog, n, srcCol, srcRow, dstCol, dstRow));
  }
  void rebuild() {
    BildeBelegung(p, kLoop, field);
    summary = BildeWireArray(p, kLoop, field, wiring);
  }
  // The field of the modules alone.
  WireField modulesOnly() const {
    WireField f;
    BildeBelegung(p, kLoop, f);
    return f;
  }

  static inline std::unique_ptr<Project> s_project;
  Project& p;
  TWiring wiring;
  WireField field;
  RouteSummary summary;
};

TEST_P(LoopWiringTest, BelegungOfHeightThreeModule) {
  place(6, 1, 'R');
  // Whatever the field held before is cleared.
  field.at(2, 2) = {kWire, 1, 1, 0, 0};
  field.at(74, 74) = {kBlocked, 0, 0, 0, 0};
  BildeBelegung(p, kLoop, field);
  WireField expected;
  for (int i = 30; i <= 34; ++i)
    setColumn(expected, i, 5, 19, {kBlocked, 0, 0, 0, 0});
  EXPECT_TRUE(sameField(field, expected));
}

TEST_P(LoopWiringTest, BelegungSkipsDamagedHeightsAndKeepsDigitCells) {
  // Written as a damaged file could leave them.
  TCell& tooTall = p.cell(kLoop, 3, 12);
  tooTall.letter = 'R';
  tooTall.height = 5;
  tooTall.part = 1;
  TCell& flat = p.cell(kLoop, 5, 0);
  flat.letter = 'G';
  flat.height = 0;
  flat.part = 1;
  TCell& huge = p.cell(kLoop, 14, 14);
  huge.letter = 'W';
  huge.height = 255;
  huge.part = 1;
  TCell& lower = p.cell(kLoop, 9, 9);
  lower.letter = 'G';
  lower.height = 1;
  lower.part = 2;
  TCell& digit = p.cell(kLoop, 7, 7);
  digit.letter = '7';
  digit.height = 1;
  digit.part = 1;
  TCell& other = p.cell(kLoop, 11, 11);
  other.letter = 'a';
  other.height = 1;
  other.part = 1;
  BildeBelegung(p, kLoop, field);
  WireField expected;
  TWiring::Belege(expected, 35, 35, 5, 5);
  EXPECT_TRUE(sameField(field, expected));
}

TEST_P(LoopWiringTest, StraightLineAlongRow17) {
  place(2, 3, 'E');
  place(4, 3, 'A');
  connect(true, 7, 2, 3, 4, 3);
  rebuild();
  EXPECT_EQ(summary.routed(), 1);
  WireField expected = modulesOnly();
  // (15, 17) and (19, 17) got their outer sides from FindeWeg.
  setRow(expected, 15, 19, 17, {kWire, 7, 7, 0, 0});
  EXPECT_TRUE(sameField(field, expected));
}

TEST_P(LoopWiringTest, DigitalConnectionUsesIdAbove128) {
  place(2, 3, 'I');
  place(4, 3, 'T');
  connect(false, 5, 2, 3, 4, 3);
  rebuild();
  WireField expected = modulesOnly();
  setRow(expected, 15, 19, 17, {kWire, 133, 133, 0, 0});
  EXPECT_TRUE(sameField(field, expected));
}

TEST_P(LoopWiringTest, SecondDestinationBranchesOffTheFirstLine) {
  place(2, 3, 'E');
  place(6, 3, 'G');
  place(6, 5, 'G');
  connect(true, 7, 2, 3, 6, 3);
  connect(true, 7, 2, 3, 6, 5);
  rebuild();
  EXPECT_EQ(summary.routed(), 2);
  WireField expected = modulesOnly();
  setRow(expected, 15, 29, 17, {kWire, 7, 7, 0, 0});
  expected.at(29, 17).bottom = 7;
  setColumn(expected, 29, 18, 26, {kWire, 0, 0, 7, 7});
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
  // Connection 9 leaves its source to the right and enters its destination
  // from the left; connection 7 keeps row 17 to itself.
  EXPECT_EQ(field.at(20, 7).left, 9);
  EXPECT_EQ(field.at(19, 27).right, 9);
  for (int i = 15; i <= 29; ++i) {
    EXPECT_EQ(field.at(i, 17).left, 7) << i;
    EXPECT_EQ(field.at(i, 17).right, 7) << i;
  }
}

TEST_P(LoopWiringTest, DestinationInColumnZeroIsNeverRouted) {
  place(0, 2, 'A');
  place(2, 2, 'E');
  place(4, 2, 'G');
  connect(true, 1, 2, 2, 0, 2);
  rebuild();
  EXPECT_EQ(summary.calls(), 0);
  EXPECT_TRUE(sameField(field, modulesOnly()));
  // The other destination of the same connection is routed.
  connect(true, 1, 2, 2, 4, 2);
  rebuild();
  EXPECT_EQ(summary.calls(), 1);
  EXPECT_EQ(summary.routed(), 1);
}

TEST_P(LoopWiringTest, DamagedConnectionEndsAreSkipped) {
  place(2, 3, 'E');
  place(4, 3, 'A');
  TWire& bad = p.XWires[kLoop][4];
  bad.src = {15, 3};
  bad.dest[0] = {4, 3};
  TWire& badRow = p.XWires[kLoop][5];
  badRow.src = {2, -1};
  badRow.dest[0] = {4, 3};
  TWire& badDests = p.YWires[kLoop][6];
  badDests.src = {2, 3};
  badDests.dest[0] = {15, 3};
  badDests.dest[1] = {4, 15};
  badDests.dest[2] = {4, -7};
  badDests.dest[3] = {2147483647, 3};
  badDests.dest[4] = {-2147483647 - 1, 3};
  rebuild();
  EXPECT_EQ(summary.calls(), 0);
  EXPECT_TRUE(sameField(field, modulesOnly()));
}

TEST_P(LoopWiringTest, SlotsAfterAFreeSlotAreRouted) {
  place(2, 3, 'E');
  place(4, 3, 'A');
  p.XWires[kLoop][2].src = {2, 3};
  p.XWires[kLoop][2].dest[7] = {4, 3};
  rebuild();
  EXPECT_EQ(summary.routed(), 1);
}

TEST_P(LoopWiringTest, DoubledDestinationFailsCheckFour) {
  place(2, 3, 'E');
  place(4, 3, 'A');
  connect(true, 1, 2, 3, 4, 3);
  p.XWires[kLoop][1].dest[1] = {4, 3};
  rebuild();
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
