// The fields beside the grid: description, sample time, and what the
// program's own refills do to Modified.

#include "app/main_window_harness.h"
#include "gui_test_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace veltra::gui::testing {

class MainWindowFieldsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;
  QTemporaryDir m_dir;

  // Saves loop 1 with E, description "Kessel" and sample time 60.
  void saveKessel() {
    h->toolButton('E');
    h->clickCell(1, 1);
    h->project().LoopText[1] = "Kessel";
    h->project().LoopSampleTime[1] = 60;
    h->ui().saveNames = {m_dir.filePath("p.vtr")};
    h->window().SpeichernNeuClick();
  }

private slots:
  void init() { h = std::make_unique<WindowHarness>(); }
  void cleanup() {
    QVERIFY2(h->ui().errors.isEmpty(), qPrintable(h->ui().errors.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
  }

  // Typing sets Modified; the program's refills (another loop, a redraw, a
  // load) do not, nor rewrite a stored sample time of 15.
  void onlyTheEngineerSetsModified() {
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    h->project().LoopText[5] = "L\xfc"
                               "ftung"; // code page 1252
    h->project().LoopSampleTime[1] = 15;
    h->window().edNum()->setText("5");
    QCOMPARE(h->window().description()->toPlainText(), QString::fromUtf8("Lüftung"));
    h->window().edNum()->setText("1");
    h->window().ZeichneAlles();
    QCOMPARE(h->window().edZeit()->text(), QString("15"));
    QCOMPARE(h->project().LoopSampleTime[1], 15);
    QVERIFY(!h->project().Modified);
    saveKessel();
    h->project().LoopText[1] = "anders";
    h->project().Modified = false;
    h->ui().openNames = {m_dir.filePath("p.vtr")};
    h->window().LadenNeuClick();
    QCOMPARE(h->window().description()->toPlainText(), QString("Kessel"));
    QVERIFY(!h->project().Modified);
    h->window().description()->selectAll();
    QTest::keyClicks(h->window().description(), "Kessel 2");
    QCOMPARE(h->project().LoopText[1], std::string("Kessel 2"));
    QVERIFY(h->project().Modified);
  }

  // The engineer was typing in a field, then loads from the menu: the field
  // keeps the focus and shows the loaded project.
  void aFocusedFieldStillShowsTheLoadedProject() {
    saveKessel();
    QVERIFY(h->showActive());
    h->cursorAway();
    h->window().description()->setFocus();
    h->window().description()->selectAll();
    QTest::keyClicks(h->window().description(), "Entwurf");
    h->ui().answers = {false};
    h->ui().openNames = {m_dir.filePath("p.vtr")};
    h->window().LadenNeuClick();
    QVERIFY(h->window().description()->hasFocus());
    QTest::keyClicks(h->window().description(), "!");
    QCOMPARE(h->project().LoopText[1], std::string("!Kessel")); // typed into the loaded text
    h->window().edZeit()->setFocus();
    QCOMPARE(h->window().edZeit()->text(), QString("60"));
    h->ui().answers = {false};
    WindowHarness::whenModal([](QWidget* w) { w->close(); });
    h->window().Neu1Click();
    QCOMPARE(h->window().edZeit()->text(), QString("10"));
    QCOMPARE(h->window().description()->toPlainText(), QString(" "));
  }

  // Stored while typing, the text rounded when leaving; a bad text is a
  // German message and leaves the time.
  void typedSampleTimesAreRoundedAndCheckedOnLeaving() {
    QLineEdit* ed = h->window().edZeit();
    ed->setFocus();
    const auto enter = [&](const char* text, int stored, const char* shown, bool red) {
      ed->selectAll();
      QTest::keyClicks(ed, text);
      QCOMPARE(h->project().LoopSampleTime[1], stored);
      QCOMPARE(ed->text(), QString(text));
      QCOMPARE(ed->styleSheet().contains("255,0,0"), red);
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

  void labelsLineUpWithTheGridAndNothingOverlaps() {
    const QRect g = h->grid()->geometry();
    int rows = 0, columns = 0;
    for (QLabel* l : h->window().centralWidget()->findChildren<QLabel*>()) {
      bool number = false;
      const int n = l->text().toInt(&number);
      if (!number || n < 1 || n > 15) continue;
      const QRect r = l->geometry();
      const int offset = 35 * (n - 1) + 17;
      if (r.left() >= g.right() && ++rows)
        QVERIFY2(std::abs(r.center().y() - (g.top() + offset)) <= 1, qPrintable(l->text()));
      else if (r.top() >= g.bottom() && ++columns)
        QVERIFY2(std::abs(r.center().x() - (g.left() + offset)) <= 1, qPrintable(l->text()));
    }
    QVERIFY(rows == 15 && columns == 15);
    // No control covers another (the help panel once ran into the label of
    // the measurement interval).
    const QList<QWidget*> controls = h->window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls)
      for (QWidget* b : controls)
        if (a != b && a->isVisibleTo(&h->window()) && b->isVisibleTo(&h->window()))
          QVERIFY2(!a->geometry().intersects(b->geometry()),
                   qPrintable(a->objectName() + "/" + a->property("text").toString() + " and " + b->objectName()));
  }
};

VELTRA_GUI_TEST(MainWindowFieldsTest);

} // namespace veltra::gui::testing

#include "main_window_fields_test.moc"
