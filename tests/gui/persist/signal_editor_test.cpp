// The signal editor opened from the main window's menu command.

#include "app/main_window_harness.h"
#include "gui_test_registry.h"

#include "persist/signal_editor_dialog.h"
#include "persist/signal_table_model.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace veltra::gui::testing {

class SignalEditorTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;

private slots:
  void init() { h = std::make_unique<WindowHarness>(); }
  void cleanup() {
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
  }

  void groupVShowsAllItsRows() {
    int rows = 0;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SignalEditorDialog*>(w);
      QVERIFY(d != nullptr);
      d->chooseGroup(7);
      rows = d->grid()->model()->rowCount();
      d->accept();
    });
    h->window().SignaleditorClick();
    QCOMPARE(rows, 9216);
  }

  void anEditedDescriptionReachesTheModulesOnClosing() {
    h->toolButton('V');
    h->clickCell(1, 3); // V module, signal 1 by default
    QCOMPARE(h->project().cell(1, 1, 3).i32(0), 1);
    h->project().Modified = false;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SignalEditorDialog*>(w);
      QVERIFY(d != nullptr);
      d->chooseGroup(7);
      // Type into the description cell of signal 1 as the engineer does.
      const QModelIndex index = d->grid()->model()->index(0, 2);
      d->grid()->setCurrentIndex(index);
      d->grid()->edit(index);
      auto* editor = d->grid()->findChild<QLineEdit*>();
      QVERIFY(editor != nullptr);
      editor->selectAll();
      QTest::keyClicks(editor, "Aussentemperatur gemittelt"); // cut to 20 characters
      QTest::mouseClick(d->findChild<QPushButton*>("btOk"), Qt::LeftButton);
    });
    h->window().SignaleditorClick();
    QCOMPARE(h->project().SignalDesc.text(core::SignalGroup::V, 1), std::string("Aussentemperatur gem"));
    QCOMPARE(std::string(h->project().cell(1, 1, 3).text.view()), std::string("Aussentemperatur gem"));
    QVERIFY(h->project().Modified);
  }

  void aDescriptionStillBeingTypedIsKeptWhenTheWindowCloses() {
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SignalEditorDialog*>(w);
      QVERIFY(d != nullptr);
      d->chooseGroup(0);
      const QModelIndex index = d->grid()->model()->index(4, 2);
      d->grid()->setCurrentIndex(index);
      d->grid()->edit(index);
      auto* editor = d->grid()->findChild<QLineEdit*>();
      QVERIFY(editor != nullptr);
      editor->selectAll();
      QTest::keyClicks(editor, "Vorlauf HK2");
      // Another application took the focus; then the window is closed.
      QApplication::setActiveWindow(nullptr);
      d->reject();
    });
    h->window().SignaleditorClick();
    QCOMPARE(h->project().SignalDesc.text(core::SignalGroup::A, 5), std::string("Vorlauf HK2"));
  }
};

VELTRA_GUI_TEST(SignalEditorTest);

} // namespace veltra::gui::testing

#include "signal_editor_test.moc"
