#include "dialog_test_support.h"
#include "gui_test.h"

#include "modules/limit_binding.h"
#include "modules/limit_dialog.h"

#include <QGroupBox>
#include <QRadioButton>

namespace veltra::gui::test {

using core::LimitSource;

namespace {

void clickSource(LimitBinding* limit, LimitSource s) {
  QRadioButton* b = limit->sourceButton(s);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
  QVERIFY(b->isChecked());
}

} // namespace

// The limits of G and Z: a number, or constant F n coded as 32500 + n, or
// auxiliary signal H n as 32600 + n.
class LimitDialogTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  void constantReferenceIsStoredAndShownAgain() {
    DialogBench bench;
    core::TCell& g = bench.place('G');
    auto* d = static_cast<LimitDialog*>(bench.open('G'));
    LimitBinding* lower = d->limit();
    QCOMPARE(lower->sourceGroup()->objectName(), QStringLiteral("rgQuelle"));
    QCOMPARE(lower->sourceGroup()->title(), QStringLiteral("Signalquelle"));
    QVERIFY(lower->sourceButton(LimitSource::Number)->isChecked());
    QVERIFY(lower->edit()->isVisible());
    QVERIFY(!lower->combo()->isVisible());

    clickSource(lower, LimitSource::F);
    QVERIFY(!lower->edit()->isVisible());
    QVERIFY(lower->combo()->isVisible());
    QCOMPARE(lower->combo()->objectName(), QStringLiteral("cbMin"));
    QCOMPARE(lower->combo()->count(), 100); // F 1..100 only
    lower->combo()->setCurrentIndex(2);
    clickOk(d);
    QCOMPARE(g.f64(0), 32503.0);
    QCOMPARE(g.f64(8), 100.0);

    d = static_cast<LimitDialog*>(bench.open('G'));
    QVERIFY(d->limit()->sourceButton(LimitSource::F)->isChecked());
    QVERIFY(d->limit()->combo()->isVisible());
    QCOMPARE(d->limit()->combo()->currentIndex(), 2);
    QVERIFY(d->limit()->combo()->currentText().contains(QStringLiteral("Konstante 3")));
    QVERIFY(d->limit1()->sourceButton(LimitSource::Number)->isChecked());
    d->reject();
  }

  void auxiliaryReferenceOfTheSecondLimit() {
    DialogBench bench;
    core::TCell& z = bench.place('Z');
    auto* d = static_cast<LimitDialog*>(bench.open('Z'));
    LimitBinding* off = d->limit1();
    QCOMPARE(off->sourceGroup()->objectName(), QStringLiteral("rgQuelle1"));
    QCOMPARE(off->edit()->objectName(), QStringLiteral("edAus"));
    clickSource(off, LimitSource::H);
    QCOMPARE(off->combo()->count(), 256);
    off->combo()->setCurrentIndex(6);
    clickOk(d);
    QCOMPARE(z.f64(16), 32607.0);
    QCOMPARE(z.f64(8), 55.0);
    d = static_cast<LimitDialog*>(bench.open('Z'));
    QVERIFY(d->limit1()->sourceButton(LimitSource::H)->isChecked());
    QCOMPARE(d->limit1()->combo()->currentIndex(), 6);
    d->reject();
  }

  void storedCodesShowTheirSource_data() {
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("32500 is a number") << 32500.0 << 0 << -1 << "32500";
    QTest::newRow("32501 is F 1") << 32501.0 << 1 << 0 << "";
    QTest::newRow("32600 is F 100") << 32600.0 << 1 << 99 << "";
    QTest::newRow("32601 is H 1") << 32601.0 << 2 << 0 << "";
    QTest::newRow("32856 is H 256") << 32856.0 << 2 << 255 << "";
    QTest::newRow("negative number") << -12.5 << 0 << -1 << "-12.5";
  }

  void storedCodesShowTheirSource() {
    QFETCH(double, stored);
    QFETCH(int, source);
    QFETCH(int, index);
    QFETCH(QString, text);
    DialogBench bench;
    core::TCell& g = bench.place('G');
    g.setF64(8, stored);
    auto* d = static_cast<LimitDialog*>(bench.open('G'));
    LimitBinding* upper = d->limit1();
    QVERIFY(upper->sourceButton(static_cast<LimitSource>(source))->isChecked());
    if (source == 0) {
      QCOMPARE(upper->edit()->text(), text);
      QVERIFY(upper->edit()->isVisible());
    } else {
      QCOMPARE(upper->combo()->currentIndex(), index);
      QVERIFY(!upper->edit()->isVisible());
    }
    clickOk(d);
    QCOMPARE(g.f64(8), stored);
  }

  // A reference the lists cannot show (a fraction, an H number above 256)
  // stays as it is unless the engineer chooses another.
  void unlistedReferenceShowsAsExtraEntry() {
    DialogBench bench;
    core::TCell& z = bench.place('Z');
    z.setF64(8, 33000.0); // H 400
    auto* d = static_cast<LimitDialog*>(bench.open('Z'));
    QComboBox* cb = d->limit()->combo();
    QCOMPARE(cb->count(), 257);
    QCOMPARE(cb->currentIndex(), 256);
    QVERIFY(cb->currentText().contains(QStringLiteral("H 400")));
    clickOk(d);
    QCOMPARE(z.f64(8), 33000.0);
    d = static_cast<LimitDialog*>(bench.open('Z'));
    d->limit()->combo()->setCurrentIndex(9);
    clickOk(d);
    QCOMPARE(z.f64(8), 32610.0);
  }

  void choosingASourceSelectsItsFirstEntry() {
    DialogBench bench;
    core::TCell& g = bench.place('G');
    auto* d = static_cast<LimitDialog*>(bench.open('G'));
    LimitBinding* lower = d->limit();
    clickSource(lower, LimitSource::F);
    lower->combo()->setCurrentIndex(5);
    clickSource(lower, LimitSource::H);
    QCOMPARE(lower->combo()->currentIndex(), 0);
    QCOMPARE(lower->combo()->count(), 256);
    lower->combo()->setCurrentIndex(5);
    d->rgQuelleClick();
    QCOMPARE(lower->combo()->currentIndex(), 0);
    d->SetList(4);
    QCOMPARE(lower->combo()->currentIndex(), 4);
    clickSource(d->limit1(), LimitSource::F);
    d->SetList1(7);
    clickOk(d);
    QCOMPARE(g.f64(0), 32605.0);
    QCOMPARE(g.f64(8), 32508.0);
  }

  void backToANumber() {
    DialogBench bench;
    core::TCell& g = bench.place('G');
    g.setF64(0, 32503);
    auto* d = static_cast<LimitDialog*>(bench.open('G'));
    LimitBinding* lower = d->limit();
    clickSource(lower, LimitSource::Number);
    QVERIFY(lower->edit()->isVisible());
    QVERIFY(!lower->combo()->isVisible());
    typeInto(lower->edit(), QStringLiteral("-20"));
    clickOk(d);
    QCOMPARE(g.f64(0), -20.0);
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::LimitDialogTest;
VELTRA_GUI_TEST(LimitDialogTest);

#include "limit_dialog_test.moc"
