#include "editor/editor.h"
#include "model/connection_ops.h"
#include "model/module_ops.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

// Records what the editor asked of its window and answers questions from a
// queue (Yes when the queue is empty).
class FakeHost : public EditorHost {
public:
  bool askYesNo(const std::string& q) override {
    questions.push_back(q);
    if (answers.empty()) return true;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void openModuleDialog(char letter) override { dialogs.push_back(letter); }
  void openTextDialog(int, int, int) override { ++textDialogs; }
  void redraw() override { ++redraws; }
  void overlayChanged() override { ++overlays; }
  void showHelp(char code) override { help.push_back(code); }
  void clearHelp() override { help.push_back(0); }
  void setHoverText(const std::string& t) override { hover = t; }

  std::vector<std::string> questions;
  std::deque<bool> answers;
  std::vector<char> dialogs;
  std::vector<char> help;
  int textDialogs = 0, redraws = 0, overlays = 0;
  std::string hover;
};

class EditorTest : public ::testing::Test {
protected:
  void SetUp() override {
    p->InitRKreise(VELTRA_PROGRAM_DIR);
    p->Modified = false;
  }
  // Moves the pointer to the middle of a cell (or to a given pixel in it).
  void pointAt(int col, int row, int dx = 17, int dy = 17, bool held = false) {
    ed.mouseMove(35 * col + dx, 35 * row + dy, held);
  }
  void clickAt(int col, int row, int dx = 17) {
    pointAt(col, row, dx);
    ed.click();
  }
  void place(char letter, int col, int row) {
    ed.toolButton(letter);
    clickAt(col, row);
  }
  TCell& cell(int col, int row) { return p->cell(p->CurrentLoop, col, row); }

  std::unique_ptr<Project> p = std::make_unique<Project>();
  FakeHost host;
  Editor ed{*p, host};
};

TEST_F(EditorTest, PlacingAModuleSetsDefaultsOpensItsDialogAndBlocksTheField) {
  place('R', 4, 2);
  EXPECT_TRUE(p->Modified);
  EXPECT_EQ(cell(4, 4).part, 3);
  EXPECT_EQ(cell(4, 2).f64(0), 10.0);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0], 'R');
  EXPECT_EQ(ed.wireField()[20][10].state, kBlocked);
  EXPECT_EQ(ed.wireField()[20][25].state, kFree);
}

TEST_F(EditorTest, RefusedPlacementStillCountsAsAnEdit) {
  place('D', 0, 3);
  EXPECT_TRUE(cell(0, 3).isEmpty());
  EXPECT_TRUE(p->Modified);
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(EditorTest, ToolButtonShowsHelpExceptForToolsWithoutAction) {
  ed.toolButton('R');
  ed.toolButton('3');
  ed.toolButton('#');
  EXPECT_EQ(host.help, (std::vector<char>{'R', '#'}));
}

TEST_F(EditorTest, DeleteAsksAndRemovesTheModuleOnYesOnly) {
  place('R', 4, 2);
  ed.toolButton('#');
  host.answers = {false};
  clickAt(4, 3);
  EXPECT_FALSE(cell(4, 2).isEmpty());
  clickAt(4, 3);
  EXPECT_TRUE(cell(4, 2).isEmpty());
  EXPECT_TRUE(cell(4, 4).isEmpty());
  EXPECT_EQ(host.questions, (std::vector<std::string>{"Modul löschen?", "Modul löschen?"}));
  ed.toolButton('#');
  clickAt(9, 9); // empty cell: no question
  EXPECT_EQ(host.questions.size(), 2u);
}

TEST_F(EditorTest, BlockDeleteTakesModulesWhoseTopCellIsInTheBlock) {
  place('R', 3, 6);  // top in the block: deleted with all its rows 6..8
  place('R', 11, 4); // far away: stays
  place('U', 7, 4);  // top at row 4, above the block rows 5..6: stays
  ed.toolButton('9');
  clickAt(2, 5);
  EXPECT_EQ(ed.rangeState(), 1);
  host.answers = {true};
  clickAt(8, 6); // block columns 2..8, rows 5..6
  EXPECT_EQ(host.questions.back(), "Bereich löschen?");
  EXPECT_TRUE(cell(3, 6).isEmpty());
  EXPECT_TRUE(cell(3, 8).isEmpty());
  EXPECT_FALSE(cell(7, 4).isEmpty());
  EXPECT_FALSE(cell(7, 5).isEmpty());
  EXPECT_FALSE(cell(11, 4).isEmpty());
  EXPECT_EQ(ed.rangeState(), 0);
}

TEST_F(EditorTest, BlockCornersAreNormalisedAndNoKeepsEverything) {
  place('A', 3, 3);
  ed.toolButton('9');
  clickAt(5, 5);
  host.answers = {false};
  pointAt(1, 1);
  ed.click();
  EXPECT_EQ(ed.rangeCol1(), 1);
  EXPECT_EQ(ed.rangeCol2(), 5);
  EXPECT_EQ(ed.rangeRow1(), 1);
  EXPECT_EQ(ed.rangeRow2(), 5);
  EXPECT_FALSE(cell(3, 3).isEmpty());
  EXPECT_EQ(ed.rangeState(), 0);
}

class ConnectTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    place('E', 1, 2);
    place('A', 3, 2);
    place('Q', 6, 2);
    place('B', 9, 2);
    ed.toolButton('0');
  }
  void connect(int fromCol, int fromRow, int toCol, int toRow) {
    clickAt(fromCol, fromRow);
    pointAt(fromCol + 1, fromRow);
    clickAt(toCol, toRow);
    pointAt(toCol, toRow, 20); // the next movement completes the gesture
  }
};

