#include "core/editor/editor.h"
#include "core/editor/text_annotations.h"
#include "core/history/edit_history.h"
#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/modules/time_switch.h"
#include "core/persist/desc_writer.h"
#include "core/persist/library_file.h"
#include "core/persist/project_file_set.h"
#include "core/persist/signal_lists.h"
#include "core/persist/txl_writer.h"
#include "core/persist/uhr_writer.h"
#include "core/persist/vtp_writer.h"
#include "core/persist/vtr_writer.h"
#include "core/util/file_io.h"
#include "tests/core/editor/editor_gestures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

namespace veltra::core {
namespace {

// What "Speichern" would write, all files in one string, plus the signal
// names, which no file holds but an edit can change.
std::string savedImage(const Project& p) {
  std::string names;
  for (SignalGroup g : kAllGroups) {
    std::span<const TSignalText> t = p.SignalName.group(g);
    names.append(reinterpret_cast<const char*>(t.data()), t.size_bytes());
  }
  const std::string vtp(reinterpret_cast<const char*>(&p.ProjectData), sizeof p.ProjectData);
  return writeVtr(p) + "|" + writeUhr(p.SwitchPrograms) + "|" + writeDesc(p.SignalDesc) + "|" + writeTxl(p.TextList) +
         "|" + writeVtp(p.ProjectData) + "|" + names + "|" +
         std::string(reinterpret_cast<const char*>(p.FWert.data()), sizeof p.FWert);
}

// A window that answers Yes and whose dialogs change what their "Ok" would.
class DialogHost : public EditorHost {
public:
  bool askYesNo(const std::string&) override { return true; }
  void openModuleDialog(char letter) override {
    if (onDialog) onDialog(letter);
  }
  void openTextDialog(int loop, int col, int row) override {
    if (onText) onText(loop, col, row);
  }
  void redraw() override {}
  void overlayChanged() override {}
  void showHelp(char) override {}
  void clearHelp() override {}
  void setHoverText(const std::string&) override {}

  std::function<void(char)> onDialog;
  std::function<void(int, int, int)> onText;
};

// The table of edit kinds below drives these helpers, so they are public.
class HistoryTest : public ::testing::Test, public EditorGestures<HistoryTest> {
public:
  void SetUp() override {
    p->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR));
    // A loaded project: some modules and connections in loops 1 and 2.
    ed.setHistory(&history);
    place('E', 1, 2);
    place('R', 5, 2);
    place('A', 9, 2);
    place('F', 1, 8);
    place('S', 1, 11);
    ed.toolButton('0');
    connect(1, 2, 5, 2);
    connect(5, 2, 9, 2);
    connect(1, 8, 5, 3);
    ASSERT_TRUE(placeModule(*p, 2, 3, 3, 'K'));
    ASSERT_TRUE(placeModule(*p, 7, 1, 1, 'F')); // shares constant 1 with the F of loop 1
    p->cell(7, 1, 1).setI32(0, 1);
    p->FWert[1] = 2.5;
    p->TextList = {"Vorlauf||=10102", "Pumpe||=20303"};
    history.reset(*p);
    p->Modified = false;
  }

  void drag(int col, int row, int toCol, int toRow) {
    ed.toolButton('2');
    pointAt(col, row, 17, 17, true);
    pointAt(toCol, toRow, 17, 17, true);
    pointAt(toCol, toRow, 18, 17, false);
  }

  std::unique_ptr<Project> p = std::make_unique<Project>();
  DialogHost host;
  Editor ed{*p, host};
  EditHistory history{*p};
};

struct EditCase {
  const char* name;
  const char* stepName;
  std::function<void(HistoryTest&)> edit;
};

class EditKindTest : public HistoryTest, public ::testing::WithParamInterface<EditCase> {};

