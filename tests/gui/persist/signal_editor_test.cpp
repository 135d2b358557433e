// The signal editor opened from the main window's menu command.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/persist/signal_editor_dialog.h"
#include "gui/persist/signal_table_model.h"
#include "gui/util/qt_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

  // Nothing is shown, nor checked, until a group is picked; the group
  // picked stays for the next opening.
  void showsNoGroupUntilOneIsPicked() {
    struct Seen {
      int rows = -1;
      QAbstractButton* checked = nullptr;
    };
    auto look = [](SignalEditorDialog* d) {
      auto* group = d->findChild<QRadioButton*>()->group();
      return Seen{d->grid()->model()->rowCount(), group != nullptr ? group->checkedButton() : nullptr};
    };
    Seen first, second;
    QString secondText;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SignalEditorDialog*>(w);
      QVERIFY(d != nullptr);
      first = look(d);
      QCOMPARE(d->grid()->model()->data(d->grid()->model()->index(0, 2)), QVariant());
      QTest::mouseClick(d->findChildren<QRadioButton*>().at(1), Qt::LeftButton); // "analoger Eingang"
      d->accept();
    });
    h->menu("Dokumentation", "Editor");
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<SignalEditorDialog*>(w);
      QVERIFY(d != nullptr);
      second = look(d);
      secondText = d->grid()->model()->data(d->grid()->model()->index(0, 2)).toString();
      d->accept();
    });
    h->menu("Dokumentation", "Editor");
    QCOMPARE(first.rows, 0);
    QVERIFY(first.checked == nullptr);
    QCOMPARE(second.rows, 256);
    QVERIFY(second.checked != nullptr);
    QCOMPARE(second.checked->text(), QStringLiteral("analoger Eingang"));
    QCOMPARE(secondText, fromCp1252(h->project().SignalDesc.text(core::SignalGroup::E, 1)));
  }
};

VELTRA_GUI_TEST(SignalEditorTest);

} // namespace veltra::gui::testing

#include "signal_editor_test.moc"
