#include "compiler/duplicate_outputs.h"
#include "compiler/table_command.h"
#include "compiler_test_support.h"
#include "persist/signal_lists.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test_support;

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

TEST_F(DuplicateOutputTest, LaterOfTwoFedOutputsIsMarkedAndListed) {
  TCell& first = fedA(1, 4, 0, 3);
  TCell& second = fedA(5, 4, 2, 3);
  EXPECT_FALSE(DoppelAusgaengePruefen(*p));
  EXPECT_EQ(first.error, 0);
  EXPECT_EQ(second.error, -10);
  EXPECT_EQ(faultyCellLines(*p),
            (std::vector<std::string>{"Regelkreis: 5 Zeile: 3 Spalte: 5  Ausgang mehrfach belegt"}));
}

TEST_F(DuplicateOutputTest, TableCommandListsInsteadOfGenerating) {
  fedA(1, 4, 0, 3);
  fedA(5, 4, 2, 3);
  ModuleTable table;
  TableCommandResult r = runTableCommand(*p, table);
  EXPECT_FALSE(r.checkPassed);
  EXPECT_FALSE(r.compile.has_value());
  EXPECT_EQ(r.faultLines.size(), 1u);
  EXPECT_FALSE(table.canBeWritten());
  EXPECT_EQ(p->cell(5, 4, 2).i32(24), 0); // no connection field was filled
}

TEST_F(DuplicateOutputTest, TableCommandGeneratesWhenTheCheckPasses) {
  fedA(1, 4, 0, 3);
  fedA(5, 4, 2, 4);
  ModuleTable table;
  TableCommandResult r = runTableCommand(*p, table);
  EXPECT_TRUE(r.checkPassed);
  EXPECT_TRUE(r.faultLines.empty());
  ASSERT_TRUE(r.compile.has_value());
  EXPECT_TRUE(r.compile->success);
  EXPECT_EQ(p->cell(5, 4, 2).i32(24), 401);
}

TEST_F(DuplicateOutputTest, EveryLaterUseIsMarked) {
  TCell& a1 = fedA(2, 4, 0, 7);
  TCell& a2 = fedA(2, 4, 1, 7);
  TCell& a3 = fedA(2, 10, 0, 7);
  EXPECT_FALSE(DoppelAusgaengePruefen(*p));
  EXPECT_EQ(a1.error, 0);
  EXPECT_EQ(a2.error, -10);
  EXPECT_EQ(a3.error, -10);
}

TEST_F(DuplicateOutputTest, UnfedOutputTakesNoPart) {
  TCell& a = q(1, 4, 0, 9, true);
  TCell& b = q(3, 4, 0, 9, false);
  EXPECT_TRUE(DoppelAusgaengePruefen(*p));
  EXPECT_EQ(a.error, 0);
  EXPECT_EQ(b.error, 0);
}

TEST_F(DuplicateOutputTest, AnalogAndDigitalNumbersAreSeparate) {
  fedA(1, 4, 0, 12);
  q(1, 4, 3, 12, true);
  EXPECT_TRUE(DoppelAusgaengePruefen(*p));
  q(2, 4, 3, 12, true);
  EXPECT_FALSE(DoppelAusgaengePruefen(*p));
  EXPECT_EQ(p->cell(2, 4, 3).error, -10);
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

TEST_F(DuplicateOutputTest, CheckNeverClearsAnError) {
  fedA(1, 4, 0, 3);
  TCell& second = fedA(1, 4, 1, 3);
  ASSERT_FALSE(DoppelAusgaengePruefen(*p));
  second.setI32(0, 4);
  EXPECT_TRUE(DoppelAusgaengePruefen(*p));
  EXPECT_EQ(second.error, -10);
  EXPECT_EQ(duplicateOutputLines(*p), std::vector<std::string>{});
}

TEST_F(DuplicateOutputTest, LinesGoRowByRowWithinALoop) {
  p->cell(2, 5, 1).error = -10;
  p->cell(2, 1, 3).error = -8;
  p->cell(2, 14, 1).error = -1;
  p->cell(1, 0, 14).error = -2;
  EXPECT_EQ(faultyCellLines(*p), (std::vector<std::string>{
                                     "Regelkreis: 1 Zeile: 15 Spalte: 1  Modul ohne Ausgangsverbindung",
                                     "Regelkreis: 2 Zeile: 2 Spalte: 6  Ausgang mehrfach belegt",
                                     "Regelkreis: 2 Zeile: 2 Spalte: 15  Modul ohne Eingangsverbindung",
                                     "Regelkreis: 2 Zeile: 4 Spalte: 2  Arbeitsspeicher überschritten",
                                 }));
}

TEST_F(DuplicateOutputTest, ErrorWithoutTextGetsAFallback) {
  p->cell(1, 0, 0).error = -11; // the file has entries 0..10
  p->cell(1, 1, 0).error = INT16_MIN;
  p->ErrorTexts.resize(11);
  EXPECT_EQ(faultyCellLines(*p),
            (std::vector<std::string>{"Regelkreis: 1 Zeile: 1 Spalte: 1  Fehler 11 (kein Fehlertext)",
                                      "Regelkreis: 1 Zeile: 1 Spalte: 2  Fehler 32768 (kein Fehlertext)"}));
}

TEST_F(DuplicateOutputTest, LongErrorTextIsNotCut) {
  p->ErrorTexts[10] = std::string(120, 'x');
  fedA(200, 14, 14, 1);
  fedA(200, 4, 14, 1);
  ASSERT_FALSE(DoppelAusgaengePruefen(*p));
  const auto lines = faultyCellLines(*p);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Regelkreis: 200 Zeile: 15 Spalte: 15  " + std::string(120, 'x'));
}

} // namespace
} // namespace veltra::core
