#include "core/editor/editor.h"
#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/persist/signal_lists.h"
#include "tests/core/editor/editor_gestures.h"

#include <gtest/gtest.h>

#include <array>
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
    const bool a = answers.empty() || answers.front();
    return answers.empty() ? a : (answers.pop_front(), a);
  }
  void openModuleDialog(char letter) override { dialogs.push_back(letter); }
  void openTextDialog(int, int, int) override {}
  void redraw() override {}
  void overlayChanged() override {}
  void showHelp(char code) override { help.push_back(code); }
  void clearHelp() override { help.push_back(0); }
  void setHoverText(const std::string& t) override { hover = t; }
  void onlineDataEntry(int loop, int col, int row) override { online.push_back({loop, col, row}); }
  void loopChosen(int loop) override { chosen.push_back(loop); }

  std::vector<std::array<int, 3>> online;
  std::vector<int> chosen;
  std::deque<bool> answers;
  std::vector<char> dialogs, help;
  std::vector<std::string> questions;
  std::string hover;
};

class EditorTest : public ::testing::Test, public EditorGestures<EditorTest> {
  friend class EditorGestures<EditorTest>;

protected:
  void SetUp() override {
    p->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR));
    p->Modified = false;
  }
  TCell& cell(int col, int row) { return p->cell(p->CurrentLoop, col, row); }
  // The connect tool's state and whether the rubber band shows.
  std::pair<WireState, bool> band() const { return {ed.wireState(), ed.rubberBandVisible()}; }
  // Rows of the first destinations of analog connections 1 and 2.
  std::pair<int, int> destRows() const { return {p->XWires[1][1].dest[0].row, p->XWires[1][2].dest[0].row}; }
  // Rows from..to of a column as text: letter and part, "." when empty.
  std::string column(int col, int from, int to) {
    std::string s;
    for (int r = from; r <= to; ++r)
      s += cell(col, r).isEmpty() ? "." : static_cast<char>(cell(col, r).letter) + std::to_string(cell(col, r).part);
    return s;
  }

  std::unique_ptr<Project> p = std::make_unique<Project>();
  FakeHost host;
  Editor ed{*p, host};
};

// A refused placement still counts as an edit, but opens no dialog.
TEST_F(EditorTest, PlacingAModuleSetsDefaultsOpensItsDialogAndBlocksTheField) {
  place('D', 0, 3);
  EXPECT_TRUE(cell(0, 3).isEmpty());
  EXPECT_TRUE(p->Modified);
  EXPECT_TRUE(host.dialogs.empty());
  place('R', 4, 2);
  EXPECT_EQ(cell(4, 4).part, 3);
  EXPECT_EQ(cell(4, 2).f64(0), 10.0);
  EXPECT_EQ(host.dialogs, std::vector<char>{'R'});
  EXPECT_EQ(ed.wireField()[20][10].state, kBlocked);
  EXPECT_EQ(ed.wireField()[20][25].state, kFree);
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
};

TEST_F(ConnectTest, WrongOrTakenInputCancelsAtTheNextMovement) {
  clickAt(1, 2);
  pointAt(5, 2);
  clickAt(6, 2); // Q has a digital input only
  EXPECT_EQ(ed.wireState(), WireState::CancelPending);
  pointAt(6, 2, 25);
  EXPECT_EQ(band(), (std::pair<WireState, bool>{WireState::Idle, false}));
  EXPECT_TRUE(p->XWires[1][1].isFree());
  connect(1, 2, 3, 2);
  EXPECT_TRUE(cell(1, 2).XA == 1 && cell(3, 2).XE == 1 && p->XWires[1][1].dest[0].col == 3);
  connect(9, 2, 3, 2); // A's input is taken now
  EXPECT_TRUE(p->XWires[1][2].isFree());
  EXPECT_EQ(p->GetNextXNr(1), 2);
}

// The rubber band starts at the source's edge; an empty cell or a module
// without inputs keeps it; the connect button cancels at the next movement,
// Escape at once.
TEST_F(ConnectTest, GesturesThatConnectNothing) {
  clickAt(9, 3); // the second row of B has no output
  EXPECT_EQ(ed.wireState(), WireState::Idle);
  place('E', 12, 8);
  ed.toolButton('0');
  clickAt(1, 2);
  EXPECT_EQ(ed.wireState(), WireState::SourceChosen);
  pointAt(2, 4, 5, 6);
  EXPECT_EQ(std::vector<int>({ed.rubberStart().x, ed.rubberStart().y, ed.rubberEnd().x, ed.rubberEnd().y}),
            std::vector<int>({70, 88, 75, 146}));
  clickAt(12, 12);
  EXPECT_EQ(ed.wireState(), WireState::RubberBand);
  clickAt(12, 8); // E has no inputs
  EXPECT_EQ(band(), (std::pair<WireState, bool>{WireState::RubberBand, true}));
  ed.toolButton('0');
  EXPECT_EQ(ed.wireState(), WireState::CancelPending);
  pointAt(11, 11);
  EXPECT_EQ(band(), (std::pair<WireState, bool>{WireState::Idle, false}));
  clickAt(1, 2);
  pointAt(3, 3);
  ed.keyDown(EditorKey::Escape);
  EXPECT_EQ(band(), (std::pair<WireState, bool>{WireState::Idle, false}));
}

