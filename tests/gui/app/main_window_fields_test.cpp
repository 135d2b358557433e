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

private slots:
  void init() { h = std::make_unique<WindowHarness>(); }
  void cleanup() {
    QVERIFY2(h->ui().errors.isEmpty(), qPrintable(h->ui().errors.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
  }

  void aDescriptionEditSetsModified() {
    QVERIFY(!h->project().Modified);
    // A new loop's description is one blank; the engineer types over it.
    QCOMPARE(h->project().LoopText[1], std::string(" "));
    h->window().description()->selectAll();
    QTest::keyClicks(h->window().description(), "Kessel");
    QCOMPARE(h->project().LoopText[1], std::string("Kessel"));
    QVERIFY(h->project().Modified);
  }

  void refillsByTheProgramLeaveModifiedAlone() {
    h->project().LoopText[5] = "L\xfc"
                               "ftung"; // code page 1252
    h->window().edNum()->setText("5");
    QCOMPARE(h->window().description()->toPlainText(), QString::fromUtf8("Lüftung"));
    QVERIFY(!h->project().Modified);
    h->window().ZeichneAlles();
    QVERIFY(!h->project().Modified);

    // Loading a project fills the fields without setting Modified (only
    // loops with modules are saved).
    QTemporaryDir dir;
    h->window().edNum()->setText("1");
    h->toolButton('E');
    h->clickCell(1, 1);
    h->project().LoopText[1] = "Kessel";
    h->ui().saveNames = {dir.filePath("p.vtr")};
    h->window().SpeichernNeuClick();
    h->project().LoopText[1] = "anders";
    h->project().Modified = false;
    h->ui().openNames = {dir.filePath("p.vtr")};
    h->window().LadenNeuClick();
    QCOMPARE(h->window().description()->toPlainText(), QString("Kessel"));
    QVERIFY(!h->project().Modified);
  }

  void aFocusedFieldStillShowsTheLoadedProject() {
    QTemporaryDir dir;
    h->toolButton('E');
    h->clickCell(1, 1);
    h->project().LoopText[1] = "Kessel";
    h->project().LoopSampleTime[1] = 60;
    h->ui().saveNames = {dir.filePath("p.vtr")};
    h->window().SpeichernNeuClick();
    QVERIFY(h->showActive());
    h->cursorAway();

    // The engineer was typing in the description, then loads from the menu.
    h->window().description()->setFocus();
    h->window().description()->selectAll();
    QTest::keyClicks(h->window().description(), "Entwurf");
    QCOMPARE(h->project().LoopText[1], std::string("Entwurf"));
    h->ui().answers = {false};
    h->ui().openNames = {dir.filePath("p.vtr")};
    h->window().LadenNeuClick();
    QVERIFY(h->window().description()->hasFocus());
    QCOMPARE(h->window().description()->toPlainText(), QString("Kessel"));
    QTest::keyClicks(h->window().description(), "!");
    QCOMPARE(h->project().LoopText[1], std::string("!Kessel")); // typed into the loaded text

    // The same with the sample time field and "Neu".
    h->window().edZeit()->setFocus();
    QCOMPARE(h->window().edZeit()->text(), QString("60"));
    h->ui().answers = {false};
    WindowHarness::whenModal([](QWidget* w) { w->close(); });
    h->window().Neu1Click();
    QCOMPARE(h->window().edZeit()->text(), QString("10"));
    QCOMPARE(h->window().description()->toPlainText(), QString(" "));
  }

  void aStoredSampleTimeOf15IsNotRewrittenByARedraw() {
    h->project().LoopSampleTime[1] = 15;
    h->project().Modified = false;
    h->window().ZeichneAlles();
    QCOMPARE(h->window().edZeit()->text(), QString("15"));
    QCOMPARE(h->project().LoopSampleTime[1], 15);
    QVERIFY(!h->project().Modified);
    h->window().edNum()->setText("2");
    h->window().edNum()->setText("1");
    QCOMPARE(h->project().LoopSampleTime[1], 15);
    QVERIFY(!h->project().Modified);
  }

  void typedSampleTimesAreRoundedAndCheckedOnLeaving() {
    QLineEdit* ed = h->window().edZeit();
    ed->setFocus();
    ed->selectAll();
    QTest::keyClicks(ed, "25");
    QCOMPARE(h->project().LoopSampleTime[1], 20); // stored while typing
    QCOMPARE(ed->text(), QString("25"));          // the text is left as typed
    QVERIFY(h->project().Modified);
    QTest::keyClick(ed, Qt::Key_Return);
    QCOMPARE(ed->text(), QString("20"));

    ed->selectAll();
    QTest::keyClicks(ed, "5");
    QVERIFY(ed->styleSheet().contains("255,0,0"));
    QCOMPARE(h->project().LoopSampleTime[1], 20);
    QTest::keyClick(ed, Qt::Key_Return);
    QCOMPARE(ed->text(), QString("10"));
    QCOMPARE(h->project().LoopSampleTime[1], 10);

    ed->selectAll();
    QTest::keyClicks(ed, "x");
    QTest::keyClick(ed, Qt::Key_Return);
    QCOMPARE(h->ui().errors, QStringList{"'x' ist kein gültiger Integerwert"});
    h->ui().errors.clear();
    QCOMPARE(h->project().LoopSampleTime[1], 10);
  }

  void labelsLineUpWithTheGridAndNothingOverlaps() {
    QWidget* grid = h->grid();
    const QRect g = grid->geometry();
    int rows = 0, columns = 0;
    for (QLabel* l : h->window().centralWidget()->findChildren<QLabel*>()) {
      bool number = false;
      const int n = l->text().toInt(&number);
      if (!number || n < 1 || n > 15) continue;
      const QRect r = l->geometry();
      if (r.left() >= g.right()) {
        ++rows;
        QVERIFY2(std::abs(r.center().y() - (g.top() + 35 * (n - 1) + 17)) <= 1, qPrintable(l->text()));
      } else if (r.top() >= g.bottom()) {
        ++columns;
        QVERIFY2(std::abs(r.center().x() - (g.left() + 35 * (n - 1) + 17)) <= 1, qPrintable(l->text()));
      }
    }
    QCOMPARE(rows, 15);
    QCOMPARE(columns, 15);
    // No control covers another (the help panel once ran into the label of
    // the measurement interval).
    const QList<QWidget*> controls = h->window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls)
      for (QWidget* b : controls)
        if (a != b && a->isVisibleTo(&h->window()) && b->isVisibleTo(&h->window()))
          QVERIFY2(!a->geometry().intersects(b->geometry()),
                   qPrintable(a->objectName() + "/" + a->property("text").toString() + " and " + b->objectName() + "/" +
                              b->property("text").toString()));
  }

  void theCaptionNamesTheProject() { QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt")); }
};

VELTRA_GUI_TEST(MainWindowFieldsTest);

} // namespace veltra::gui::testing

#include "main_window_fields_test.moc"