// Each kind of edit is one step; undo gives the saved files byte for byte
// as before, redo as after, and the loop it concerns.
TEST_P(EditKindTest, UndoAndRedoRestoreTheSavedFilesByteForByte) {
  const std::string before = savedImage(*p);
  GetParam().edit(*this);
  const std::string after = savedImage(*p);
  ASSERT_TRUE(before != after) << "the edit changed nothing";
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(history.undoName(), GetParam().stepName);
  EXPECT_TRUE(p->Modified);
  history.undo();
  EXPECT_TRUE(savedImage(*p) == before);
  EXPECT_FALSE(p->Modified);
  EXPECT_EQ(history.redoName(), GetParam().stepName);
  history.redo();
  EXPECT_TRUE(savedImage(*p) == after);
  EXPECT_TRUE(p->Modified);
  history.undo();
  EXPECT_TRUE(savedImage(*p) == before);
}

const EditCase kEditCases[] = {
    {"Place", "Modul D setzen", [](HistoryTest& t) { t.place('D', 7, 6); }},
    {"PlaceWithDialog", "Modul G setzen",
     [](HistoryTest& t) {
       t.host.onDialog = [&t](char) { t.p->cell(1, 7, 6).setF64(8, 77.0); };
       t.place('G', 7, 6);
     }},
    {"Delete", "Modul R löschen", [](HistoryTest& t) { t.ed.toolButton('#'), t.clickAt(5, 3); }},
    {"BlockDelete", "Bereich löschen",
     [](HistoryTest& t) { t.ed.toolButton('9'), t.clickAt(0, 0), t.clickAt(14, 14); }},
    {"Move", "Modul R verschieben", [](HistoryTest& t) { t.drag(5, 2, 6, 5); }},
    {"Connect", "Verbindung setzen", [](HistoryTest& t) { t.ed.toolButton('0'), t.connect(1, 11, 5, 4); }},
    {"DisconnectOutput", "Verbindungen löschen", [](HistoryTest& t) { t.ed.toolButton('1'), t.clickAt(1, 2, 30); }},
    {"DialogOk", "Modul R ändern",
     [](HistoryTest& t) {
       t.host.onDialog = [&t](char) { t.p->cell(1, 5, 2).setF64(24, 3.5); };
       t.ed.toolButton('+'), t.clickAt(5, 4);
     }},
    // F's "Ok": FWert and, through SetzeFWert, every F module of the constant.
    {"ConstantOk", "Modul F ändern",
     [](HistoryTest& t) {
       t.host.onDialog = [&t](char) { t.p->FWert[1] = 9.25; };
       t.ed.toolButton('+'), t.clickAt(1, 8);
     }},
    {"SwitchPoints", "Modul S ändern",
     [](HistoryTest& t) {
       t.host.onDialog = [&t](char) {
         addSwitchPoint(*t.p, 1, {1, {}, kMonday | kFriday, 7, 0});
         addSwitchPoint(*t.p, 1, {0, {}, kMonday, 17, 30});
         deleteSwitchPoint(*t.p, 1, 1);
       };
       t.ed.toolButton('+'), t.clickAt(1, 11);
     }},
    {"FreeText", "Text ändern",
     [](HistoryTest& t) {
       t.host.onText = [&t](int loop, int col, int row) {
         const int i = findTextEntry(t.p->TextList, loop, col, row);
         if (i >= 0) t.p->TextList.erase(t.p->TextList.begin() + i);
         t.p->TextList.push_back(formatTextEntry({"Rücklauf", "a=b", ""}, loop, col, row));
       };
       t.ed.toolButton('7'), t.clickAt(1, 2);
     }},
    {"Description", "Beschreibung ändern", [](HistoryTest& t) { t.ed.descriptionEdited("Heizkreis 1"); }},
    {"SampleTime", "Abtastzeit ändern", [](HistoryTest& t) { t.ed.edZeitExit("35"); }},
    {"ClearLoop", "Regelkreis leeren", [](HistoryTest& t) { t.pointAt(3, 3), t.ed.keyDown(EditorKey::Delete); }},
    // Paths of the window, run in an edit of their own.
    {"SignalEditor", "Signale ändern",
     [](HistoryTest& t) {
       EditScope edit(&t.history, "Signale ändern");
       t.p->SignalDesc.at(SignalGroup::E, 1)->assign("Aussentemperatur");
       t.p->SignalName.at(SignalGroup::I, 4)->assign("Taster");
       for (int loop = 1; loop <= kLoops; ++loop)
         t.p->copySignalTextsIntoModules(loop);
     }},
    {"ProjectData", "Projektdaten ändern",
     [](HistoryTest& t) {
       EditScope edit(&t.history, "Projektdaten ändern");
       t.p->ProjectData.customer.assign("Stadtwerke");
     }},
    {"Library", "Library laden",
     [](HistoryTest& t) {
       LibraryLoop lib;
       lib.cells = t.p->Cells[1];
       lib.xWires = t.p->XWires[1];
       lib.yWires = t.p->YWires[1];
       lib.text = "aus der Library";
       lib.sampleTime = 60;
       EditScope edit(&t.history, "Library laden");
       applyLibrary(*t.p, 150, lib);
     }},
    {"SUhr", "Schaltuhren übernehmen",
     [](HistoryTest& t) {
       EditScope edit(&t.history, "Schaltuhren übernehmen");
       for (auto& program : t.p->SwitchPrograms)
         program[0] = {1, {}, kAllDays, 6, 15};
     }},
};

