// "Tabelle erzeugen" through the main window's menu.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "core/compiler/duplicate_outputs.h"
#include "gui/compiler/result_window.h"
#include "gui/editor/grid_view.h"

#include <QDialog>
#include <QFile>

namespace veltra::gui::testing {

class CompilerCommandsTest : public WindowTestCase {
  Q_OBJECT

private slots:
  void tableShowsDuplicateOutputsOrAsksForTheFile() {
    h->eToA(2);
    h->ui().saveNames = {h->file("anlage.mtb")};
    h->menu("Datei", "Tabelle erzeugen");
    QVERIFY(QFile::exists(h->file("anlage.mtb")));
    h->ui().infos.clear();
    h->eToA(6);
    QStringList lines;
    WindowHarness::whenModal([&](QWidget* w) {
      if (auto* r = qobject_cast<ResultWindow*>(w)) lines = r->lines();
      qobject_cast<QDialog*>(w)->accept();
    });
    h->menu("Datei", "Tabelle erzeugen");
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].startsWith("Regelkreis: 1 Zeile: 7 Spalte: 4  "), qPrintable(lines[0]));
    QCOMPARE(h->cell(3, 6).error, core::kErrorDuplicateOutput);
    QCOMPARE(h->cell(3, 2).error, 0);
    QCOMPARE(h->ui().saveCalls, 1);                                                    // no second table written
    QCOMPARE(h->window().gridView()->image().pixelColor(105, 225), QColor(255, 0, 0)); // its red frame
  }
};

VELTRA_GUI_TEST(CompilerCommandsTest);

} // namespace veltra::gui::testing

#include "compiler_commands_test.moc"
