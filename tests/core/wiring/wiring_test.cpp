#include "core/wiring/wiring.h"

#include "core/wiring/wire_field_dump.h"

#include "field_compare.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace veltra::core {
namespace {

using testing::sameField;
constexpr RouterKind kRouters[] = {RouterKind::Fast, RouterKind::Literal};

// Module areas of n x n sub-cells at (x, y).
void belege(WireField& f, std::initializer_list<std::array<int, 3>> squares) {
  for (auto [x, y, n] : squares)
    TWiring::Belege(f, x, y, n, n);
}

struct CheckCase {
  const char* name;
  int x1, y1, x2, y2;
  void (*prepare)(WireField&);
  int expected;
};
class FindeWegCheckTest : public ::testing::TestWithParam<CheckCase> {};

// A failing check changes nothing and names the highest failing check.
TEST_P(FindeWegCheckTest, FailingChecksChangeNothing) {
  const CheckCase& c = GetParam();
  WireField field;
  belege(field, {{10, 10, 5}, {30, 10, 5}, {70, 40, 5}, {0, 40, 5}});
  if (c.prepare) c.prepare(field);
  const WireField before = field;
  for (RouterKind kind : kRouters) {
    TWiring wiring(kind);
    EXPECT_EQ(wiring.FindeWeg(field, c.x1, c.y1, c.x2, c.y2, 7), c.expected);
    EXPECT_TRUE(sameField(field, before));
  }
}

// The input (30, 42) walled in; a failed search removes its own contacts.
void wallIn(WireField& f) { belege(f, {{30, 40, 5}, {28, 42, 1}, {29, 41, 1}, {29, 43, 1}}); }

// Modules over 10..14 x 10..14 (output (14, 12)), 30..34 x 10..14 (input
// (30, 12)), 70..74 x 40..44 and 0..4 x 40..44.
const CheckCase kCheckCases[] = {
    {"SourceNotModule", 5, 5, 30, 12, nullptr, 1},
    {"TargetNotModule", 14, 12, 40, 40, nullptr, 2},
    {"SourceSideOfOtherConnection", 14, 12, 30, 12, [](WireField& f) { f.at(15, 12).left = 9; }, 3},
    {"TargetSideTakenEvenBySameId", 14, 12, 30, 12, [](WireField& f) { f.at(29, 12).right = 7; }, 4},
    {"AllFourFail", 5, 5, 40, 40, [](WireField& f) { f.at(6, 5).left = f.at(39, 40).right = 9; }, 4},
    {"SourceOnRightEdge", 74, 42, 30, 12, nullptr, 3},
    {"TargetOnLeftEdge", 14, 12, 0, 42, nullptr, 4},
    {"PointsOutsideField", -3, 80, 75, -1, nullptr, 4},
    {"ExtremeCoordinates", 2147483647, -2147483647 - 1, -2147483647 - 1, 2147483647, nullptr, 4},
    {"NoPath", 14, 12, 30, 42, wallIn, kWegNoPath},
    // ... and keeps the line of an earlier destination of the same connection.
    {"NoPathAfterALineOfTheSameConnection", 14, 12, 30, 42,
     [](WireField& f) {
       wallIn(f);
       EXPECT_EQ(TWiring().FindeWeg(f, 14, 12, 30, 12, 7), kWegOk);
     },
     kWegNoPath},
};
INSTANTIATE_TEST_SUITE_P(Checks, FindeWegCheckTest, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindPath, TargetWithOnlyClosedOrBlockedNeighboursIsReached) {
  for (RouterKind kind : kRouters) {
    // A corridor along row 10: when the target is taken, the open list is empty.
    WireField field, expected;
    TWiring::Belege(field, 0, 0, kFieldSize, kFieldSize);
    TWiring::Loesche(field, 10, 10, 11, 1);
    TWiring wiring(kind);
    ASSERT_TRUE(wiring.FindPath(field, 10, 10, 20, 10, 5));
    TWiring::Belege(expected, 0, 0, kFieldSize, kFieldSize);
    testing::setRect(expected, 10, 20, 10, 10, {kWire, 5, 5, 0, 0});
    expected.at(10, 10).left = expected.at(20, 10).right = 0;
    EXPECT_TRUE(sameField(field, expected));
    WireField free; // start on the target, or outside the field: nothing
    for (auto [sx, tx] : {std::pair{10, 10}, {-1, 20}, {10, 75}})
      EXPECT_FALSE(wiring.FindPath(free, sx, 10, tx, 10, 5)) << sx << " " << tx;
    EXPECT_TRUE(sameField(free, WireField{}));
  }
}

TEST(WireRect, LoescheAndBelegeAreClippedToTheField) {
  WireField field;
  field.at(73, 73) = {kWire, 1, 2, 3, 4};
  TWiring::Belege(field, 70, 70, 10, 10); // sides stay
  EXPECT_EQ(field.at(73, 73), (TWireCell{kBlocked, 1, 2, 3, 4}));
  EXPECT_EQ(field.at(69, 74).state, kFree);
  TWiring::Loesche(field, 70, 70, 0, 5), TWiring::Loesche(field, 70, 70, 5, -1); // empty sizes do nothing
  EXPECT_EQ(field.at(73, 73).state, kBlocked);
  TWiring::Belege(field, -5, -5, 6, 6);
  EXPECT_EQ(field.at(0, 0).state, kBlocked);
  EXPECT_EQ(field.at(1, 0).state, kFree);
  TWiring::Belege(field, 2147483647, 0, 2147483647, 5); // no overflow, nothing outside
  TWiring::Belege(field, 0, 55, 75, 10);
  TWiring::Loesche(field, -1000, 60, 2147483647, 2147483647);
  EXPECT_EQ(field.at(0, 59).state, kBlocked);
  EXPECT_EQ(field.at(0, 60).state, kFree);
  EXPECT_EQ(field.at(73, 73), TWireCell{});
}

// Entries are state and sides as two hex digits each; rows are lines.
TEST(WireFieldDump, EntryLayout) {
  WireField field;
  field.at(3, 1) = {kWire, 0x07, 0x81, 0x00, 0xe4};
  const std::string dump = dumpWireField(field);
  ASSERT_EQ(dump.size(), 75u * (75u * 10u + 74u + 1u));
  EXPECT_EQ(dump.substr(825 + 2 * 11, 33), "0000000000 01078100e4 0000000000 ");
}

// Within a batch the fast router answers at once when an earlier failed
// search showed the target out of reach; in these cases that would be wrong.
struct Search {
  int sx, sy, tx, ty, id;
  bool found;
};
struct MemoryCase {
  const char* name;
  void (*prepare)(WireField&);
  std::vector<Search> searches;
};
class FailureMemoryTest : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(FailureMemoryTest, BothRoutersFindTheWay) {
  for (RouterKind kind : kRouters) {
    WireField field;
    TWiring::Belege(field, 30, 0, 1, kFieldSize); // a wall down column 30 with a gap at row 40
    TWiring::Loesche(field, 30, 40, 1, 1);
    GetParam().prepare(field);
    TWiring wiring(kind);
    TWiring::Batch batch(wiring, field);
    for (const Search& s : GetParam().searches)
      EXPECT_EQ(wiring.FindPath(field, s.sx, s.sy, s.tx, s.ty, static_cast<std::uint8_t>(s.id)), s.found)
          << (kind == RouterKind::Fast ? "fast " : "literal ") << s.id << " to (" << s.tx << ", " << s.ty << ")";
  }
}

// Connection 3 fails on the left half; 5 then passes along its own line or
// own side of an edge in the gap.
const std::vector<Search> kOwnLine = {{10, 10, 50, 10, 3, false}, {10, 20, 50, 20, 5, true}};
const MemoryCase kMemoryCases[] = {
    {"OwnLineInTheGap",
     [](WireField& f) {
       testing::setRect(f, 29, 31, 40, 40, {kWire, 5, 5, 0, 0});
     },
     kOwnLine},
    {"OwnSideBeforeTheGap", [](WireField& f) { f.at(29, 40).right = 5; }, kOwnLine},
    {"OwnSideInTheGap", [](WireField& f) { f.at(30, 40).left = 5; }, kOwnLine},
    // 1 reaches all but a pocket; 2 takes the gap; 3 then reaches only the
    // right half, which must not cut the left half off for 2.
    {"LaterFailureSplitsAnArea",
     [](WireField& f) {
       belege(f, {{68, 68, 5}}), TWiring::Loesche(f, 70, 70, 1, 1);
     },
     {{10, 10, 70, 70, 1, false}, {10, 40, 50, 40, 2, true}, {50, 10, 10, 10, 3, false}, {10, 20, 50, 20, 2, true}}},
    // A pocket in a ring (left of the wall) whose wall cell (10, 25) starts
    // connection 7; laid, it lets 1 in through the notch (10, 24) beside it.
    {"StartInsideModuleAreaOpensAWay",
     [](WireField& f) {
       belege(f, {{10, 20, 11}}), TWiring::Loesche(f, 11, 21, 9, 9);
       belege(f, {{11, 24, 1}}), TWiring::Loesche(f, 10, 24, 1, 1);
     },
     {{5, 5, 15, 27, 1, false}, {10, 25, 3, 25, 7, true}, {5, 5, 15, 27, 1, true}}},
};
INSTANTIATE_TEST_SUITE_P(Cases, FailureMemoryTest, ::testing::ValuesIn(kMemoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace veltra::core
