// Files and project lifecycle through the main window's commands, with the
// file dialogs answered by the UiServices seam: "Speichern", "Laden", "Neu",
// "Ende", the libraries and "Tabelle erzeugen".

#include "app/main_window_harness.h"
#include "gui_test_registry.h"

#include "compiler/duplicate_outputs.h"
#include "compiler/result_window.h"
#include "editor/grid_view.h"
#include "persist/project_data_dialog.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace veltra::gui::testing {

namespace {

template <class T> bool sameBytes(const T& a, const T& b) { return std::memcmp(&a, &b, sizeof(T)) == 0; }

// The first difference of the saved parts of two projects, or empty.
QString modelDifference(const core::Project& a, const core::Project& b) {
  for (int loop = 1; loop <= core::kLoops; ++loop) {
    for (int c = 0; c < core::kCols; ++c)
      for (int r = 0; r < core::kRows; ++r) {
        core::TCell x = a.cell(loop, c, r), y = b.cell(loop, c, r);
        x.error = y.error = 0; // saving clears the check marks
        if (!sameBytes(x, y)) return QString("cell %1/%2/%3").arg(loop).arg(c).arg(r);
      }
    if (!sameBytes(a.XWires[loop], b.XWires[loop])) return QString("XWires of loop %1").arg(loop);
    if (!sameBytes(a.YWires[loop], b.YWires[loop])) return QString("YWires of loop %1").arg(loop);
    if (a.LoopText[loop] != b.LoopText[loop]) return QString("LoopText of loop %1").arg(loop);
    if (a.LoopSampleTime[loop] != b.LoopSampleTime[loop]) return QString("LoopSampleTime of loop %1").arg(loop);
  }
  for (core::SignalGroup g : core::kAllGroups) {
    auto x = a.SignalDesc.group(g), y = b.SignalDesc.group(g);
    if (x.size() != y.size() || std::memcmp(x.data(), y.data(), x.size_bytes()) != 0)
      return QString("SignalDesc group %1").arg(static_cast<int>(g));
  }
  if (!sameBytes(a.SwitchPrograms, b.SwitchPrograms)) return "SwitchPrograms";
  if (a.TextList != b.TextList) return "TextList";
  return {};
}

// Closes the project data sheet that "Neu" shows, after checking its date.
void closeProjectDataSheet(QString* dateSeen) {
  WindowHarness::whenModal([dateSeen](QWidget* w) {
    auto* d = qobject_cast<ProjectDataDialog*>(w);
    if (d == nullptr) return;
    if (dateSeen) *dateSeen = d->edDatum->text();
    d->reject();
  });
}

} // namespace

class MainWindowFilesTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;
  std::unique_ptr<QTemporaryDir> files;

  QString file(const QString& name) const { return files->filePath(name); }
  const core::TCell& cell(int col, int row) { return h->project().cell(h->project().CurrentLoop, col, row); }
  void place(char tool, int col, int row) {
    h->toolButton(tool);
    h->clickCell(col, row);
  }
  void connect(int sc, int sr, int dc, int dr) {
    h->toolButton('0');
    h->clickCell(sc, sr);
    h->move(35 * sc + 30, 35 * sr + 30);
    h->clickCell(dc, dr);
    h->move(35 * dc + 30, 35 * dr + 30);
  }
  // A small plant drawn with the tools: two loops, analog and digital
  // connections, a text and a description.
  void drawSomething() {
    place('E', 1, 2);
    place('R', 3, 2);
    place('A', 5, 2);
    connect(1, 2, 3, 2);
    connect(3, 2, 5, 2);
    place('I', 1, 6);
    place('X', 3, 6);
    place('Q', 5, 6);
    connect(1, 6, 3, 6);
    connect(3, 6, 5, 6);
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

  void saveThenLoadGivesTheSameModel() {
    drawSomething();
    QVERIFY(h->project().Modified);
    h->ui().saveNames = {file("anlage.vtr")};
    h->window().SpeichernNeuClick();
    QVERIFY(QFile::exists(file("anlage.vtr")));
    QVERIFY(QFile::exists(file("anlage.txl")));
    QVERIFY(!h->project().Modified);
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   anlage.vtr"));
    auto saved = std::make_unique<core::Project>(h->project());

    QString date;
    closeProjectDataSheet(&date);
    h->window().Neu1Click();
    QVERIFY(h->project().loopIsEmpty(1));
    QVERIFY(h->project().TextList.empty());

    h->ui().openNames = {file("anlage.vtr")};
    h->window().LadenNeuClick();
    QCOMPARE(h->ui().openCalls, 1);
    QCOMPARE(modelDifference(*saved, h->project()), QString());
    QVERIFY(!h->project().Modified);
    QCOMPARE(h->project().CurrentLoop, 1);
    QCOMPARE(h->window().edNum()->text(), QString("1"));
    QCOMPARE(h->window().description()->toPlainText(), QString("Heizkreis 1"));
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   anlage.vtr"));
    // The lines are routed again from the loaded connections.
    QCOMPARE(h->editor().wireField()[12][12].state, core::kWire);
  }

  void cancelledFileDialogsChangeNothing() {
    drawSomething();
    h->window().SpeichernNeuClick(); // no name: cancelled
    QCOMPARE(h->ui().saveCalls, 1);
    QVERIFY(h->project().Modified);
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    h->ui().answers = {false}; // "Regelkreise speichern?"
    h->window().LadenNeuClick();
    QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});
    QCOMPARE(cell(2, 9).letter, 'F'); // nothing loaded, the drawing stays
  }

  void loadingADamagedFileKeepsTheOpenProject() {
    drawSomething();
    QFile bad(file("kaputt.vtr"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("VELTRA? no", 10);
    bad.close();
    h->ui().answers = {false};
    h->ui().openNames = {file("kaputt.vtr")};
    h->window().LadenNeuClick();
    QCOMPARE(h->ui().errors.size(), 1);
    h->ui().errors.clear();
    QCOMPARE(cell(2, 9).letter, 'F');
  }

  void neuAsksToSaveAndStartsUnnamed() {
    h->ui().saveNames = {file("erst.vtr")};
    h->window().SpeichernNeuClick();
    drawSomething();
    h->ui().answers = {true};
    h->ui().saveNames = {file("zweit.vtr")};
    QString date;
    closeProjectDataSheet(&date);
    h->window().Neu1Click();
    QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});
    QVERIFY(QFile::exists(file("zweit.vtr")));
    QCOMPARE(date, QString("01.04.2009"));
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    QCOMPARE(h->project().CurrentLoop, 1);
    QVERIFY(h->project().loopIsEmpty(4));
    QVERIFY(!h->project().Modified);

    // Unchanged: no question.
    closeProjectDataSheet(nullptr);
    h->window().Neu1Click();
    QCOMPARE(h->ui().questions.size(), 1);
  }

  void endeAsksOnceAndNoDoesNotSave() {
    QVERIFY(h->showActive());
    h->cursorAway(); // keys typed into the description must not reach the grid
    drawSomething();
    h->ui().answers = {false};
    h->window().EndeClick();
    QCOMPARE(h->ui().questions, QStringList{"Regelkreise speichern?"});
    QCOMPARE(h->ui().saveCalls, 0);
    QVERIFY(!h->window().isVisible());
  }

  void closingTheWindowAsksOnce() {
    QVERIFY(h->showActive());
    h->cursorAway();
    drawSomething();
    h->ui().answers = {true};
    h->ui().saveNames = {file("ende.vtr")};
    h->window().close();
    QCOMPARE(h->ui().questions.size(), 1);
    QVERIFY(QFile::exists(file("ende.vtr")));
  }

  void libraryLoadOnlyIntoAnEmptyLoop() {
    place('E', 1, 2);
    place('A', 3, 2);
    connect(1, 2, 3, 2);
    QVERIFY(!h->window().libraryLoadAction()->isEnabled());
    h->ui().saveNames = {file("regler.rkl")};
    h->window().Libraryspeichern1Click();
    QVERIFY(QFile::exists(file("regler.rkl")));

    // The command itself refuses a loop with modules, with a message.
    h->window().Libraryladen1Click();
    QCOMPARE(h->ui().infos.size(), 1);
    QVERIFY(h->ui().infos[0].contains("Regelkreis 1"));
    QCOMPARE(h->ui().openCalls, 0);

    h->window().edNum()->setText("2");
    QVERIFY(h->window().libraryLoadAction()->isEnabled());
    h->ui().openNames = {file("regler.rkl")};
    h->window().Libraryladen1Click();
    QCOMPARE(cell(1, 2).letter, 'E');
    QCOMPARE(cell(3, 2).XE, 1);
    QCOMPARE(h->project().XWires[2][1].dest[0].col, 3);
    QVERIFY(!h->window().libraryLoadAction()->isEnabled());
    QVERIFY(h->project().Modified);
  }

  void tableWithDuplicateOutputsShowsTheFaultyCells() {
    place('E', 1, 2);
    place('A', 3, 2);
    connect(1, 2, 3, 2);
    place('E', 1, 6);
    place('A', 3, 6);
    connect(1, 6, 3, 6);
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
    QCOMPARE(h->ui().saveCalls, 0); // no table written
    // The faulty module carries its red frame.
    const QImage& img = h->window().gridView()->image();
    QCOMPARE(img.pixelColor(105, 210 + 15), QColor(255, 0, 0));
  }

  void tableWithoutFaultsAsksForTheFile() {
    place('E', 1, 2);
    place('A', 3, 2);
    connect(1, 2, 3, 2);
    h->ui().saveNames = {file("anlage.mtb")};
    h->window().Tabelle1Click();
    QCOMPARE(h->ui().saveCalls, 1);
    QVERIFY(QFile::exists(file("anlage.mtb")));
    h->ui().infos.clear();
  }
};

VELTRA_GUI_TEST(MainWindowFilesTest);

} // namespace veltra::gui::testing

#include "main_window_files_test.moc"
