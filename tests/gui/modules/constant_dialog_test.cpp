#include "dialog_test_support.h"
#include "gui_test.h"

#include "modules/constant_dialog.h"

namespace veltra::gui::test {

// Dialog F: the value belongs to the constant, `FWert[number]`.
class ConstantDialogTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }

  // The chosen constant shows its value and reaches the module at once,
  // also when the dialog is cancelled; "Ok" sets the constant's value.
  void choosingAConstantShowsItsValueAtOnce() {
    DialogBench bench;
    bench.project->FWert[5] = 2.5;
    core::TCell& f = bench.place('F');
    auto* d = static_cast<ConstantDialog*>(bench.open('F'));
    d->cbSignal()->setCurrentIndex(4);
    QCOMPARE(d->edConst()->text(), QStringLiteral("2.5"));
    QVERIFY(f.i32(0) == 5 && f.f64(8) == 2.5);
    d->reject();
    QVERIFY(f.i32(0) == 5 && bench.project->FWert[5] == 2.5);
    d = static_cast<ConstantDialog*>(bench.open('F'));
    typeInto(d->edConst(), QStringLiteral("3.0"));
    clickOk(d);
    QVERIFY(bench.project->FWert[5] == 3.0 && f.f64(8) == 3.0);
    QCOMPARE(textOf(f), QStringLiteral("Konstante 5"));
  }

  // A number outside 1..256 (only from a file) becomes constant 1.
  void numberOutsideTheConstantsBecomesOne() {
    DialogBench bench;
    bench.project->FWert[1] = 7.25;
    core::TCell& f = bench.place('F');
    f.setI32(0, 999);
    auto* d = static_cast<ConstantDialog*>(bench.open('F'));
    QCOMPARE(d->cbSignal()->count(), 257);
    QVERIFY(d->cbSignal()->currentText().startsWith(QStringLiteral("999")));
    clickOk(d);
    QVERIFY(f.i32(0) == 1 && f.f64(8) == 7.25);
    QCOMPARE(textOf(f), QStringLiteral("Konstante 1"));
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::ConstantDialogTest;
VELTRA_GUI_TEST(ConstantDialogTest);

#include "constant_dialog_test.moc"