// The cell half decides: the left half removes one input's end, the right
// half the whole connection of the output.
TEST_F(ConnectTest, DisconnectByHalfOfTheCell) {
  connect(1, 2, 3, 2);
  connect(1, 2, 9, 2);
  ed.toolButton('1');
  clickAt(3, 2, 5);
  EXPECT_EQ(host.questions.back(), "Verbindungen dieses Eingangs löschen?");
  EXPECT_EQ(cell(3, 2).XE, 0);
  EXPECT_FALSE(p->XWires[1][1].isFree());
  clickAt(1, 2, 30);
  EXPECT_EQ(host.questions.back(), "Verbindungen dieses Ausgangs löschen?");
  EXPECT_TRUE(p->XWires[1][1].isFree());
  EXPECT_EQ(cell(9, 2).XE, 0);
}

TEST_F(EditorTest, DragModuleFollowsThePointerAndItsConnectionEndsMoveOnce) {
  place('E', 1, 5);
  place('B', 5, 5);
  place('E', 1, 6);
  ed.toolButton('0');
  connect(1, 5, 5, 5);
  connect(1, 6, 5, 6);
  ASSERT_EQ(cell(5, 6).XE, 2);
  ed.toolButton('2');
  pointAt(5, 5, 17, 17, true); // press and start dragging
  EXPECT_EQ(ed.wireState(), WireState::Dragging);
  pointAt(5, 6, 17, 17, true); // one row down
  EXPECT_EQ(column(5, 5, 7), ".B1B2");
  EXPECT_EQ(destRows(), std::pair(6, 7));
  pointAt(5, 7, 17, 17, false); // released: the last step still moves
  EXPECT_EQ(ed.wireState(), WireState::Idle);
  EXPECT_EQ(column(5, 5, 8), "..B1B2");
  EXPECT_EQ(destRows(), std::pair(7, 8));
}

TEST_F(EditorTest, DragGrabbedByTheThirdCellTheModuleJumps) {
  place('R', 4, 2);
  ed.toolButton('2');
  pointAt(4, 4, 17, 17, true); // the press over the third cell starts the drag
  EXPECT_EQ(column(4, 2, 4), "R1R2R3");
  pointAt(4, 4, 18, 17, true); // the first movement puts the top cell under the pointer
  EXPECT_EQ(column(4, 2, 6), "..R1R2R3");
  pointAt(4, 5, 17, 17, true);
  EXPECT_EQ(column(4, 2, 7), "...R1R2R3");
}

TEST_F(EditorTest, DragNoMoveOntoOccupiedCellsOrPastTheBottom) {
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

// Tool buttons show help, except for tools without action.
TEST_F(EditorTest, ToolButtonsAndKeysActOnTheCellUnderThePointer) {
  ed.toolButton('R');
  ed.toolButton('3');
  ed.toolButton('#');
  EXPECT_EQ(host.help, (std::vector<char>{'R', '#'}));
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

// Loop number read leniently; sample time rounded when edited, not when
// shown; an empty description (" ") changes nothing.
TEST_F(EditorTest, LoopFieldsAreCheckedAndSetModifiedOnlyWhenChanged) {
  p->LoopSampleTime[1] = 15; // as read from a file
  ed.rebuild();
  ed.descriptionEdited(" ");
  EXPECT_FALSE(p->Modified);
  EXPECT_EQ(p->LoopSampleTime[1], 15);
  EXPECT_EQ(ed.edZeitChange("5").state, Editor::SampleTimeState::TooSmall);
  EXPECT_EQ(p->LoopSampleTime[1], 15);
  EXPECT_EQ(ed.edZeitChange("x").state, Editor::SampleTimeState::NotANumber);
  EXPECT_EQ(ed.edZeitChange("125").state, Editor::SampleTimeState::Ok);
  EXPECT_EQ(p->LoopSampleTime[1], 120);
  EXPECT_TRUE(p->Modified);
  EXPECT_EQ(ed.edZeitExit("125").text, "120");
  EXPECT_EQ(ed.edZeitExit("3").text, "10");
  EXPECT_EQ(p->LoopSampleTime[1], 10);
  EXPECT_EQ(ed.edZeitExit("").text, "10");
  p->Modified = false;
  ed.descriptionEdited("Heizkreis Nord");
  EXPECT_TRUE(p->Modified);
  EXPECT_EQ(p->LoopText[1], "Heizkreis Nord");
  EXPECT_EQ(ed.edNumChange("12abc").loop, 12);
  EXPECT_EQ(p->CurrentLoop, 12);
  for (const char* bad : {"0", "201", "abc"}) {
    auto r = ed.edNumChange(bad);
    EXPECT_TRUE(!r.valid && r.loop == 1) << bad;
  }
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

// Online, data entry hands the cell to the link's value change: no module
// dialog, no edit of the project.
TEST_F(EditorTest, OnlineDataEntryGoesToTheHostAndChangesNothing) {
  place('E', 1, 1);
  host.dialogs.clear();
  p->Modified = false;
  ed.setOnlineMode(true);
  ed.toolButton('+');
  clickAt(1, 1);
  clickAt(2, 1); // an empty cell: nothing
  EXPECT_EQ(host.online, (std::vector<std::array<int, 3>>{{1, 1, 1}}));
  EXPECT_TRUE(host.dialogs.empty());
  EXPECT_FALSE(p->Modified);
  // Placed while online: the type's defaults, no dialog of either kind.
  place('R', 5, 5);
  EXPECT_EQ(cell(5, 5).f64(0), 10.0);
  EXPECT_EQ(host.online.size(), 1u);
  EXPECT_TRUE(host.dialogs.empty());
  ed.edNumChange("7");
  EXPECT_EQ(host.chosen, std::vector<int>{7});
}

} // namespace
} // namespace veltra::core
