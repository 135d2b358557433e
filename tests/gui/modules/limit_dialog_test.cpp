#include "dialog_test_support.h"
#include "gui_test.h"

#include "modules/limit_binding.h"
#include "modules/limit_dialog.h"

#include <QRadioButton>

namespace veltra::gui::test {

using core::LimitSource;

// The limits of G and Z: a number, or constant F n coded as 32500 + n, or
// auxiliary signal H n as 32600 + n.
class LimitDialogTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }

  // What the dialog shows for a stored code: the source, and the edit or
  // the list entry; a reference the lists cannot show is an extra entry.
  void storedCodesShowTheirSource_data() {
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::newRow("32500 is a number") << 32500.0 << 0 << -1 << 0;
    QTest::newRow("32501 is F 1") << 32501.0 << 1 << 0 << 100;
    QTest::newRow("32600 is F 100") << 32600.0 << 1 << 99 << 100;
    QTest::newRow("32601 is H 1") << 32601.0 << 2 << 0 << 256;
    QTest::newRow("32856 is H 256") << 32856.0 << 2 << 255 << 256;
    QTest::newRow("33000 is H 400") << 33000.0 << 2 << 256 << 257;
    QTest::newRow("negative number") << -12.5 << 0 << -1 << 0;
  }

  void storedCodesShowTheirSource() {
    QFETCH(double, stored);
    QFETCH(int, source);
    QFETCH(int, index);
    QFETCH(int, count);
    DialogBench bench;
    bench.place('G').setF64(8, stored);
    auto* d = static_cast<LimitDialog*>(bench.open('G'));
    LimitBinding* upper = d->limit1();
    QVERIFY(upper->sourceButton(static_cast<LimitSource>(source))->isChecked());
    QCOMPARE(upper->edit()->isVisible(), source == 0);
    QCOMPARE(upper->combo()->isVisible(), source != 0);
    if (source == 0)
      QCOMPARE(upper->edit()->text(), QString::number(stored));
    else
      QCOMPARE(upper->combo()->currentIndex(), index);
    if (source != 0) QCOMPARE(upper->combo()->count(), count);
    QVERIFY(d->limit()->sourceButton(LimitSource::Number)->isChecked());
    d->reject();
  }

  // Another source selects its first entry; "Zahl" brings the edit back.
  void choosingASourceSelectsItsFirstEntry() {
    DialogBench bench;
    core::TCell& g = bench.place('G');
    auto* d = static_cast<LimitDialog*>(bench.open('G'));
    LimitBinding* lower = d->limit();
    click(lower->sourceButton(LimitSource::F));
    lower->combo()->setCurrentIndex(5);
    click(lower->sourceButton(LimitSource::H));
    QCOMPARE(lower->combo()->currentIndex(), 0);
    lower->combo()->setCurrentIndex(5);
    d->rgQuelleClick();
    QCOMPARE(lower->combo()->currentIndex(), 0);
    d->SetList(4);
    QCOMPARE(lower->combo()->currentIndex(), 4);
    click(d->limit1()->sourceButton(LimitSource::F));
    d->SetList1(7);
    clickOk(d);
    QCOMPARE(g.f64(0), 32605.0);
    QCOMPARE(g.f64(8), 32508.0);

    d = static_cast<LimitDialog*>(bench.open('G'));
    click(d->limit()->sourceButton(LimitSource::Number));
    QVERIFY(d->limit()->edit()->isVisible() && !d->limit()->combo()->isVisible());
    typeInto(d->limit()->edit(), QStringLiteral("-20"));
    clickOk(d);
    QCOMPARE(g.f64(0), -20.0);
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::LimitDialogTest;
VELTRA_GUI_TEST(LimitDialogTest);

#include "limit_dialog_test.moc"
