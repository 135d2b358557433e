// Within a batch the fast router answers a search at once when an earlier
// failed search showed that its target lies beyond reach. These cases are
// the ones where such an answer would be wrong; both routers must find the
// way.

#include "wiring/wiring.h"

#include "core/wiring/field_compare.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

class FailureMemoryTest : public ::testing::TestWithParam<RouterKind> {
protected:
  FailureMemoryTest() : wiring(GetParam()) {}

  // A wall down column 30 with one gap at row 40.
  void wallWithGap() {
    TWiring::Belege(field, 30, 0, 1, kFieldSize);
    TWiring::Loesche(field, 30, 40, 1, 1);
  }
  // An enclosed pocket around (70, 70).
  void pocket() {
    TWiring::Belege(field, 68, 68, 5, 5);
    TWiring::Loesche(field, 70, 70, 1, 1);
  }

  WireField field;
  TWiring wiring;
};

TEST_P(FailureMemoryTest, ConnectionMayPassAlongItsOwnLineThatStoppedAnother) {
  wallWithGap();
  // Connection 5 already runs through the gap.
  testing::setRow(field, 29, 31, 40, {kWire, 5, 5, 0, 0});
  TWiring::Batch batch(wiring, field);
  // Connection 3 cannot run along 5 through the gap; the left half is all it reaches.
  EXPECT_FALSE(wiring.FindPath(field, 10, 10, 50, 10, 3));
  // From inside that half, connection 5 gets through on its own line.
  EXPECT_TRUE(wiring.FindPath(field, 10, 20, 50, 20, 5));
  EXPECT_EQ(field.at(30, 40), (TWireCell{kWire, 5, 5, 0, 0}));
}

TEST_P(FailureMemoryTest, ConnectionMayPassWhereOnlyOneSideOfTheEdgeIsItsOwn) {
  // Only one side of an edge at the gap names connection 5: first the side of
  // the sub-cell that the searches reach, then the side beyond it.
  for (bool nearSide : {true, false}) {
    field = WireField{};
    wallWithGap();
    if (nearSide)
      field.at(29, 40).right = 5;
    else
      field.at(30, 40).left = 5;
    TWiring::Batch batch(wiring, field);
    EXPECT_FALSE(wiring.FindPath(field, 10, 10, 50, 10, 3)) << nearSide;
    EXPECT_TRUE(wiring.FindPath(field, 10, 20, 50, 20, 5)) << nearSide;
  }
}

TEST_P(FailureMemoryTest, LaterFailureSplittingAnAreaDoesNotCutItsOtherPart) {
  wallWithGap();
  pocket();
  TWiring::Batch batch(wiring, field);
  // Everything but the pocket is reached, both halves together.
  EXPECT_FALSE(wiring.FindPath(field, 10, 10, 70, 70, 1));
  // Connection 2 takes the gap.
  EXPECT_TRUE(wiring.FindPath(field, 10, 40, 50, 40, 2));
  // Connection 3, starting on the right, now reaches only the right half.
  EXPECT_FALSE(wiring.FindPath(field, 50, 10, 10, 10, 3));
  // Connection 2 still gets from the left half to the right one.
  EXPECT_TRUE(wiring.FindPath(field, 10, 20, 50, 20, 2));
}

TEST_P(FailureMemoryTest, StartInsideModuleAreaOpensAWay) {
  // A pocket x 11..19, y 21..29 inside a wall ring; the wall cell (10, 25)
  // is the start of connection 7, and the notch (10, 24) beside it is open
  // to the outside only.
  TWiring::Belege(field, 10, 20, 11, 11);
  TWiring::Loesche(field, 11, 21, 9, 9);
  TWiring::Belege(field, 11, 24, 1, 1);
  TWiring::Loesche(field, 10, 24, 1, 1);
  TWiring::Batch batch(wiring, field);
  EXPECT_FALSE(wiring.FindPath(field, 5, 5, 15, 27, 1));
  // Laying connection 7 turns its start into wire ...
  ASSERT_TRUE(wiring.FindPath(field, 10, 25, 3, 25, 7));
  EXPECT_EQ(field.at(10, 25).state, kWire);
  // ... which lets connection 1 in through the notch.
  EXPECT_TRUE(wiring.FindPath(field, 5, 5, 15, 27, 1));
}

INSTANTIATE_TEST_SUITE_P(Routers, FailureMemoryTest, ::testing::Values(RouterKind::Fast, RouterKind::Literal),
                         [](const auto& info) { return info.param == RouterKind::Fast ? "Fast" : "Literal"; });

} // namespace
} // namespace veltra::core
