// The fields beside the grid: the loop number read leniently, the sample
// time checked and rounded, and what the program's own refills do to Modified.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"
#include "tests/gui/util/red_background.h"

#include "gui/editor/loop_fields.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

namespace veltra::gui::testing {

class LoopFieldsTest : public WindowTestCase {
  Q_OBJECT

private slots:
  // The program's refills (another loop, a redraw, a load) neither set Modified nor rewrite a
  // stored sample time of 15; a field focused while loading shows the loaded project.
  void onlyTheEngineerSetsModified() {
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    h->project().LoopText[5] = "L\xfc"
                               "ftung"; // code page 1252
    h->project().LoopSampleTime[1] = 15;
    h->fields().edNum()->setText("5");
    QCOMPARE(h->fields().description()->toPlainText(), QString::fromUtf8("Lüftung"));
    h->fields().edNum()->setText("1");
    h->window().ZeichneAlles();
    QVERIFY(h->fields().edZeit()->text() == "15" && h->project().LoopSampleTime[1] == 15 && !h->project().Modified);
    h->toolButton('E');
    h->clickCell(1, 1);
    h->project().LoopText[1] = "Kessel";
    h->project().LoopSampleTime[1] = 60;
    h->ui().saveNames = {h->file("p.vtr")};
    h->menu("Datei", "Speichern");
    QVERIFY(h->showActive());
    h->cursorAway();
    h->fields().description()->setFocus();
    h->fields().description()->selectAll();
    QTest::keyClicks(h->fields().description(), "Entwurf");
    h->ui().answers = {false};
    h->ui().openNames = {h->file("p.vtr")};
    h->menu("Datei", "Laden");
    QVERIFY(h->fields().description()->hasFocus() && !h->project().Modified);
    QTest::keyClicks(h->fields().description(), "!");
    QCOMPARE(h->project().LoopText[1], std::string("!Kessel")); // typed into the loaded text
    QVERIFY(h->project().Modified);
    h->fields().edZeit()->setFocus();
    QCOMPARE(h->fields().edZeit()->text(), QString("60"));
    h->ui().answers = {false};
    WindowHarness::whenModal([](QWidget* w) { w->close(); });
    h->menu("Datei", "Neu");
    QVERIFY(h->fields().edZeit()->text() == "10" && h->fields().description()->toPlainText() == " ");
  }

  // Stored while typing, rounded when leaving; a bad text is a German message and leaves the time.
  void typedSampleTimesAreRoundedAndCheckedOnLeaving() {
    QLineEdit* ed = h->fields().edZeit();
    ed->setFocus();
    const auto enter = [&](const char* text, int stored, const char* shown, bool red) {
      ed->selectAll();
      QTest::keyClicks(ed, text);
      QCOMPARE(h->project().LoopSampleTime[1], stored);
      QCOMPARE(ed->text(), QString(text));
      QCOMPARE(redBackground(ed), red);
      QTest::keyClick(ed, Qt::Key_Return);
      QCOMPARE(ed->text(), QString(shown));
    };
    enter("25", 20, "20", false);
    QVERIFY(h->project().Modified);
    enter("5", 20, "10", true);
    QCOMPARE(h->project().LoopSampleTime[1], 10);
    ed->selectAll();
    QTest::keyClicks(ed, "x");
    QTest::keyClick(ed, Qt::Key_Return);
    QCOMPARE(h->project().LoopSampleTime[1], 10);
    QCOMPARE(h->ui().errors, QStringList{"'x' ist kein gültiger Integerwert"});
    h->ui().errors.clear();
  }

  void loopNumberFieldIsLenientAndMarksBadNumbers() {
    h->project().LoopText[12] = "Heizkreis";
    h->project().LoopSampleTime[12] = 60;
    QLineEdit* ed = h->fields().edNum();
    auto* upDown = h->fields().upDown();
    const auto type = [&](const char* text) {
      ed->selectAll();
      QTest::keyClicks(ed, text);
    };
    type("12abc");
    QVERIFY(h->project().CurrentLoop == 12 && !redBackground(ed) && upDown->value() == 12);
    QVERIFY(h->fields().description()->toPlainText() == "Heizkreis" && h->fields().edZeit()->text() == "60");
    for (const char* bad : {"0", "201"}) {
      type(bad);
      QCOMPARE(h->project().CurrentLoop, 1);
      QVERIFY2(redBackground(ed), bad);
    }
    type("7");
    QVERIFY(h->project().CurrentLoop == 7 && !redBackground(ed));
    upDown->stepUp();
    QVERIFY(h->project().CurrentLoop == 8 && ed->text() == "8");
  }
};

VELTRA_GUI_TEST(LoopFieldsTest);

} // namespace veltra::gui::testing

#include "loop_fields_test.moc"
