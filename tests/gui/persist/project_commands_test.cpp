// "Neu", "Laden", "Speichern" and the question before the project is given
// up, through the main window's menu, with the file dialogs answered by the
// UiServices seam.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/editor/grid_view.h"
#include "gui/persist/project_commands.h"
#include "gui/persist/project_data_dialog.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace veltra::gui::testing {

namespace {

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}

} // namespace

class ProjectCommandsTest : public WindowTestCase {
  Q_OBJECT

  QString file(const QString& name) const { return h->file(name); }
  const core::TCell& cell(int col, int row) { return h->cell(col, row); }
  void place(char tool, int col, int row) { h->place(tool, col, row); }
  void connect(int sc, int sr, int dc, int dr) { h->connect(sc, sr, dc, dr); }
  void eToA(int row) { h->eToA(row); }
  // Modules in rows 2 and 6 with analog and digital connections.
  void drawSomething() {
    const char tools[] = "ERAIXQ";
    for (int k = 0; k < 6; ++k)
      place(tools[k], 1 + 2 * (k % 3), 2 + 4 * (k / 3));
    for (int r : {2, 6}) {
      connect(1, r, 3, r);
      connect(3, r, 5, r);
    }
    h->fields().description()->selectAll();
    QTest::keyClicks(h->fields().description(), "Heizkreis 1");
    h->fields().edNum()->setText("4");
    place('F', 2, 9);
    h->project().TextList.push_back("Vorlauf||=40209");
  }

private slots:
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
    h->menu("Datei", "Neu");
    QCOMPARE(date, QString("01.04.2009"));
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    QVERIFY(h->project().loopIsEmpty(4) && h->project().TextList.empty() && !h->project().Modified);
    WindowHarness::whenModal([](QWidget* w) { w->close(); });
    h->menu("Datei", "Neu");
    QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});

    h->ui().openNames = {file("anlage.vtr")};
    h->menu("Datei", "Laden");
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   anlage.vtr"));
    QCOMPARE(h->editor().wireField()[12][12].state, core::kWire); // routed again from the connections
    h->ui().saveNames = {file("kopie.vtr")};
    h->menu("Datei", "Speichern");
    QVERIFY(!h->project().Modified);
    for (const char* ext : {".vtr", ".desc", ".uhr", ".txl"})
      QCOMPARE(bytesOf(file(QString("kopie") + ext)), bytesOf(file(QString("anlage") + ext)));
  }

  void cancelledOrFailedLoadKeepsTheOpenProject() {
    drawSomething();
    h->menu("Datei", "Speichern"); // no name: cancelled
    QVERIFY(h->project().Modified);
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    h->ui().answers = {false}; // "Regelkreise speichern?"
    h->menu("Datei", "Laden"); // no name: cancelled
    QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});
    QFile bad(file("kaputt.vtr"));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("VELTRA? no", 10) == 10);
    bad.close();
    h->ui().answers = {false};
    h->ui().openNames = {file("kaputt.vtr")};
    h->menu("Datei", "Laden");
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
        h->menu("Datei", "Ende");
      }
      QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});
      QCOMPARE(QFile::exists(file("ende.vtr")), yes);
      QVERIFY(!h->window().isVisible());
    }
  }

  // A save that was cancelled or failed answers "Regelkreise speichern?"
  // in vain: the project and Modified stay, and "Neu", "Laden", "Ende" or
  // closing the window stop there, each time they are tried.
  void unsavedChangesSurviveASaveThatDidNotHappen() {
    QVERIFY(h->showActive());
    h->cursorAway();
    eToA(2);
    int asked = 0;
    for (const char* action : {"Neu", "Laden", "Ende", "Schliessen"})
      for (bool cancelled : {true, false}) {
        const QString step = QString(action) + (cancelled ? " abgebrochen" : " fehlgeschlagen");
        h->ui().answers = {true};
        if (!cancelled) h->ui().saveNames = {file("fehlt/anlage.vtr")}; // a folder that is not there
        if (QString(action) == "Schliessen")
          QVERIFY2(!h->window().close(), qPrintable(step));
        else
          h->menu("Datei", action);
        ++asked;
        QVERIFY2(h->ui().questions.size() == asked && h->ui().saveCalls == asked, qPrintable(step));
        QVERIFY2(h->ui().errors.size() == (cancelled ? 0 : 1), qPrintable(step));
        if (!cancelled) QVERIFY2(h->ui().errors[0].contains("kann nicht erstellt werden"), qPrintable(step));
        h->ui().errors.clear();
        QVERIFY2(h->project().Modified && cell(3, 2).XE == 1 && h->project().XWires[1][1].dest[0].col == 3,
                 qPrintable(step));
        QVERIFY2(h->ui().openCalls == 0 && h->window().isVisible(), qPrintable(step)); // nothing went on
      }
  }

  // "Neu" reads the signal name files before it asks or resets anything:
  // without one it stops with the file's message and the project as it was.
  void newStopsWhenASignalListCannotBeRead() {
    eToA(2);
    h->project().TextList.push_back("Vorlauf||=10202");
    h->ui().saveNames = {file("anlage.vtr")};
    h->menu("Datei", "Speichern");
    place('A', 3, 5); // changed again after saving
    QVERIFY(QFile::remove(QDir(h->programDir().path()).filePath("QSignale.txt")));
    h->menu("Datei", "Neu");
    QCOMPARE(h->ui().errors.size(), 1);
    QVERIFY2(h->ui().errors[0].contains("QSignale.txt"), qPrintable(h->ui().errors[0]));
    h->ui().errors.clear();
    QVERIFY(h->ui().questions.isEmpty());
    QVERIFY(h->project().Modified && cell(3, 2).XE == 1 && cell(3, 5).letter == 'A');
    QVERIFY(h->project().TextList.size() == 1 && h->window().windowTitle() == "VELTRA   anlage.vtr");
  }
};

VELTRA_GUI_TEST(ProjectCommandsTest);

} // namespace veltra::gui::testing

#include "project_commands_test.moc"