TEST_F(ConnectTest, FirstGestureUsesConnectionOneAndASecondReusesIt) {
  connect(1, 2, 3, 2);
  const TWire& w = p->XWires[1][1];
  EXPECT_EQ(w.src.col, 1);
  EXPECT_EQ(w.src.row, 2);
  EXPECT_EQ(w.dest[0].col, 3);
  EXPECT_EQ(cell(1, 2).XA, 1);
  EXPECT_EQ(cell(3, 2).XE, 1);
  EXPECT_EQ(ed.wireState(), kIdle);
  EXPECT_FALSE(ed.rubberBandVisible());
  EXPECT_EQ(ed.wireField()[10][12].state, kWire); // the line is drawn at once
  connect(1, 2, 9, 3);                            // B's second input
  EXPECT_EQ(p->XWires[1][1].dest[1].col, 9);
  EXPECT_EQ(p->XWires[1][1].dest[1].row, 3);
  EXPECT_EQ(cell(9, 3).XE, 1);
  EXPECT_EQ(p->GetNextXNr(), 2);
}

TEST_F(ConnectTest, RubberBandFollowsThePointerFromTheSourceEdge) {
  clickAt(1, 2);
  EXPECT_EQ(ed.wireState(), kSourceChosen);
  pointAt(2, 4, 5, 6);
  EXPECT_TRUE(ed.rubberBandVisible());
  EXPECT_EQ(ed.rubberStart().x, 70);
  EXPECT_EQ(ed.rubberStart().y, 88);
  EXPECT_EQ(ed.rubberEnd().x, 75);
  EXPECT_EQ(ed.rubberEnd().y, 146);
}

TEST_F(ConnectTest, WrongOrTakenInputCancelsAtTheNextMovement) {
  clickAt(1, 2);
  pointAt(5, 2);
  clickAt(6, 2); // Q has a digital input only
  EXPECT_EQ(ed.wireState(), kCancelPending);
  pointAt(6, 2, 25);
  EXPECT_EQ(ed.wireState(), kIdle);
  EXPECT_FALSE(ed.rubberBandVisible());
  EXPECT_TRUE(p->XWires[1][1].isFree());
  connect(1, 2, 3, 2);
  connect(9, 2, 3, 2); // A's input is taken now
  EXPECT_TRUE(p->XWires[1][2].isFree());
}

TEST_F(ConnectTest, EmptyCellOrModuleWithoutInputsKeepsTheRubberBand) {
  place('E', 12, 8);
  ed.toolButton('0');
  clickAt(1, 2);
  pointAt(2, 2);
  clickAt(12, 12);
  EXPECT_EQ(ed.wireState(), kRubberBand);
  clickAt(12, 8); // E has no inputs
  EXPECT_EQ(ed.wireState(), kRubberBand);
  EXPECT_TRUE(ed.rubberBandVisible());
  ed.toolButton('0'); // the connect button cancels at the next movement
  EXPECT_EQ(ed.wireState(), kCancelPending);
  pointAt(11, 11);
  EXPECT_EQ(ed.wireState(), kIdle);
  EXPECT_FALSE(ed.rubberBandVisible());
}

