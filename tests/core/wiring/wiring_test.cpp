#include "wiring/wiring.h"

#include "wiring/path_node.h"
#include "wiring/wire_field_dump.h"

#include "core/wiring/field_compare.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using testing::sameField;
using testing::setRow;

std::string kindName(const ::testing::TestParamInfo<RouterKind>& info) {
  return info.param == RouterKind::Fast ? "Fast" : "Literal";
}

// A source module over sub-cells 10..14 x 10..14 (output point (14, 12)) and
// a destination module over 30..34 x 10..14 (input point (30, 12)).
class FindeWegTest : public ::testing::TestWithParam<RouterKind> {
protected:
  FindeWegTest() : wiring(GetParam()) {
    TWiring::Belege(field, 10, 10, 5, 5);
    TWiring::Belege(field, 30, 10, 5, 5);
  }
  WireField field;
  TWiring wiring;
};

TEST_P(FindeWegTest, StraightRouteGetsContactsAndLine) {
  EXPECT_EQ(wiring.FindeWeg(field, 14, 12, 30, 12, 7), kWegOk);
  WireField expected;
  TWiring::Belege(expected, 10, 10, 5, 5);
  TWiring::Belege(expected, 30, 10, 5, 5);
  setRow(expected, 15, 29, 12, {kWire, 7, 7, 0, 0});
  EXPECT_TRUE(sameField(field, expected));
}

struct CheckCase {
  const char* name;
  int x1, y1, x2, y2;
  void (*prepare)(WireField&);
  int expected;
};

class FindeWegCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(FindeWegCheckTest, FailingChecksChangeNothing) {
  const CheckCase& c = GetParam();
  WireField field;
  TWiring::Belege(field, 10, 10, 5, 5);
  TWiring::Belege(field, 30, 10, 5, 5);
  TWiring::Belege(field, 70, 40, 5, 5);
  TWiring::Belege(field, 0, 40, 5, 5);
  if (c.prepare) c.prepare(field);
  const WireField before = field;
  TWiring wiring;
  EXPECT_EQ(wiring.FindeWeg(field, c.x1, c.y1, c.x2, c.y2, 7), c.expected);
  EXPECT_TRUE(sameField(field, before));
}

// Each failing check sets its number, so the highest failing one is returned.
const CheckCase kCheckCases[] = {
    {"SourceNotModule", 5, 5, 30, 12, nullptr, 1},
    {"TargetNotModule", 14, 12, 40, 40, nullptr, 2},
    {"SourceAndTargetNotModule", 5, 5, 40, 40, nullptr, 2},
    {"SourceSideOfOtherConnection", 14, 12, 30, 12, [](WireField& f) { f.at(15, 12).left = 9; }, 3},
    {"TargetSideTakenEvenBySameId", 14, 12, 30, 12, [](WireField& f) { f.at(29, 12).right = 7; }, 4},
    {"SourceNotModuleAndTargetTaken", 5, 5, 30, 12, [](WireField& f) { f.at(29, 12).right = 3; }, 4},
    {"AllFourFail", 5, 5, 40, 40,
     [](WireField& f) {
       f.at(6, 5).left = 9;
       f.at(39, 40).right = 1;
     },
     4},
    // The right edge of the field cannot carry a source contact.
    {"SourceOnRightEdge", 74, 42, 30, 12, nullptr, 3},
    // Nor the left edge a target contact.
    {"TargetOnLeftEdge", 14, 12, 0, 42, nullptr, 4},
    {"PointsOutsideField", -3, 80, 75, -1, nullptr, 4},
    {"ExtremeCoordinates", 2147483647, -2147483647 - 1, -2147483647 - 1, 2147483647, nullptr, 4},
};

