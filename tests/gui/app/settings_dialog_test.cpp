// "Einstellungen" from the main window: the four flags in "VTR.INI".

#include "app/main_window_harness.h"
#include "gui_test_registry.h"

#include "app/settings_dialog.h"
#include "editor/grid_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace veltra::gui::testing {

class SettingsDialogTest : public QObject {
  Q_OBJECT

private slots:
  void theDialogWritesTheFourFlags() {
    WindowHarness h;
    h.programDir().writeIni("[TOOLTIPS]\r\nBeschreibung=True\r\n[GRAPHIK]\r\nTexte=true\r\n");
    bool sawDescription = true, sawTexts = false;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SettingsDialog*>(w);
      QVERIFY(d != nullptr);
      sawDescription = d->cbDescription->isChecked(); // "True" is not "true"
      sawTexts = d->cbTexts->isChecked();
      QTest::mouseClick(d->cbParameters, Qt::LeftButton);
      QTest::mouseClick(d->cbCrossRef, Qt::LeftButton);
      QTest::mouseClick(d->cbTexts, Qt::LeftButton);
      QTest::mouseClick(d->findChild<QPushButton*>("btOk"), Qt::LeftButton);
    });
    h.window().EinstellungenClick();
    QVERIFY(!sawDescription);
    QVERIFY(sawTexts);
    const QString ini = h.programDir().iniText();
    QVERIFY2(ini.contains("Beschreibung=false"), qPrintable(ini));
    QVERIFY2(ini.contains("Parameter=true"), qPrintable(ini));
    QVERIFY2(ini.contains("Querverweis=true"), qPrintable(ini));
    QVERIFY2(ini.contains("Texte=false"), qPrintable(ini));
    QVERIFY(h.window().settings().TipParameters);
    QVERIFY(!h.window().settings().ShowTexts);
    QVERIFY(!h.editor().flags().showTexts);
    QVERIFY(h.unexpectedModals().isEmpty());
  }

  void closingWithoutOkWritesToo() {
    WindowHarness h;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SettingsDialog*>(w);
      QVERIFY(d != nullptr);
      d->cbDescription->setChecked(true);
      d->reject();
    });
    h.window().EinstellungenClick();
    QVERIFY(h.programDir().iniText().contains("Beschreibung=true"));
  }

  void theDesignsMenuChoosesOneDesign() {
    WindowHarness h;
    h.toolButton('G');
    h.clickCell(1, 1);
    QMenu* designs = nullptr;
    for (QMenu* m : h.window().menuBar()->findChildren<QMenu*>())
      if (m->title() == "Designs") designs = m;
    QVERIFY(designs != nullptr);
    QStringList names;
    for (QAction* a : designs->actions())
      names << a->text() + (a->isChecked() ? "*" : "");
    QCOMPARE(names, (QStringList{"Kontrast", "Standard*"}));
    designs->actions()[0]->trigger();
    QVERIFY(designs->actions()[0]->isChecked());
    QVERIFY(!designs->actions()[1]->isChecked());
    QVERIFY(h.programDir().iniText().contains("Design=Kontrast"));
    QImage symbol(h.programDir().path() + "/designs/Kontrast/ModG.bmp");
    symbol = symbol.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(h.window().gridView()->image().copy(35, 35, 35, 35), symbol);
  }

  void hoverTextFollowsTheFlags() {
    WindowHarness h;
    h.toolButton('R');
    h.clickCell(3, 3);
    h.project().cell(1, 3, 3).text.assign("Regler");
    h.moveToCell(8, 8);
    h.moveToCell(3, 3);
    QVERIFY(h.grid()->toolTip().isEmpty()); // all parts off
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SettingsDialog*>(w);
      d->cbDescription->setChecked(true);
      d->cbParameters->setChecked(true);
      d->accept();
    });
    h.window().EinstellungenClick();
    h.moveToCell(3, 3);
    QVERIFY(h.grid()->toolTip().isEmpty()); // same cell: not recomputed
    // Leaving the grid and coming back to the same cell recomputes it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(h.grid(), &leave);
    h.moveToCell(3, 3);
    const QString tip = h.grid()->toolTip();
    QVERIFY2(tip.startsWith("Regler\nP-Band: 10.00\nTn: 200.00"), qPrintable(tip));
    QVERIFY(tip.contains(QString::fromUtf8("Verstärkung: ")));
  }
};

VELTRA_GUI_TEST(SettingsDialogTest);

} // namespace veltra::gui::testing

#include "settings_dialog_test.moc"
