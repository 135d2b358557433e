#include "model/connection_ops.h"
#include "model/module_ops.h"
#include "modules/catalogue.h"

#include <gtest/gtest.h>

#include <memory>

namespace veltra::core {
namespace {

class ModuleOpsTest : public ::testing::Test {
protected:
  void SetUp() override { p->InitRKreise(VELTRA_PROGRAM_DIR); }
  std::unique_ptr<Project> p = std::make_unique<Project>();
};

TEST_F(ModuleOpsTest, ThreeRowModuleOccupiesItsColumnWithParts) {
  ASSERT_TRUE(placeModule(*p, 1, 4, 2, 'R'));
  for (int k = 0; k < 3; ++k) {
    const TCell& c = p->cell(1, 4, 2 + k);
    EXPECT_EQ(c.letter, 'R');
    EXPECT_EQ(c.height, 3);
    EXPECT_EQ(c.part, k + 1);
  }
  EXPECT_TRUE(p->cell(1, 4, 5).isEmpty());
}

struct Placement {
  char letter;
  int col;
  int row;
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
                      Placement{'Q', 0, 0, true}, Placement{'J', 13, 10, true}, Placement{'J', 13, 11, false},
                      Placement{'N', 1, 11, true}, Placement{'N', 1, 12, false}, Placement{'B', 13, 13, true},
                      Placement{'B', 13, 14, false}, Placement{'A', -1, 0, false}, Placement{'A', 15, 0, false},
                      Placement{'A', 3, -1, false}, Placement{'*', 3, 3, false}, Placement{'7', 3, 3, false}));

TEST_F(ModuleOpsTest, NeighbourColumnsMustBeFree) {
  ASSERT_TRUE(placeModule(*p, 1, 5, 5, 'E'));
  EXPECT_FALSE(canPlace(*p, 1, 6, 5, 'A'));
  EXPECT_FALSE(canPlace(*p, 1, 4, 5, 'A'));
  EXPECT_TRUE(canPlace(*p, 1, 7, 5, 'A'));
  // A tall module checks the neighbours of each of its rows.
  EXPECT_FALSE(canPlace(*p, 1, 6, 3, 'R'));
  EXPECT_TRUE(canPlace(*p, 1, 6, 6, 'R'));
  EXPECT_FALSE(canPlace(*p, 1, 6, 4, 'B')); // its second row is beside the E
  EXPECT_TRUE(canPlace(*p, 1, 4, 6, 'E'));
  EXPECT_FALSE(canPlace(*p, 1, 5, 5, 'A')); // occupied
}

TEST_F(ModuleOpsTest, NewRAndDCarryTheirDefaults) {
  TCell& r = p->cell(1, 1, 1);
  r.letter = 'R';
  createModuleDefaults(*p, r);
  EXPECT_EQ(r.f64(0), 10.0);
  EXPECT_EQ(r.f64(8), 200.0);
  EXPECT_EQ(r.f64(16), 50.0);
  EXPECT_EQ(r.f64(24), 1.0);
  EXPECT_EQ(r.text.str(), "Regler");
  TCell& d = p->cell(1, 3, 1);
  d.letter = 'D';
  createModuleDefaults(*p, d);
  EXPECT_EQ(d.i32(0), 0);
  EXPECT_EQ(d.i32(4), 2);
  EXPECT_EQ(d.i32(16), 60);
  EXPECT_EQ(d.text.str(), "Durchschnitt");
}

TEST_F(ModuleOpsTest, DefaultTextsAreCodePage1252) {
  TCell& j = p->cell(1, 1, 1);
  j.letter = 'J';
  createModuleDefaults(*p, j);
  EXPECT_EQ(j.text.str(), "Z\xE4hler/Klappe");
}

TEST_F(ModuleOpsTest, CreationKeepsAnExistingTextExceptForSignalModules) {
  TCell& b = p->cell(1, 1, 1);
  b.letter = 'B';
  b.text.assign("aus Library");
  createModuleDefaults(*p, b);
  EXPECT_EQ(b.text.str(), "aus Library");
  TCell& e = p->cell(1, 3, 1);
  e.letter = 'E';
  e.text.assign("alt");
  createModuleDefaults(*p, e);
  EXPECT_EQ(e.text.str(), p->SignalDesc.text(SignalGroup::E, 1));
  EXPECT_EQ(e.i32(0), 1);
}

TEST_F(ModuleOpsTest, NewFTakesConstantOneAndNewSTakesProgramName) {
  p->FWert[1] = 7.25;
  TCell& f = p->cell(1, 1, 1);
  f.letter = 'F';
  createModuleDefaults(*p, f);
  EXPECT_EQ(f.f64(8), 7.25);
  EXPECT_EQ(f.text.str(), "Festwert 1");
  TCell& s = p->cell(1, 3, 1);
  s.letter = 'S';
  createModuleDefaults(*p, s);
  EXPECT_EQ(s.text.str(), "Schaltuhr");
  p->SignalDesc.at(SignalGroup::S, 1)->assign("Verwaltung");
  createModuleDefaults(*p, s);
  EXPECT_EQ(s.text.str(), "Verwaltung");
}

TEST_F(ModuleOpsTest, WTemperaturesAreHundredthsOfADegree) {
  TCell& w = p->cell(1, 1, 1);
  w.letter = 'W';
  createModuleDefaults(*p, w);
  EXPECT_EQ(w.f64(64), -1000.0);
  EXPECT_EQ(w.f64(72), 3000.0);
  EXPECT_EQ(w.f64(80), 200.0);
  EXPECT_EQ(w.i32(56), 240);
}

TEST_F(ModuleOpsTest, DeletingByALowerCellRemovesTheWholeModuleAndItsConnections) {
  p->CurrentLoop = 1;
  ASSERT_TRUE(placeModule(*p, 1, 1, 1, 'E'));
  ASSERT_TRUE(placeModule(*p, 1, 4, 0, 'R'));
  ASSERT_TRUE(placeModule(*p, 1, 8, 0, 'A'));
  ASSERT_TRUE(addDestination(*p, 1, true, 1, 1, 1, 4, 1)); // E -> R "Ist"
  ASSERT_TRUE(addDestination(*p, 1, true, 2, 4, 0, 8, 0)); // R out -> A
  deleteModule(*p, 4, 2);
  for (int r = 0; r < 3; ++r)
    EXPECT_TRUE(p->cell(1, 4, r).isEmpty());
  EXPECT_TRUE(p->XWires[1][1].isFree());
  EXPECT_TRUE(p->XWires[1][2].isFree());
  EXPECT_EQ(p->cell(1, 1, 1).XA, 0);
  EXPECT_EQ(p->cell(1, 8, 0).XE, 0);
  EXPECT_FALSE(p->cell(1, 1, 1).isEmpty());
}

TEST_F(ModuleOpsTest, DeletingAnEmptyCellOrADamagedModuleStaysInTheGrid) {
  p->CurrentLoop = 1;
  deleteModule(*p, 3, 3);
  deleteModule(*p, -1, 20);
  TCell& c = p->cell(1, 2, 13);
  c.letter = 'W';
  c.height = 200;
  c.part = 1;
  deleteModule(*p, 2, 13);
  EXPECT_TRUE(p->cell(1, 2, 13).isEmpty());
  EXPECT_TRUE(p->cell(1, 2, 14).isEmpty());
}

} // namespace
} // namespace veltra::core
