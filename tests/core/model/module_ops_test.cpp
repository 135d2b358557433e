#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/persist/signal_lists.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

class ModuleOpsTest : public ::testing::Test {
protected:
  void SetUp() override { p->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR)); }
  std::unique_ptr<Project> p = std::make_unique<Project>();

  TCell& created(char letter, int col, const char* text = nullptr) {
    TCell& c = p->cell(1, col, 1);
    c.letter = letter;
    if (text) c.text.assign(text);
    createModuleDefaults(*p, c);
    return c;
  }
};

struct Placement {
  char letter;
  int col, row;
  bool allowed;
};

class PlacementRule : public ModuleOpsTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(PlacementRule, AllowedColumnsAndRows) {
  const Placement pl = GetParam();
  EXPECT_EQ(canPlace(*p, 1, pl.col, pl.row, pl.letter), pl.allowed);
  EXPECT_EQ(placeModule(*p, 1, pl.col, pl.row, pl.letter), pl.allowed);
}

INSTANTIATE_TEST_SUITE_P(
    EdgesOfTheGrid, PlacementRule,
    ::testing::Values(Placement{'R', 1, 12, true}, Placement{'R', 1, 13, false}, Placement{'R', 0, 5, false},
                      Placement{'R', 14, 5, false}, Placement{'E', 0, 0, true}, Placement{'E', 14, 0, false},
                      Placement{'D', 0, 3, false}, Placement{'D', 13, 14, true}, Placement{'A', 14, 14, true},
                      Placement{'J', 13, 10, true}, Placement{'J', 13, 11, false}, Placement{'B', 13, 13, true},
                      Placement{'B', 13, 14, false}, Placement{'A', -1, 0, false}, Placement{'A', 15, 0, false},
                      Placement{'A', 3, -1, false}, Placement{'*', 3, 3, false}, Placement{'7', 3, 3, false}));

TEST_F(ModuleOpsTest, ThreeRowModuleOccupiesItsColumnWithParts) {
  ASSERT_TRUE(placeModule(*p, 1, 4, 2, 'R'));
  for (int k = 0; k < 3; ++k) {
    const TCell& c = p->cell(1, 4, 2 + k);
    EXPECT_EQ(std::make_tuple(c.letter, c.height, c.part), std::make_tuple(std::uint8_t{'R'}, 3, k + 1));
  }
  EXPECT_TRUE(p->cell(1, 4, 5).isEmpty());
}

TEST_F(ModuleOpsTest, NeighbourColumnsMustBeFree) {
  ASSERT_TRUE(placeModule(*p, 1, 5, 5, 'E'));
  EXPECT_FALSE(canPlace(*p, 1, 6, 5, 'A'));
  EXPECT_FALSE(canPlace(*p, 1, 4, 5, 'A'));
  EXPECT_TRUE(canPlace(*p, 1, 7, 5, 'A'));
  // A tall module checks the neighbours of each of its rows.
  EXPECT_FALSE(canPlace(*p, 1, 6, 3, 'R'));
  EXPECT_TRUE(canPlace(*p, 1, 6, 6, 'R'));
  EXPECT_FALSE(canPlace(*p, 1, 6, 4, 'B')); // its second row is beside the E
  EXPECT_FALSE(canPlace(*p, 1, 5, 5, 'A')); // occupied
}

TEST_F(ModuleOpsTest, NewModulesKeepTheirTextExceptSignalConstantAndClockModules) {
  EXPECT_EQ(created('J', 1).text.str(), "Z\xE4hler/Klappe"); // code page 1252
  EXPECT_EQ(created('B', 3, "aus Library").text.str(), "aus Library");
  TCell& e = created('E', 5, "alt");
  EXPECT_EQ(std::tuple(e.text.str(), e.i32(0)), std::tuple(p->SignalDesc.text(SignalGroup::E, 1), 1));
  p->FWert[1] = 7.25;
  TCell& f = created('F', 7);
  EXPECT_EQ(std::tuple(f.f64(8), f.text.str()), std::tuple(7.25, "Festwert 1"));
  EXPECT_EQ(created('S', 9).text.str(), "Schaltuhr");
  p->SignalDesc.at(SignalGroup::S, 1)->assign("Verwaltung");
  EXPECT_EQ(created('S', 9).text.str(), "Verwaltung");
}

// In loop 6, while the editor shows loop 1.
TEST_F(ModuleOpsTest, DeletingByALowerCellRemovesTheWholeModuleAndItsConnections) {
  ASSERT_TRUE(placeModule(*p, 6, 1, 1, 'E'));
  ASSERT_TRUE(placeModule(*p, 6, 4, 0, 'R'));
  ASSERT_TRUE(placeModule(*p, 6, 8, 0, 'A'));
  ASSERT_TRUE(addDestination(*p, 6, true, 1, 1, 1, 4, 1)); // E -> R "Ist"
  ASSERT_TRUE(addDestination(*p, 6, true, 2, 4, 0, 8, 0)); // R out -> A
  deleteModule(*p, 6, 4, 2);
  for (int r = 0; r < 3; ++r)
    EXPECT_TRUE(p->cell(6, 4, r).isEmpty());
  EXPECT_TRUE(p->XWires[6][1].isFree() && p->XWires[6][2].isFree());
  EXPECT_EQ(std::tuple(p->cell(6, 1, 1).XA, p->cell(6, 8, 0).XE), std::tuple(0, 0));
  EXPECT_FALSE(p->cell(6, 1, 1).isEmpty());
}

TEST_F(ModuleOpsTest, DeletingAnEmptyCellOrADamagedModuleStaysInTheGrid) {
  deleteModule(*p, 1, 3, 3);
  deleteModule(*p, 1, -1, 20);
  deleteModule(*p, 0, 3, 3);
  deleteModule(*p, kLoops + 1, 3, 3);
  TCell& c = p->cell(1, 2, 13);
  c.letter = 'W';
  c.height = 200;
  c.part = 1;
  deleteModule(*p, 1, 2, 13);
  EXPECT_TRUE(p->cell(1, 2, 13).isEmpty() && p->cell(1, 2, 14).isEmpty());
}

} // namespace
} // namespace veltra::core