TEST_F(ConnectTest, SecondRowOfBHasNoOutputAndStartsNothing) {
  clickAt(9, 3);
  EXPECT_EQ(ed.wireState(), kIdle);
}

TEST_F(ConnectTest, EscapeCancelsTheGesture) {
  clickAt(1, 2);
  pointAt(3, 3);
  ed.keyDown(EditorKey::Escape);
  EXPECT_EQ(ed.wireState(), kIdle);
  EXPECT_FALSE(ed.rubberBandVisible());
}

TEST_F(ConnectTest, DisconnectByHalfOfTheCell) {
  connect(1, 2, 3, 2);
  connect(1, 2, 9, 2);
  ed.toolButton('1');
  clickAt(3, 2, 5); // left half: the inputs
  EXPECT_EQ(host.questions.back(), "Verbindungen dieses Eingangs löschen?");
  EXPECT_EQ(cell(3, 2).XE, 0);
  EXPECT_FALSE(p->XWires[1][1].isFree());
  clickAt(1, 2, 30); // right half: the whole output
  EXPECT_EQ(host.questions.back(), "Verbindungen dieses Ausgangs löschen?");
  EXPECT_TRUE(p->XWires[1][1].isFree());
  EXPECT_EQ(cell(9, 2).XE, 0);
}

class DragTest : public EditorTest {};

TEST_F(DragTest, ModuleFollowsThePointerAndItsConnectionEndsMoveOnce) {
  place('E', 1, 5);
  place('B', 5, 5);
  place('E', 1, 6);
  ed.toolButton('0');
  clickAt(1, 5);
  pointAt(2, 5);
  clickAt(5, 5);
  pointAt(5, 5, 20);
  clickAt(1, 6);
  pointAt(2, 6);
  clickAt(5, 6);
  pointAt(5, 6, 20);
  ASSERT_EQ(cell(5, 6).XE, 2);
  ed.toolButton('2');
  pointAt(5, 5, 17, 17, true); // press and start dragging
  EXPECT_EQ(ed.wireState(), kDragging);
  pointAt(5, 6, 17, 17, true); // one row down
  EXPECT_EQ(cell(5, 6).part, 1);
  EXPECT_EQ(cell(5, 7).part, 2);
  EXPECT_TRUE(cell(5, 5).isEmpty());
  EXPECT_EQ(p->XWires[1][1].dest[0].row, 6);
  EXPECT_EQ(p->XWires[1][2].dest[0].row, 7);
  pointAt(5, 7, 17, 17, false); // released: the last step still moves
  EXPECT_EQ(ed.wireState(), kIdle);
  EXPECT_EQ(cell(5, 7).part, 1);
  EXPECT_EQ(p->XWires[1][1].dest[0].row, 7);
  EXPECT_EQ(p->XWires[1][2].dest[0].row, 8);
}

TEST_F(DragTest, GrabbedByTheThirdCellTheModuleJumps) {
  place('R', 4, 2);
  ed.toolButton('2');
  pointAt(4, 4, 17, 17, true); // the press over the third cell starts the drag
  EXPECT_EQ(cell(4, 2).part, 1);
  pointAt(4, 4, 18, 17, true); // the first movement puts the top cell under the pointer
  EXPECT_EQ(cell(4, 4).part, 1);
  EXPECT_EQ(cell(4, 6).part, 3);
  EXPECT_TRUE(cell(4, 2).isEmpty());
  pointAt(4, 5, 17, 17, true);
  EXPECT_EQ(cell(4, 5).part, 1);
  EXPECT_EQ(cell(4, 7).part, 3);
  EXPECT_TRUE(cell(4, 2).isEmpty());
}

TEST_F(DragTest, NoMoveOntoOccupiedCellsOrPastTheBottom) {
  place('R', 4, 2);
  place('A', 6, 10);
  ed.toolButton('2');
  pointAt(4, 2, 17, 17, true);
  pointAt(6, 8, 17, 17, true); // rows 8..10, row 10 taken
  EXPECT_EQ(cell(4, 2).letter, 'R');
  pointAt(4, 13, 17, 17, true); // rows 13..15: past the grid
  EXPECT_EQ(cell(4, 2).letter, 'R');
  pointAt(0, 0, 17, 17, true); // column 0 is fine for a move
  EXPECT_EQ(cell(0, 0).letter, 'R');
}

