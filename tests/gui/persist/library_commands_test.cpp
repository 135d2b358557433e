// "Library laden" and "Library speichern" through the main window's menu.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/persist/library_commands.h"

#include <QAction>
#include <QLineEdit>

namespace veltra::gui::testing {

class LibraryCommandsTest : public WindowTestCase {
  Q_OBJECT

private slots:
  void libraryLoadOnlyIntoAnEmptyLoop() {
    h->eToA(2);
    QVERIFY(!h->window().libraryLoadAction()->isEnabled());
    h->ui().saveNames = {h->file("regler.rkl")};
    h->menu("Datei", "Library speichern");
    h->menu("Datei", "Library laden"); // disabled: nothing happens
    QCOMPARE(h->ui().infos.size(), 0);
    h->window().libraryCommands().Libraryladen1Click(); // the command itself refuses, with a message
    QCOMPARE(h->ui().infos.size(), 1);
    QVERIFY(h->ui().infos[0].contains("Regelkreis 1"));
    QCOMPARE(h->ui().openCalls, 0);
    h->fields().edNum()->setText("2");
    QVERIFY(h->window().libraryLoadAction()->isEnabled());
    h->ui().openNames = {h->file("regler.rkl")};
    h->menu("Datei", "Library laden");
    QCOMPARE(h->cell(3, 2).XE, 1);
    QCOMPARE(h->project().XWires[2][1].dest[0].col, 3);
    QVERIFY(!h->window().libraryLoadAction()->isEnabled() && h->project().Modified);
  }
};

VELTRA_GUI_TEST(LibraryCommandsTest);

} // namespace veltra::gui::testing

#include "library_commands_test.moc"
