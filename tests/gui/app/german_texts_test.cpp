// Qt's own texts in the program's boxes and file dialogs are German.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/app/ui_services.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace veltra::gui::testing {

namespace {

QStringList buttonTexts(QWidget* w) {
  QStringList texts;
  for (auto* b : w->findChildren<QPushButton*>())
    if (b->isVisible()) texts << b->text();
  texts.sort();
  return texts;
}

QStringList labelTexts(QWidget* w) {
  QStringList texts;
  for (auto* l : w->findChildren<QLabel*>())
    if (l->isVisible() && !l->text().isEmpty()) texts << l->text();
  texts.sort();
  return texts;
}

// Presses the button of `box` captioned `text`.
void press(QWidget* box, const QString& text) {
  for (auto* b : box->findChildren<QPushButton*>())
    if (b->text() == text) return b->click();
  QFAIL(qPrintable("no button " + text));
}

} // namespace

class GermanTextsTest : public QObject {
  Q_OBJECT

private slots:
  // "Nein" answers No: the German caption stands on the right button.
  void questionBoxSaysJaAndNein() {
    QtUiServices ui;
    QStringList buttons;
    WindowHarness::whenModal([&](QWidget* w) {
      QVERIFY(qobject_cast<QMessageBox*>(w) != nullptr);
      buttons = buttonTexts(w);
      press(w, QStringLiteral("&Nein"));
    });
    QVERIFY(!ui.askYesNo(nullptr, QStringLiteral("Regelkreise speichern?")));
    QCOMPARE(buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
  }

  // Qt's own file dialog, not the desktop's, whose language would be the
  // machine's.
  void fileDialogsOfLoadingAndSaving() {
    QTemporaryDir dir;
    QtUiServices ui;
    QStringList openButtons, openLabels, saveButtons;
    bool ownDialog = false;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<QFileDialog*>(w);
      QVERIFY(d != nullptr);
      ownDialog = d->testOption(QFileDialog::DontUseNativeDialog) ||
                  QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs);
      openButtons = buttonTexts(w);
      openLabels = labelTexts(w);
      d->reject();
    });
    QVERIFY(
        ui.openFileName(nullptr, QStringLiteral("Laden"), dir.path(), QStringLiteral("Regelkreis (*.vtr)")).isEmpty());
    WindowHarness::whenModal([&](QWidget* w) {
      saveButtons = buttonTexts(w);
      qobject_cast<QDialog*>(w)->reject();
    });
    QVERIFY(ui.saveFileName(nullptr, QStringLiteral("Speichern"), dir.path(), QString(),
                            QStringLiteral("Regelkreis (*.vtr)"), QStringLiteral("vtr"))
                .isEmpty());
    QVERIFY(ownDialog);
    QCOMPARE(openButtons, (QStringList{QStringLiteral("&Öffnen"), QStringLiteral("Abbrechen")}));
    QCOMPARE(openLabels, (QStringList{QStringLiteral("Datei&name:"), QStringLiteral("Dateien des Typs:"),
                                      QStringLiteral("Suchen in:")}));
    QCOMPARE(saveButtons, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("S&peichern")}));
  }
};

VELTRA_GUI_TEST(GermanTextsTest);

} // namespace veltra::gui::testing

#include "german_texts_test.moc"
