#include "compiler/duplicate_outputs.h"
#include "compiler/table_command.h"
#include "compiler_test_support.h"
#include "persist/signal_lists.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test_support;
using Lines = std::vector<std::string>;

class DuplicateOutputTest : public ::testing::Test {
protected:
  void SetUp() override { p->ErrorTexts = readErrorTexts(std::string(VELTRA_PROGRAM_DIR) + "/Fehlertexte.txt"); }

  // An analog output with number n at (col, row), fed by an E to its left.
  TCell& fedA(int loop, int col, int row, int n) {
    place(*p, loop, col - 2, row, 'E');
    TCell& a = place(*p, loop, col, row, 'A');
    a.setI32(0, n);
    int wire = 1;
    while (!p->XWires[loop][wire].isFree())
      ++wire;
    connect(*p, loop, true, wire, col - 2, row, col, row);
    return a;
  }
  // A digital output with number n at (col, row), fed by an I when `fed`.
  TCell& q(int loop, int col, int row, int n, bool fed) {
    TCell& out = place(*p, loop, col, row, 'Q');
    out.setI32(0, n);
    if (fed) {
      place(*p, loop, col - 2, row, 'I');
      connect(*p, loop, false, 1 + row, col - 2, row, col, row);
    }
    return out;
  }

  std::unique_ptr<Project> p = newProject();
};

// Every later use of a number is marked and listed, the first is not; a
// later check that passes clears no mark.
TEST_F(DuplicateOutputTest, LaterUsesAreMarkedAndListed) {
  TCell& first = fedA(1, 4, 0, 3);
  TCell& second = fedA(5, 4, 2, 3);
  TCell& third = fedA(5, 10, 0, 3);
  EXPECT_EQ(duplicateOutputLines(*p), (Lines{"Regelkreis: 5 Zeile: 1 Spalte: 11  Ausgang mehrfach belegt",
                                             "Regelkreis: 5 Zeile: 3 Spalte: 5  Ausgang mehrfach belegt"}));
  EXPECT_EQ(first.error, 0);
  second.setI32(0, 4);
  third.setI32(0, 5);
  EXPECT_EQ(duplicateOutputLines(*p), Lines{});
  EXPECT_EQ(second.error, -10);
}

TEST_F(DuplicateOutputTest, TableCommandListsInsteadOfGenerating) {
  fedA(1, 4, 0, 3);
  TCell& second = fedA(5, 4, 2, 3);
  ModuleTable table;
  TableCommandResult r = runTableCommand(*p, table);
  EXPECT_FALSE(r.checkPassed || r.compile.has_value() || table.canBeWritten());
  EXPECT_EQ(r.faultLines.size(), 1u);
  EXPECT_EQ(second.i32(24), 0); // no connection field was filled
  second.setI32(0, 4);
  second.error = 0;
  r = runTableCommand(*p, table);
  EXPECT_TRUE(r.checkPassed && r.faultLines.empty());
  ASSERT_TRUE(r.compile.has_value());
  EXPECT_TRUE(r.compile->success);
  EXPECT_EQ(second.i32(24), 401);
}

// Unfed outputs take no part; analog and digital numbers are separate.
TEST_F(DuplicateOutputTest, OnlyFedOutputsOfOneKindCount) {
  fedA(1, 4, 0, 12);
  q(1, 4, 3, 12, true);
  q(3, 4, 0, 12, false);
  EXPECT_TRUE(DoppelAusgaengePruefen(*p));
  q(2, 4, 3, 12, true);
  EXPECT_FALSE(DoppelAusgaengePruefen(*p));
  EXPECT_EQ(p->cell(2, 4, 3).error, -10);
  EXPECT_EQ(p->cell(3, 4, 0).error, 0);
}

TEST_F(DuplicateOutputTest, NumbersOutsideTheTableAreSkippedButItsEndsCount) {
  fedA(1, 4, 0, 300);
  fedA(1, 4, 1, 300);
  fedA(1, 4, 2, -1);
  fedA(1, 4, 3, -1);
  EXPECT_TRUE(DoppelAusgaengePruefen(*p));
  fedA(1, 8, 0, 256);
  fedA(1, 8, 1, 256);
  fedA(1, 12, 0, 0);
  fedA(1, 12, 1, 0);
  EXPECT_FALSE(DoppelAusgaengePruefen(*p));
  EXPECT_EQ(p->cell(1, 8, 1).error, -10);
  EXPECT_EQ(p->cell(1, 12, 1).error, -10);
}

// Row by row within a loop; a number without text gets a fallback; a long
// text is not cut.
TEST_F(DuplicateOutputTest, LinesOfFaultyCells) {
  p->cell(2, 5, 1).error = -10;
  p->cell(2, 1, 3).error = -8;
  p->cell(2, 14, 1).error = -1;
  p->cell(1, 0, 14).error = -2;
  p->cell(3, 0, 0).error = -11; // the file has entries 0..10
  p->cell(3, 1, 0).error = INT16_MIN;
  p->ErrorTexts.resize(11);
  p->ErrorTexts[10] = std::string(120, 'x');
  EXPECT_EQ(faultyCellLines(*p), (Lines{
                                     "Regelkreis: 1 Zeile: 15 Spalte: 1  Modul ohne Ausgangsverbindung",
                                     "Regelkreis: 2 Zeile: 2 Spalte: 6  " + std::string(120, 'x'),
                                     "Regelkreis: 2 Zeile: 2 Spalte: 15  Modul ohne Eingangsverbindung",
                                     "Regelkreis: 2 Zeile: 4 Spalte: 2  Arbeitsspeicher überschritten",
                                     "Regelkreis: 3 Zeile: 1 Spalte: 1  Fehler 11 (kein Fehlertext)",
                                     "Regelkreis: 3 Zeile: 1 Spalte: 2  Fehler 32768 (kein Fehlertext)",
                                 }));
}

} // namespace
} // namespace veltra::core