INSTANTIATE_TEST_SUITE_P(Kinds, EditKindTest, ::testing::ValuesIn(kEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The step names the loop it changed, which the window then shows.
TEST_F(HistoryTest, UndoAndRedoNameTheLoopOfTheStep) {
  {
    EditScope edit(&history, "Library laden");
    LibraryLoop lib;
    lib.text = "x";
    applyLibrary(*p, 150, lib);
  }
  ed.descriptionEdited("in Regelkreis 1");
  EXPECT_EQ(history.undo(), 1);
  EXPECT_EQ(history.undo(), 150);
  EXPECT_EQ(history.redo(), 150);
  {
    EditScope edit(&history, "Projektdaten ändern");
    p->ProjectData.town.assign("Ulm");
  }
  EXPECT_EQ(history.undo(), 0); // no loop
}

// A drag over many cells, a connection gesture of three events: one step each.
TEST_F(HistoryTest, OneGestureIsOneStep) {
  ed.toolButton('2');
  pointAt(5, 2, 17, 17, true);
  for (int row = 3; row <= 6; ++row)
    pointAt(5, row, 17, 17, true);
  EXPECT_EQ(history.size(), 0u) << "the drag is still going on";
  pointAt(5, 6, 18, 17, false);
  EXPECT_EQ(history.size(), 1u);
  EXPECT_EQ(p->cell(1, 5, 6).letter, 'R');
  history.undo();
  EXPECT_EQ(p->cell(1, 5, 2).letter, 'R');
  EXPECT_EQ(p->XWires[1][1].dest[0].row, 2);
  // Esc ends a drag as well.
  pointAt(5, 2, 17, 17, true);
  pointAt(5, 4, 17, 17, true);
  ed.keyDown(EditorKey::Escape);
  EXPECT_EQ(history.size(), 1u);
  EXPECT_EQ(history.undoName(), "Modul R verschieben");
  EXPECT_FALSE(history.canRedo()) << "the new drag replaced what could be redone";
}

// The window reports the release of the button before any further movement:
// the drag ends there, and the next movement moves nothing.
TEST_F(HistoryTest, ReleasingTheButtonEndsTheDrag) {
  ed.toolButton('2');
  pointAt(5, 2, 17, 17, true);
  pointAt(5, 5, 17, 17, true);
  ed.mouseUp();
  EXPECT_EQ(history.size(), 1u);
  EXPECT_EQ(ed.wireState(), WireState::Idle);
  pointAt(5, 9, 17, 17, false);
  EXPECT_EQ(p->cell(1, 5, 5).letter, 'R');
  EXPECT_EQ(p->cell(1, 5, 5).part, 1) << "the top cell stayed at the release";
  EXPECT_TRUE(p->cell(1, 5, 9).isEmpty());
  EXPECT_EQ(history.size(), 1u);
  EXPECT_EQ(history.undo(), 1);
  EXPECT_EQ(p->cell(1, 5, 2).letter, 'R');
}

// Typing a description is one step per loop; the saved state ends the run.
TEST_F(HistoryTest, TypingMergesUntilSavedOrAnotherEdit) {
  for (const char* text : {"H", "He", "Hei", "Heiz"})
    ed.descriptionEdited(text);
  EXPECT_EQ(history.size(), 1u);
  history.markSaved();
  ed.descriptionEdited("Heizk");
  ed.descriptionEdited("Heizkr");
  EXPECT_EQ(history.size(), 2u);
  history.undo();
  EXPECT_EQ(p->LoopText[1], "Heiz");
  EXPECT_FALSE(p->Modified);
  history.undo();
  EXPECT_EQ(p->LoopText[1], " ");
  EXPECT_TRUE(p->Modified);
}

TEST_F(HistoryTest, ModifiedFollowsTheSavedState) {
  EXPECT_FALSE(history.canUndo());
  place('D', 7, 6);
  place('D', 7, 9);
  history.markSaved();
  p->Modified = false;
  place('D', 11, 6);
  EXPECT_TRUE(p->Modified);
  history.undo();
  EXPECT_FALSE(p->Modified) << "back at the saved state";
  history.undo();
  EXPECT_TRUE(p->Modified);
  history.redo();
  EXPECT_FALSE(p->Modified);
  history.redo();
  EXPECT_TRUE(p->Modified);
  // Undo below the saved state, then a new edit: the saved state is gone.
  history.undo();
  history.undo();
  place('G', 11, 11);
  for (int i = 0; i < 3; ++i) {
    history.undo();
    EXPECT_TRUE(p->Modified);
  }
  EXPECT_FALSE(history.canUndo());
}

// An edit that changes nothing is no step and leaves what can be redone.
TEST_F(HistoryTest, NoChangeNoStep) {
  place('D', 7, 6);
  history.undo();
  place('D', 6, 2); // beside R: refused
  ed.toolButton('0');
  clickAt(1, 2); // a connect click alone changes nothing
  EXPECT_EQ(history.size(), 1u);
  EXPECT_TRUE(history.canRedo());
  EXPECT_EQ(history.redoName(), "Modul D setzen");
}

// What changes outside an edit (compiler fields, error codes) is no step and
// is not taken back with the steps around it.
TEST_F(HistoryTest, ChangesOutsideAnEditAreNoStep) {
  p->cell(1, 5, 2).error = -3;
  p->cell(1, 5, 2).setI32(32, 1);
  place('D', 7, 6);
  EXPECT_EQ(history.size(), 1u);
  history.undo();
  EXPECT_EQ(p->cell(1, 5, 2).error, -3);
  EXPECT_EQ(p->cell(1, 5, 2).i32(32), 1);
  EXPECT_FALSE(p->Modified);
  p->cell(1, 5, 2).error = 0; // saving clears it again
  history.redo();
  EXPECT_EQ(p->cell(1, 5, 2).error, 0);
  EXPECT_FALSE(history.canRedo());
  // Inside an open edit, undo first records what the edit did so far.
  history.begin("Abtastzeit ändern");
  p->LoopSampleTime[4] = 90;
  EXPECT_EQ(history.undo(), 4);
  history.end();
  EXPECT_EQ(p->LoopSampleTime[4], 10);
  EXPECT_TRUE(history.canRedo());
}

// Nested edits are one step named by the outermost name given.
TEST_F(HistoryTest, NestedEditsAreOneStep) {
  {
    EditScope outer(&history);
    place('D', 7, 6);
    place('D', 7, 9);
    history.name("ignored: already named");
  }
  EXPECT_EQ(history.size(), 1u);
  EXPECT_EQ(history.undoName(), "Modul D setzen");
  history.undo();
  EXPECT_TRUE(p->cell(1, 7, 6).isEmpty());
  EXPECT_TRUE(p->cell(1, 7, 9).isEmpty());
}

TEST(HistoryBound, KeepsTheNewestStepsAndForgetsAnOlderSavedState) {
  auto p = std::make_unique<Project>();
  EditHistory h(*p, 200);
  for (int i = 1; i <= 250; ++i) {
    EditScope edit(&h, "Abtastzeit ändern");
    p->LoopSampleTime[1] = 10 * i;
  }
  EXPECT_EQ(h.size(), 200u);
  int undone = 0;
  while (h.canUndo()) {
    h.undo();
    ++undone;
  }
  EXPECT_EQ(undone, 200);
  EXPECT_EQ(p->LoopSampleTime[1], 500) << "the state after step 50";
  EXPECT_TRUE(p->Modified) << "the loaded state is no longer reachable";
  EXPECT_GE(EditHistory::kDefaultDepth, 200u);
}

TEST_F(HistoryTest, ResetForgetsEverything) {
  place('D', 7, 6);
  history.reset(*p);
  EXPECT_FALSE(history.canUndo());
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(history.undo(), 0);
  EXPECT_EQ(p->cell(1, 7, 6).letter, 'D');
}

// A long random sequence of edits of every kind: undone to the start it is
// the loaded project, redone to the end the edited one.
TEST_F(HistoryTest, RandomEditsUndoneAndRedoneWhole) {
  const std::string loaded = savedImage(*p);
  std::mt19937 rng(1234);
  auto any = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const char letters[] = "ABDEFGHKMPQRTVZ";
  host.onDialog = [&](char) {
    TCell& top =
        p->cell(p->CurrentLoop, ed.selCol(), topRowOf(p->cell(p->CurrentLoop, ed.selCol(), ed.selRow()), ed.selRow()));
    top.setF64(8, any(1000) / 8.0);
  };
  for (int step = 0; step < 300; ++step) {
    switch (any(8)) {
    case 0:
    case 1:
      place(letters[any(15)], any(15), any(15));
      break;
    case 2:
      ed.toolButton('#'), clickAt(any(15), any(15));
      break;
    case 3:
      ed.toolButton('0'), connect(any(15), any(15), any(15), any(15));
      break;
    case 4:
      drag(any(15), any(15), any(15), any(15));
      break;
    case 5:
      ed.edNumChange(std::to_string(1 + any(3)));
      ed.descriptionEdited("Text " + std::to_string(step));
      break;
    case 6: {
      EditScope edit(&history, "Schaltuhr");
      if (any(2) == 0)
        addSwitchPoint(*p, 1 + any(32), {1, {}, 1 + any(127), any(24), any(60)});
      else
        deleteSwitchPoint(*p, 1 + any(32), 1);
      break;
    }
    default:
      ed.toolButton('1'), clickAt(any(15), any(15), any(2) == 0 ? 5 : 30);
      break;
    }
  }
  const std::string edited = savedImage(*p);
  ASSERT_TRUE(edited != loaded);
  ASSERT_GT(history.size(), 100u);
  while (history.canUndo())
    history.undo();
  EXPECT_TRUE(savedImage(*p) == loaded);
  EXPECT_FALSE(p->Modified);
  while (history.canRedo())
    history.redo();
  EXPECT_TRUE(savedImage(*p) == edited);
}

// Saving for real: the files after undo equal the files of the loaded state.
TEST_F(HistoryTest, SavedFilesAfterUndoEqualTheLoadedOnes) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("veltra_history_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  saveProject(*p, dir / "a.vtr");
  history.markSaved();
  ed.toolButton('9'), clickAt(0, 0), clickAt(14, 14);
  ed.edZeitExit("120");
  history.undo();
  history.undo();
  EXPECT_FALSE(p->Modified);
  saveProject(*p, dir / "b.vtr");
  for (const char* ext : {".vtr", ".uhr", ".desc", ".txl"})
    EXPECT_TRUE(readFileText(dir / (std::string("a") + ext)) == readFileText(dir / (std::string("b") + ext))) << ext;
  fs::remove_all(dir);
}

} // namespace
} // namespace veltra::core
