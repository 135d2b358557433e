// The fields beside the grid (description, sample time, what the program's
// own refills do to Modified) and the settings in "VTR.INI".

#include "main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/app/settings_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace veltra::gui::testing {

class MainWindowFieldsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;
  QTemporaryDir m_dir;

private slots:
  void init() { h = std::make_unique<WindowHarness>(); }
  void cleanup() {
    QVERIFY2(h->ui().errors.isEmpty(), qPrintable(h->ui().errors.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
  }

  // The program's refills (another loop, a redraw, a load) neither set Modified nor rewrite a
  // stored sample time of 15; a field focused while loading shows the loaded project.
  void onlyTheEngineerSetsModified() {
    QCOMPARE(h->window().windowTitle(), QString("VELTRA   Unbekannt"));
    h->project().LoopText[5] = "L\xfc"
                               "ftung"; // code page 1252
    h->project().LoopSampleTime[1] = 15;
    h->window().edNum()->setText("5");
    QCOMPARE(h->window().description()->toPlainText(), QString::fromUtf8("Lüftung"));
    h->window().edNum()->setText("1");
    h->window().ZeichneAlles();
    QVERIFY(h->window().edZeit()->text() == "15" && h->project().LoopSampleTime[1] == 15 && !h->project().Modified);
    h->toolButton('E');
    h->clickCell(1, 1);
    h->project().LoopText[1] = "Kessel";
    h->project().LoopSampleTime[1] = 60;
    h->ui().saveNames = {m_dir.filePath("p.vtr")};
    h->window().SpeichernNeuClick();
    QVERIFY(h->showActive());
    h->cursorAway();
    h->window().description()->setFocus();
    h->window().description()->selectAll();
    QTest::keyClicks(h->window().description(), "Entwurf");
    h->ui().answers = {false};
    h->ui().openNames = {m_dir.filePath("p.vtr")};
    h->window().LadenNeuClick();
    QVERIFY(h->window().description()->hasFocus() && !h->project().Modified);
    QTest::keyClicks(h->window().description(), "!");
    QCOMPARE(h->project().LoopText[1], std::string("!Kessel")); // typed into the loaded text
    QVERIFY(h->project().Modified);
    h->window().edZeit()->setFocus();
    QCOMPARE(h->window().edZeit()->text(), QString("60"));
    h->ui().answers = {false};
    WindowHarness::whenModal([](QWidget* w) { w->close(); });
    h->window().Neu1Click();
    QVERIFY(h->window().edZeit()->text() == "10" && h->window().description()->toPlainText() == " ");
  }

  // Stored while typing, rounded when leaving; a bad text is a German message and leaves the time.
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
    // No control covers another (the help panel once ran into the interval's label).
    const QList<QWidget*> controls = h->window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls)
      for (QWidget* b : controls)
        if (a != b && a->isVisibleTo(&h->window()) && b->isVisibleTo(&h->window()))
          QVERIFY2(!a->geometry().intersects(b->geometry()),
                   qPrintable(a->objectName() + "/" + a->property("text").toString() + " and " + b->objectName()));
  }

  // Shows the file's flags ("True" is not "true"), writes all four also without "Ok"; the tip follows.
  void theDialogWritesTheFourFlags() {
    h->programDir().writeIni("[TOOLTIPS]\r\nBeschreibung=True\r\n[GRAPHIK]\r\nTexte=true\r\n");
    h->toolButton('R');
    h->clickCell(3, 3);
    h->project().cell(1, 3, 3).text.assign("Regler");
    h->moveToCell(3, 3);
    QVERIFY(h->grid()->toolTip().isEmpty()); // all parts off
    bool sawDescription = true, sawTexts = false;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SettingsDialog*>(w);
      QVERIFY(d != nullptr);
      sawDescription = d->cbDescription->isChecked();
      sawTexts = d->cbTexts->isChecked();
      for (QCheckBox* b : {d->cbParameters, d->cbCrossRef, d->cbTexts})
        QTest::mouseClick(b, Qt::LeftButton);
      QTest::mouseClick(d->findChild<QPushButton*>("btOk"), Qt::LeftButton);
    });
    h->window().EinstellungenClick();
    QVERIFY(!sawDescription && sawTexts);
    const QString ini = h->programDir().iniText();
    for (const char* line : {"Beschreibung=false", "Parameter=true", "Querverweis=true", "Texte=false"})
      QVERIFY2(ini.contains(line), qPrintable(ini));
    QVERIFY(!h->window().settings().ShowTexts && !h->editor().flags().showTexts);
    // Leaving the grid and coming back to the same cell recomputes the tip.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(h->grid(), &leave);
    h->moveToCell(3, 3);
    QVERIFY2(h->grid()->toolTip().startsWith("P-Band: 10.00\nTn: 200.00"), qPrintable(h->grid()->toolTip()));

    WindowHarness::whenModal([&](QWidget* w) {
      static_cast<SettingsDialog*>(w)->cbDescription->setChecked(true);
      static_cast<SettingsDialog*>(w)->reject();
    });
    h->window().EinstellungenClick();
    QVERIFY(h->programDir().iniText().contains("Beschreibung=true"));
  }

  void theDesignsMenuChoosesOneDesign() {
    h->toolButton('G');
    h->clickCell(1, 1);
    QMenu* designs = nullptr;
    for (QMenu* m : h->window().menuBar()->findChildren<QMenu*>())
      if (m->title() == "Designs") designs = m;
    QVERIFY(designs != nullptr);
    QStringList names;
    for (QAction* a : designs->actions())
      names << a->text() + (a->isChecked() ? "*" : "");
    QCOMPARE(names, (QStringList{"Kontrast", "Standard*"}));
    designs->actions()[0]->trigger();
    QVERIFY(designs->actions()[0]->isChecked() && !designs->actions()[1]->isChecked());
    QVERIFY(h->programDir().iniText().contains("Design=Kontrast"));
    const QImage symbol =
        QImage(h->programDir().path() + "/designs/Kontrast/ModG.bmp").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(h->window().gridView()->image().copy(35, 35, 35, 35), symbol);
  }
};

VELTRA_GUI_TEST(MainWindowFieldsTest);

} // namespace veltra::gui::testing

#include "main_window_fields_test.moc"
