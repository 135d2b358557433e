// Files and project lifecycle through the main window's commands, with the
// file dialogs answered by the UiServices seam.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "core/compiler/duplicate_outputs.h"
#include "gui/compiler/result_window.h"
#include "gui/editor/grid_view.h"
#include "gui/persist/project_data_dialog.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace veltra::gui::testing {

namespace {

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}

} // namespace

class MainWindowFilesTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;
  std::unique_ptr<QTemporaryDir> files;

  QString file(const QString& name) const { return files->filePath(name); }
  const core::TCell& cell(int col, int row) { return h->cell(col, row); }
  void place(char tool, int col, int row) { h->place(tool, col, row); }
  void connect(int sc, int sr, int dc, int dr) { h->connect(sc, sr, dc, dr); }
  void eToA(int row) {
    place('E', 1, row);
    place('A', 3, row);
    connect(1, row, 3, row);
  }
  // Modules in rows 2 and 6 with analog and digital connections.
  void drawSomething() {
    const char tools[] = "ERAIXQ";
    for (int k = 0; k < 6; ++k)
      place(tools[k], 1 + 2 * (k % 3), 2 + 4 * (k / 3));
    for (int r : {2, 6}) {
      connect(1, r, 3, r);
      connect(3, r, 5, r);
    }
    h->window().description()->selectAll();
    QTest::keyClicks(h->window().description(), "Heizkreis 1");
    h->window().edNum()->setText("4");
    place('F', 2, 9);
    h->project().TextList.push_back("Vorlauf||=40209");
  }

private slots:
  void init() {
    h = std::make_unique<WindowHarness>();
    files = std::make_unique<QTemporaryDir>();
  }
  void cleanup() {
    QVERIFY2(h->ui().unscripted.isEmpty(), qPrintable(h->ui().unscripted.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    QVERIFY2(h->ui().errors.isEmpty(), qPrintable(h->ui().errors.join(", ")));
    h.reset();
  }

  // "Neu" asks, saves on Yes and starts unnamed (asking nothing when
  // unchanged); loaded and saved again, the files are the same.
  void newSavesAndLoadGivesTheSameFiles() {
    drawSomething();
    h->ui().answers = {true};
    h->ui().saveNames = {file("anlage.vtr")};
    QString date;
    WindowHarness::whenModal([&date](QWidget* w) {
      if (auto* d = qobject_cast<ProjectDataDialog*>(w)) {
        date = d->edDatum->text();
        d->reject();
      }
    });
    h->window().Neu1Click();
    QCOMPARE(date, QString("01.04.2009"));
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    QVERIFY(h->project().loopIsEmpty(4) && h->project().TextList.empty() && !h->project().Modified);
    WindowHarness::whenModal([](QWidget* w) { w->close(); });
    h->window().Neu1Click();
    QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});

    h->ui().openNames = {file("anlage.vtr")};
    h->window().LadenNeuClick();
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   anlage.vtr"));
    QCOMPARE(h->editor().wireField()[12][12].state, core::kWire); // routed again from the connections
    h->ui().saveNames = {file("kopie.vtr")};
    h->window().SpeichernNeuClick();
    QVERIFY(!h->project().Modified);
    for (const char* ext : {".vtr", ".desc", ".uhr", ".txl"})
      QCOMPARE(bytesOf(file(QString("kopie") + ext)), bytesOf(file(QString("anlage") + ext)));
  }

  void cancelledOrFailedLoadKeepsTheOpenProject() {
    drawSomething();
    h->window().SpeichernNeuClick(); // no name: cancelled
    QVERIFY(h->project().Modified);
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    h->ui().answers = {false};   // "Regelkreise speichern?"
    h->window().LadenNeuClick(); // no name: cancelled
    QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});
    QFile bad(file("kaputt.vtr"));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("VELTRA? no", 10) == 10);
    bad.close();
    h->ui().answers = {false};
    h->ui().openNames = {file("kaputt.vtr")};
    h->window().LadenNeuClick();
    QCOMPARE(h->ui().errors, QStringList{"Die Datei kaputt.vtr ist keine Projektdatei."});
    h->ui().errors.clear();
    QCOMPARE(cell(2, 9).letter, 'F');
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
  }

  // "Ende" with No saves nothing; closing the window with Yes saves; each asks once.
  void endeAndClosingAskOnce() {
    for (bool yes : {false, true}) {
      if (yes) init();
      QVERIFY(h->showActive());
      h->cursorAway(); // keys typed into the description must not reach the grid
      drawSomething();
      h->ui().answers = {yes};
      if (yes) {
        h->ui().saveNames = {file("ende.vtr")};
        h->window().close();
      } else {
        h->window().EndeClick();
      }
      QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});
      QCOMPARE(QFile::exists(file("ende.vtr")), yes);
      QVERIFY(!h->window().isVisible());
    }
  }

  void libraryLoadOnlyIntoAnEmptyLoop() {
    eToA(2);
    QVERIFY(!h->window().libraryLoadAction()->isEnabled());
    h->ui().saveNames = {file("regler.rkl")};
    h->window().Libraryspeichern1Click();
    h->window().Libraryladen1Click(); // the command itself refuses, with a message
    QCOMPARE(h->ui().infos.size(), 1);
    QVERIFY(h->ui().infos[0].contains("Regelkreis 1"));
    QCOMPARE(h->ui().openCalls, 0);
    h->window().edNum()->setText("2");
    QVERIFY(h->window().libraryLoadAction()->isEnabled());
    h->ui().openNames = {file("regler.rkl")};
    h->window().Libraryladen1Click();
    QCOMPARE(cell(3, 2).XE, 1);
    QCOMPARE(h->project().XWires[2][1].dest[0].col, 3);
    QVERIFY(!h->window().libraryLoadAction()->isEnabled() && h->project().Modified);
  }

  void tableShowsDuplicateOutputsOrAsksForTheFile() {
    eToA(2);
    h->ui().saveNames = {file("anlage.mtb")};
    h->window().Tabelle1Click();
    QVERIFY(QFile::exists(file("anlage.mtb")));
    h->ui().infos.clear();
    eToA(6);
    QStringList lines;
    WindowHarness::whenModal([&](QWidget* w) {
      if (auto* r = qobject_cast<ResultWindow*>(w)) lines = r->lines();
      qobject_cast<QDialog*>(w)->accept();
    });
    h->window().Tabelle1Click();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].startsWith("Regelkreis: 1 Zeile: 7 Spalte: 4  "), qPrintable(lines[0]));
    QCOMPARE(cell(3, 6).error, core::kErrorDuplicateOutput);
    QCOMPARE(cell(3, 2).error, 0);
    QCOMPARE(h->ui().saveCalls, 1);                                                    // no second table written
    QCOMPARE(h->window().gridView()->image().pixelColor(105, 225), QColor(255, 0, 0)); // its red frame
  }
};

VELTRA_GUI_TEST(MainWindowFilesTest);

} // namespace veltra::gui::testing

#include "main_window_files_test.moc"