INSTANTIATE_TEST_SUITE_P(Checks, FindeWegCheckTest, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(FindeWegTest, SourceSideOfSameConnectionIsShared) {
  field.at(15, 12).left = 7;
  EXPECT_EQ(wiring.FindeWeg(field, 14, 12, 30, 12, 7), kWegOk);
  EXPECT_EQ(field.at(15, 12).left, 7);
}

TEST_P(FindeWegTest, FailedRouteKeepsTheLineOfAnEarlierDestination) {
  // A second destination whose target sub-cell is walled in.
  TWiring::Belege(field, 30, 40, 5, 5);
  TWiring::Belege(field, 28, 42, 1, 1);
  TWiring::Belege(field, 29, 41, 1, 1);
  TWiring::Belege(field, 29, 43, 1, 1);
  ASSERT_EQ(wiring.FindeWeg(field, 14, 12, 30, 12, 7), kWegOk);
  const WireField afterFirst = field;
  EXPECT_EQ(wiring.FindeWeg(field, 14, 12, 30, 42, 7), kWegNoPath);
  EXPECT_TRUE(sameField(field, afterFirst));
  EXPECT_EQ(field.at(15, 12).left, 7);
}

TEST_P(FindeWegTest, FailedRouteRemovesItsOwnContacts) {
  TWiring::Belege(field, 28, 12, 1, 1);
  TWiring::Belege(field, 29, 11, 1, 1);
  TWiring::Belege(field, 29, 13, 1, 1);
  const WireField before = field;
  EXPECT_EQ(wiring.FindeWeg(field, 14, 12, 30, 12, 7), kWegNoPath);
  EXPECT_TRUE(sameField(field, before));
}

INSTANTIATE_TEST_SUITE_P(Routers, FindeWegTest, ::testing::Values(RouterKind::Fast, RouterKind::Literal), kindName);

class FindPathTest : public ::testing::TestWithParam<RouterKind> {
protected:
  FindPathTest() : wiring(GetParam()) {}
  WireField field;
  TWiring wiring;
};

TEST_P(FindPathTest, TargetWithOnlyClosedOrBlockedNeighboursIsReached) {
  // A corridor along row 10: when the target is taken from the open list,
  // that list is empty and the target has nothing left to offer.
  TWiring::Belege(field, 0, 0, kFieldSize, kFieldSize);
  TWiring::Loesche(field, 10, 10, 11, 1);
  ASSERT_TRUE(wiring.FindPath(field, 10, 10, 20, 10, 5));
  WireField expected;
  TWiring::Belege(expected, 0, 0, kFieldSize, kFieldSize);
  setRow(expected, 10, 20, 10, {kWire, 5, 5, 0, 0});
  expected.at(10, 10).left = 0;
  expected.at(20, 10).right = 0;
  EXPECT_TRUE(sameField(field, expected));
}

TEST_P(FindPathTest, StartEqualToTargetFindsNoParent) {
  EXPECT_FALSE(wiring.FindPath(field, 10, 10, 10, 10, 5));
  EXPECT_TRUE(sameField(field, WireField{}));
}

TEST_P(FindPathTest, UnreachableTargetLeavesFieldUnchanged) {
  TWiring::Belege(field, 40, 0, 1, kFieldSize);
  const WireField before = field;
  EXPECT_FALSE(wiring.FindPath(field, 10, 10, 60, 10, 5));
  EXPECT_TRUE(sameField(field, before));
}

TEST_P(FindPathTest, PointsOutsideFieldFindNothing) {
  EXPECT_FALSE(wiring.FindPath(field, -1, 10, 20, 10, 5));
  EXPECT_FALSE(wiring.FindPath(field, 10, 10, 75, 10, 5));
  EXPECT_TRUE(sameField(field, WireField{}));
}

INSTANTIATE_TEST_SUITE_P(Routers, FindPathTest, ::testing::Values(RouterKind::Fast, RouterKind::Literal), kindName);

TEST(WireRect, LoescheAndBelegeAreClippedToTheField) {
  WireField field;
  field.at(73, 73) = {kWire, 1, 2, 3, 4};
  TWiring::Belege(field, 70, 70, 10, 10);
  EXPECT_EQ(field.at(73, 73), (TWireCell{kBlocked, 1, 2, 3, 4}));
  EXPECT_EQ(field.at(70, 74).state, kBlocked);
  EXPECT_EQ(field.at(69, 74).state, kFree);
  TWiring::Loesche(field, -5, -5, 7, 7);
  TWiring::Belege(field, -5, -5, 6, 6);
  EXPECT_EQ(field.at(0, 0).state, kBlocked);
  EXPECT_EQ(field.at(1, 0).state, kFree);
  TWiring::Loesche(field, 70, 70, 0, 5);
  TWiring::Loesche(field, 70, 70, 5, -1);
  EXPECT_EQ(field.at(73, 73).state, kBlocked);
  // Extreme arguments neither overflow nor reach outside.
  TWiring::Belege(field, 2147483647, 0, 2147483647, 5);
  TWiring::Belege(field, 0, 55, 75, 10);
  TWiring::Loesche(field, -1000, 60, 2147483647, 2147483647);
  EXPECT_EQ(field.at(0, 59).state, kBlocked);
  EXPECT_EQ(field.at(0, 60).state, kFree);
  EXPECT_EQ(field.at(74, 74).state, kFree);
  TWiring::Belege(field, 70, 70, 5, 5);
  TWiring::Loesche(field, 72, 72, 3, 3);
  EXPECT_EQ(field.at(73, 73), TWireCell{});
  EXPECT_EQ(field.at(71, 73).state, kBlocked);
}

struct RichtungCase {
  TPathNode node;
  char expected;
};

class GetRichtungTest : public ::testing::TestWithParam<RichtungCase> {};

TEST_P(GetRichtungTest, NamesWhereTheParentLies) { EXPECT_EQ(GetRichtung(GetParam().node), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Parents, GetRichtungTest,
                         ::testing::Values(RichtungCase{{5, 5, 0, 0, 0, 4, 5}, 'L'},
                                           RichtungCase{{5, 5, 0, 0, 0, 6, 5}, 'R'},
                                           RichtungCase{{5, 5, 0, 0, 0, 5, 4}, 'O'},
                                           RichtungCase{{5, 5, 0, 0, 0, 5, 6}, 'U'},
                                           RichtungCase{{5, 5, 0, 0, 0, 5, 5}, 'U'},
                                           // x decides before y
                                           RichtungCase{{5, 5, 0, 0, 0, 4, 9}, 'L'}));

} // namespace
} // namespace veltra::core
