#include "compiler_test_support.h"
#include "core/compiler/duplicate_outputs.h"
#include "core/compiler/table_command.h"
#include "core/persist/signal_lists.h"

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
    place(*p, loop, col, row, 'A').setI32(0, n);
    connect(*p, loop, true, ++wires, col - 2, row, col, row);
    return p->cell(loop, col, row);
  }
  // A digital output with number n at (col, row), fed by an I when `fed`.
  void q(int loop, int col, int row, int n, bool fed) {
    place(*p, loop, col, row, 'Q').setI32(0, n);
    if (fed) place(*p, loop, col - 2, row, 'I'), connect(*p, loop, false, 1 + row, col - 2, row, col, row);
  }

  int wires = 0;
  std::unique_ptr<Project> p = newProject();
};

// Every later use of a number is marked and listed, the first is not, and no
// table is made; a later check that passes clears no mark.
TEST_F(DuplicateOutputTest, LaterUsesAreMarkedListedAndStopTheTableCommand) {
  TCell& first = fedA(1, 4, 0, 3);
  TCell& second = fedA(5, 4, 2, 3);
  TCell& third = fedA(5, 10, 0, 3);
  EXPECT_EQ(duplicateOutputLines(*p), (Lines{"Regelkreis: 5 Zeile: 1 Spalte: 11  Ausgang mehrfach belegt",
                                             "Regelkreis: 5 Zeile: 3 Spalte: 5  Ausgang mehrfach belegt"}));
  EXPECT_EQ(first.error, 0);
  ModuleTable table;
  TableCommandResult r = runTableCommand(*p, table);
  EXPECT_FALSE(r.checkPassed || r.compile.has_value() || table.canBeWritten());
  EXPECT_EQ(r.faultLines.size(), 2u);
  EXPECT_EQ(second.i32(24), 0); // no connection field was filled
  second.setI32(0, 4);
  third.setI32(0, 5);
  EXPECT_EQ(duplicateOutputLines(*p), Lines{});
  EXPECT_EQ(second.error, -10);
  r = runTableCommand(*p, table);
  EXPECT_TRUE(r.checkPassed && r.faultLines.empty());
  ASSERT_TRUE(r.compile.has_value());
  EXPECT_TRUE(r.compile->success);
  EXPECT_EQ(second.i32(24), 402);
}

// Unfed outputs take no part; analog and digital numbers are separate;
// numbers outside the table are skipped, but its ends 0 and 256 count.
TEST_F(DuplicateOutputTest, OnlyFedOutputsOfOneKindInsideTheTableCount) {
  fedA(1, 4, 0, 12);
  q(1, 4, 3, 12, true);
  q(3, 4, 0, 12, false);
  for (int row = 0; row < 4; ++row)
    fedA(1, 8, row, row < 2 ? 300 : -1);
  EXPECT_TRUE(DoppelAusgaengePruefen(*p));
  q(2, 4, 3, 12, true);
  for (int row = 0; row < 4; ++row)
    fedA(1, 12, row, row < 2 ? 256 : 0);
  EXPECT_FALSE(DoppelAusgaengePruefen(*p));
  EXPECT_EQ(std::vector<int>(
                {p->cell(2, 4, 3).error, p->cell(3, 4, 0).error, p->cell(1, 12, 1).error, p->cell(1, 12, 3).error}),
            std::vector<int>({-10, 0, -10, -10}));
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
