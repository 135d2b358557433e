// "Einstellungen" and the "Designs" menu, with the settings in "VTR.INI".

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/app/settings_dialog.h"
#include "gui/editor/grid_view.h"

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace veltra::gui::testing {

class SettingsCommandsTest : public WindowTestCase {
  Q_OBJECT

private slots:
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
    h->menu("Datei", "Einstellungen");
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
    h->menu("Datei", "Einstellungen");
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

VELTRA_GUI_TEST(SettingsCommandsTest);

} // namespace veltra::gui::testing

#include "settings_commands_test.moc"
