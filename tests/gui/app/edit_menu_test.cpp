// "Bearbeiten" (undo and redo) and "Projekt" -> "Vergleichen…" in the window.

#include "main_window_harness.h"
#include "tests/gui/gui_test.h"

#include "gui/app/edit_menu.h"
#include "gui/compiler/result_window.h"
#include "gui/util/qt_text.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

namespace veltra::gui::testing {

class EditMenuTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;

  QAction* undo() { return h->window().editMenu().undoAction(); }
  QAction* redo() { return h->window().editMenu().redoAction(); }
  const core::TCell& cell(int col, int row) { return h->cell(col, row); }
  void drag(int col, int row, int toCol, int toRow, bool moveAfterRelease = true) {
    h->toolButton('2');
    h->moveToCell(col, row);
    h->press(35 * col + 17, 35 * row + 17);
    h->moveToCell(col, row, true);
    h->moveToCell(toCol, toRow, true);
    h->release(35 * toCol + 17, 35 * toRow + 17);
    if (moveAfterRelease) h->move(35 * toCol + 18, 35 * toRow + 17);
  }

private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  void init() {
    h = std::make_unique<WindowHarness>();
    QVERIFY(h->showActive());
  }
  void cleanup() {
    QVERIFY2(h->ui().unscripted.isEmpty(), qPrintable(h->ui().unscripted.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
  }

  void menuSitsBetweenDateiAndProjekt() {
    QStringList titles;
    for (QAction* a : h->window().menuBar()->actions())
      titles << a->text();
    QVERIFY2(titles.indexOf("Bearbeiten") == titles.indexOf("Datei") + 1, qPrintable(titles.join(",")));
    QVERIFY(titles.contains("Projekt"));
    QCOMPARE(undo()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(redo()->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
  }

  void textsNameTheStepAndEnablingFollowsTheHistory() {
    QVERIFY(!undo()->isEnabled() && !redo()->isEnabled());
    QCOMPARE(undo()->text(), QStringLiteral("Rückgängig"));
    QCOMPARE(redo()->text(), QStringLiteral("Wiederholen"));
    h->place('R', 5, 2);
    QVERIFY(undo()->isEnabled() && !redo()->isEnabled());
    QCOMPARE(undo()->text(), QStringLiteral("Rückgängig: Modul R setzen"));
    undo()->trigger();
    QVERIFY(cell(5, 2).isEmpty());
    QVERIFY(!undo()->isEnabled() && redo()->isEnabled());
    QCOMPARE(redo()->text(), QStringLiteral("Wiederholen: Modul R setzen"));
    // Online, the link changes no model: neither is available.
    h->editor().setOnlineMode(true);
    h->window().editMenu().update();
    QVERIFY(!undo()->isEnabled() && !redo()->isEnabled());
    redo()->trigger();
    QVERIFY(cell(5, 2).isEmpty());
    h->editor().setOnlineMode(false);
    h->window().editMenu().update();
    QVERIFY(redo()->isEnabled());
  }

  // Right after the release, without another movement, the step is there.
  void ctrlZRightAfterTheRelease() {
    h->place('R', 5, 2);
    drag(5, 2, 8, 9, false);
    QCOMPARE(cell(8, 9).letter, 'R');
    QVERIFY(undo()->isEnabled());
    QCOMPARE(undo()->text(), QStringLiteral("Rückgängig: Modul R verschieben"));
    h->key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(cell(5, 2).letter == 'R' && cell(8, 9).isEmpty());
  }

  // Ctrl+Z after a drag puts the module and its connection back; Ctrl+Y and
  // Ctrl+Shift+Z move it again.
  void ctrlZAfterADrag() {
    h->place('E', 1, 2);
    h->place('R', 5, 2);
    h->connect(1, 2, 5, 2);
    drag(5, 2, 7, 6);
    QVERIFY(cell(7, 6).letter == 'R' && cell(5, 2).isEmpty());
    QCOMPARE(h->project().XWires[1][1].dest[0].col, 7);
    QCOMPARE(undo()->text(), QStringLiteral("Rückgängig: Modul R verschieben"));
    h->cursorToCell(12, 12); // keys over the grid are tools; the shortcut still wins
    h->key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(cell(5, 2).letter == 'R' && cell(7, 6).isEmpty());
    QCOMPARE(h->project().XWires[1][1].dest[0].col, 5);
    QVERIFY(cell(12, 12).isEmpty());
    h->key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(cell(7, 6).letter, 'R');
    h->key(Qt::Key_Z, Qt::ControlModifier);
    h->key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(cell(7, 6).letter, 'R');
    // The picture is redrawn: the symbol shows at the new place.
    const QImage& img = h->window().gridView()->image();
    auto cellPicture = [&img](int col, int row) { return img.copy(35 * col, 35 * row, 35, 35); };
    QVERIFY(cellPicture(7, 6) != cellPicture(13, 0));
    // With nothing to undo, Ctrl+Z over the grid places no Z module.
    while (undo()->isEnabled())
      undo()->trigger();
    h->key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(cell(12, 12).isEmpty());
  }

  // The loop of the step is shown, with its description in the field.
  void undoShowsTheLoopOfTheStep() {
    h->place('R', 5, 2);
    h->window().loopFields().description()->setPlainText("Heizkreis");
    h->window().showLoop(9);
    undo()->trigger();
    QCOMPARE(h->project().CurrentLoop, 1);
    QCOMPARE(h->window().loopFields().edNum()->text(), QStringLiteral("1"));
    QCOMPARE(h->window().loopFields().description()->toPlainText(), QStringLiteral(" "));
    QCOMPARE(cell(5, 2).letter, 'R');
  }

  void savedStateAndNeuClearTheHistory() {
    const QString file = QDir(h->programDir().path()).filePath("p.vtr");
    h->place('R', 5, 2);
    QVERIFY(h->window().projectCommands().saveProjectAs(file));
    QVERIFY(!h->project().Modified);
    h->place('A', 9, 2);
    QVERIFY(h->project().Modified);
    undo()->trigger();
    QVERIFY(!h->project().Modified);
    undo()->trigger();
    QVERIFY(h->project().Modified);
    redo()->trigger();
    QVERIFY(!h->project().Modified);
    QVERIFY(h->window().projectCommands().openProject(file));
    QVERIFY(!undo()->isEnabled() && !redo()->isEnabled());
    h->place('A', 9, 2);
    h->ui().answers = {false}; // "Regelkreise speichern?"
    WindowHarness::whenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); }); // "Projektdaten"
    h->window().projectCommands().Neu1Click();
    QVERIFY(!undo()->isEnabled());
    QVERIFY(!h->project().Modified);
  }

  void compareListsTheDifferences() {
    const QString file = QDir(h->programDir().path()).filePath("alt.vtr");
    h->place('R', 5, 2);
    QVERIFY(h->window().projectCommands().saveProjectAs(file));
    h->place('A', 9, 2);
    h->project().LoopSampleTime[1] = 30;
    QStringList shown;
    QString title;
    WindowHarness::whenModal([&](QWidget* modal) {
      title = modal->windowTitle();
      shown = h->window().resultWindow()->lines();
      static_cast<QDialog*>(modal)->accept();
    });
    h->ui().openNames = {file};
    h->window().projectCommands().VergleichenClick();
    QCOMPARE(title, QStringLiteral("Vergleich mit alt.vtr"));
    // From the chosen file to the open project.
    const QString aText = fromCp1252(h->project().SignalDesc.text(core::SignalGroup::A, 1));
    QCOMPARE(shown, (QStringList{"Regelkreis 1:", "  Modul A (10, 3) hinzugefügt: \"" + aText + "\"",
                                 "  Abtastzeit 10 → 30"}));
    // An unreadable file: the message, and no list.
    h->ui().openNames = {QDir(h->programDir().path()).filePath("fehlt.vtr")};
    h->window().projectCommands().VergleichenClick();
    QCOMPARE(h->ui().errors.size(), qsizetype{1});
  }
};

VELTRA_GUI_TEST(EditMenuTest);

} // namespace veltra::gui::testing

#include "edit_menu_test.moc"