TEST_F(EditorTest, KeysActOnTheCellUnderThePointer) {
  pointAt(2, 2);
  ed.keyDown(EditorKey::Character, 'E');
  EXPECT_EQ(cell(2, 2).letter, 'E');
  EXPECT_EQ(ed.currentTool(), 'E');
  host.answers = {true};
  ed.keyDown(EditorKey::F3);
  EXPECT_TRUE(cell(2, 2).isEmpty());
  pointAt(6, 6);
  ed.keyDown(EditorKey::Character, 'R');
  ed.keyDown(EditorKey::F1);
  EXPECT_EQ(host.help.back(), 'R');
  pointAt(12, 12);
  ed.keyDown(EditorKey::F1);
  EXPECT_EQ(host.help.back(), 0);
}

TEST_F(EditorTest, DeleteKeyEmptiesTheLoopButKeepsItsTexts) {
  place('R', 4, 2);
  p->LoopText[1] = "Kessel";
  p->TextList.push_back("a||=10101");
  ed.keyDown(EditorKey::Delete);
  EXPECT_TRUE(p->loopIsEmpty(1));
  EXPECT_EQ(p->LoopText[1], " ");
  EXPECT_EQ(p->TextList.size(), 1u);
  EXPECT_EQ(ed.wireField()[20][10].state, kFree);
}

TEST_F(EditorTest, LoopNumberIsReadLeniently) {
  EXPECT_EQ(ed.edNumChange("12abc").loop, 12);
  EXPECT_EQ(p->CurrentLoop, 12);
  for (const char* bad : {"0", "201", "abc"}) {
    auto r = ed.edNumChange(bad);
    EXPECT_FALSE(r.valid) << bad;
    EXPECT_EQ(r.loop, 1) << bad;
  }
}

TEST_F(EditorTest, SampleTimeIsRoundedWhenEditedNotWhenShown) {
  p->LoopSampleTime[1] = 15; // as read from a file
  ed.rebuild();
  EXPECT_EQ(p->LoopSampleTime[1], 15);
  EXPECT_FALSE(p->Modified);
  EXPECT_EQ(ed.edZeitChange("5").state, Editor::SampleTimeState::TooSmall);
  EXPECT_EQ(p->LoopSampleTime[1], 15);
  EXPECT_EQ(ed.edZeitChange("x").state, Editor::SampleTimeState::NotANumber);
  EXPECT_EQ(ed.edZeitChange("125").state, Editor::SampleTimeState::Ok);
  EXPECT_EQ(p->LoopSampleTime[1], 120);
  EXPECT_TRUE(p->Modified);
  EXPECT_EQ(ed.edZeitExit("125").text, "120");
  auto small = ed.edZeitExit("3");
  EXPECT_EQ(small.text, "10");
  EXPECT_EQ(p->LoopSampleTime[1], 10);
  EXPECT_EQ(ed.edZeitExit("").text, "10");
}

TEST_F(EditorTest, DescriptionEditSetsModified) {
  ed.descriptionEdited(" ");
  EXPECT_FALSE(p->Modified);
  ed.descriptionEdited("Heizkreis Nord");
  EXPECT_TRUE(p->Modified);
  EXPECT_EQ(p->LoopText[1], "Heizkreis Nord");
}

TEST_F(EditorTest, DataEntryOfAConstantKeepsAllModulesOfItsNumberAligned) {
  place('F', 1, 1);
  place('F', 1, 4);
  cell(1, 1).setF64(8, 3.5); // as if the dialog stored 3.5 ...
  p->FWert[1] = 3.5;         // ... into the shared table
  ed.toolButton('+');
  clickAt(1, 1);
  EXPECT_EQ(cell(1, 4).f64(8), 3.5);
}

TEST_F(EditorTest, HoverTextFollowsTheCellUnderThePointer) {
  ed.setFlags({true, true, false, true});
  place('R', 4, 2);
  pointAt(0, 0);
  pointAt(4, 2);
  EXPECT_EQ(host.hover, "Regler\nP-Band: 10.00\nTn: 200.00\nTv: 50.00\nVerstärkung: 1.00");
  pointAt(4, 3);
  EXPECT_EQ(host.hover, "");
}

} // namespace
} // namespace veltra::core
