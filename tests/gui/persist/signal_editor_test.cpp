// The signal editor opened from the main window's menu command.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/persist/signal_editor_dialog.h"
#include "gui/persist/signal_table_model.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace veltra::gui::testing {

namespace {

// Types into the description cell of `row` of `group` as the engineer does.
void typeDescription(SignalEditorDialog* d, int group, int row, const QString& text) {
  d->chooseGroup(group);
  const QModelIndex index = d->grid()->model()->index(row, 2);
  d->grid()->setCurrentIndex(index);
  d->grid()->edit(index);
  auto* editor = d->grid()->findChild<QLineEdit*>();
  QVERIFY(editor != nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
}

} // namespace

class SignalEditorTest : public WindowTestCase {
  Q_OBJECT

private slots:
  // A description still being typed is kept when the window closes; group V
  // shows all its rows; an edit cut to 20 characters reaches the modules.
  void editedDescriptionsReachTheModel() {
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SignalEditorDialog*>(w);
      QVERIFY(d != nullptr);
      typeDescription(d, 0, 4, "Vorlauf HK2");
      QApplication::setActiveWindow(nullptr); // another application took the focus
      d->reject();
    });
    h->menu("Dokumentation", "Editor");
    QCOMPARE(h->project().SignalDesc.text(core::SignalGroup::A, 5), std::string("Vorlauf HK2"));

    h->toolButton('V');
    h->clickCell(1, 3); // V module, signal 1 by default
    QCOMPARE(h->project().cell(1, 1, 3).i32(0), 1);
    h->project().Modified = false;
    int rows = 0;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SignalEditorDialog*>(w);
      QVERIFY(d != nullptr);
      typeDescription(d, 7, 0, "Aussentemperatur gemittelt");
      rows = d->grid()->model()->rowCount();
      QTest::mouseClick(d->findChild<QPushButton*>("btOk"), Qt::LeftButton);
    });
    h->menu("Dokumentation", "Editor");
    QCOMPARE(rows, 9216);
    QCOMPARE(h->project().SignalDesc.text(core::SignalGroup::V, 1), std::string("Aussentemperatur gem"));
    QCOMPARE(std::string(h->project().cell(1, 1, 3).text.view()), std::string("Aussentemperatur gem"));
    QVERIFY(h->project().Modified);
  }
};

VELTRA_GUI_TEST(SignalEditorTest);

} // namespace veltra::gui::testing

#include "signal_editor_test.moc"
