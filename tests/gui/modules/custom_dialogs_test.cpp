#include "dialog_test_support.h"

#include "core/modules/time_switch.h"
#include "gui/modules/constant_dialog.h"
#include "gui/modules/limit_binding.h"
#include "gui/modules/limit_dialog.h"
#include "gui/modules/switch_point_dialog.h"
#include "gui/modules/time_switch_dialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

#include <functional>

namespace veltra::gui::test {

namespace {

core::TSwitchPoint point(std::int32_t mask, int hour, int minute, std::uint8_t state = 1) {
  return {state, {}, mask, hour, minute};
}

} // namespace

using core::LimitSource;

// Dialogs with behaviour of their own. F edits constant `FWert[number]`; the
// limits of G and Z are a number, or F n coded as 32500 + n, or H n as
// 32600 + n; `Form_S` (the fixture, on program 4) changes programs at once.
class CustomDialogsTest : public QObject {
  Q_OBJECT
private:
  std::unique_ptr<DialogBench> m_bench;
  TimeSwitchDialog* m_dialog = nullptr;
  int m_opened = 0;

  // Clicks `button`; when FormSP opens, `drive` acts on it and clicks "Ok".
  void withPointDialog(QPushButton* button, const std::function<void(SwitchPointDialog*)>& drive) {
    QTimer::singleShot(0, [this, drive] {
      SwitchPointDialog* sp = m_dialog->pointDialog();
      if (!sp->isVisible()) return;
      ++m_opened;
      drive(sp);
      QTest::mouseClick(sp->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
  }

  QStringList lines() const {
    QStringList l;
    for (int i = 0; i < m_dialog->lbZeit()->count(); ++i)
      l << m_dialog->lbZeit()->item(i)->text();
    return l;
  }

private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  void init() {
    m_bench = std::make_unique<DialogBench>();
    m_bench->place('S').setI32(0, 4);
    m_dialog = m_bench->open<TimeSwitchDialog>('S');
    m_opened = 0;
    m_bench->project->Modified = false;
  }
  void cleanup() {
    m_dialog->reject();
    m_bench.reset();
  }

  // New, change, delete act at once; without a selection or with ten points nothing opens.
  void pointsAreAddedChangedAndDeletedAtOnce() {
    withPointDialog(m_dialog->btNeu(), [](SwitchPointDialog* sp) {
      click(sp->dayBox(0));
      click(sp->dayBox(4));
      click(sp->onButton());
      sp->spHour()->setValue(7);
    });
    core::addSwitchPoint(*m_bench->project, 4, point(core::kSaturday, 8, 30));
    m_dialog->GetSKanal(4);
    m_dialog->lbZeit()->setCurrentRow(0);
    withPointDialog(m_dialog->btChange(), [](SwitchPointDialog* sp) {
      QVERIFY(sp->onButton()->isChecked() && sp->spHour()->value() == 7);
      QVERIFY(sp->dayBox(0)->isChecked() && !sp->dayBox(1)->isChecked() && sp->dayBox(4)->isChecked());
      click(sp->offButton());
      sp->spMin()->setValue(15);
    });
    QCOMPARE(lines(), (QStringList{"Aus Mo______Fr____  07:15", "Ein __________Sa__  08:30"}));
    m_dialog->lbZeit()->setCurrentRow(-1);
    withPointDialog(m_dialog->btChange(), [](SwitchPointDialog*) {});
    QTest::mouseClick(m_dialog->btDel(), Qt::LeftButton);
    QCOMPARE(m_opened, 2);
    m_dialog->lbZeit()->setCurrentRow(0);
    QTest::mouseClick(m_dialog->btDel(), Qt::LeftButton);
    QCOMPARE(lines(), QStringList{"Ein __________Sa__  08:30"});
    m_dialog->reject();
    const core::TSwitchPoint& p = m_bench->project->switchPoint(4, 1);
    QVERIFY(p.mask == core::kSaturday && p.hour == 8 && m_bench->project->switchPoint(4, 2).mask == 0);
    QVERIFY(m_bench->project->Modified);
    for (int h = 0; h < 9; ++h)
      core::addSwitchPoint(*m_bench->project, 4, point(core::kTuesday, h, 0));
    m_dialog = m_bench->open<TimeSwitchDialog>('S');
    QCOMPARE(m_dialog->lbZeit()->count(), 10);
    withPointDialog(m_dialog->btNeu(), [](SwitchPointDialog*) {});
    QCOMPARE(m_opened, 2);
  }

  // Another program shows its name and points; "Ok" names the program after the text.
  void anotherProgramIsNamedByOk() {
    core::addSwitchPoint(*m_bench->project, 7, point(core::kThursday, 18, 45, 0));
    m_dialog->spNummer()->setValue(7);
    QCOMPARE(m_dialog->edDesc()->text(), QStringLiteral("Programm 7"));
    QCOMPARE(lines(), QStringList{"Aus ______Do______  18:45"});
    typeInto(m_dialog->edDesc(), QStringLiteral("Heizung Büro"));
    clickOk(m_dialog);
    QCOMPARE(m_bench->cell().i32(0), 7);
    QCOMPARE(utf8(m_bench->project->SignalDesc.text(core::SignalGroup::S, 7)), QStringLiteral("Heizung Büro"));
  }

  void pointDialogReportsOnlyOk() {
    SwitchPointDialog* sp = m_dialog->pointDialog();
    QTimer::singleShot(0, [&] {
      click(sp->dayBox(2));
      sp->reject();
    });
    QVERIFY(!sp->edit(point(0, 0, 0, 0), 4, 1).has_value());
    sp->activate(point(core::kAllDays, 23, 59, 1), 4, 2);
    sp->show();
    QTest::mouseClick(sp->okButton(), Qt::LeftButton);
    const core::TSwitchPoint p = sp->point();
    QVERIFY(p.mask == core::kAllDays && p.hour == 23 && p.minute == 59 && p.state == 1);
  }

  // The chosen constant reaches the module at once, also on cancel; "Ok" sets its value.
  void choosingAConstantShowsItsValueAtOnce() {
    DialogBench bench;
    bench.project->FWert[5] = 2.5;
    core::TCell& f = bench.place('F');
    auto* d = bench.open<ConstantDialog>('F');
    d->cbSignal()->setCurrentIndex(4);
    QCOMPARE(d->edConst()->text(), QStringLiteral("2.5"));
    QVERIFY(f.i32(0) == 5 && f.f64(8) == 2.5);
    d->reject();
    QVERIFY(f.i32(0) == 5 && bench.project->FWert[5] == 2.5);
    d = bench.open<ConstantDialog>('F');
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
    auto* d = bench.open<ConstantDialog>('F');
    QCOMPARE(d->cbSignal()->count(), 257);
    QVERIFY(d->cbSignal()->currentText().startsWith(QStringLiteral("999")));
    clickOk(d);
    QVERIFY(f.i32(0) == 1 && f.f64(8) == 7.25);
    QCOMPARE(textOf(f), QStringLiteral("Konstante 1"));
  }

  // Source, edit or list entry for a stored code; an unlisted reference is an extra entry.
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
    auto* d = bench.open<LimitDialog>('G');
    LimitBinding* upper = d->limit1();
    QVERIFY(upper->sourceButton(static_cast<LimitSource>(source))->isChecked());
    QCOMPARE(upper->edit()->isVisible(), source == 0);
    QCOMPARE(upper->combo()->isVisible(), source != 0);
    if (source == 0)
      QCOMPARE(upper->edit()->text(), QString::number(stored));
    else
      QVERIFY(upper->combo()->currentIndex() == index && upper->combo()->count() == count);
    QVERIFY(d->limit()->sourceButton(LimitSource::Number)->isChecked());
    d->reject();
  }

  // Another source selects its first entry; "Zahl" brings the edit back.
  void choosingASourceSelectsItsFirstEntry() {
    DialogBench bench;
    core::TCell& g = bench.place('G');
    auto* d = bench.open<LimitDialog>('G');
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
    QVERIFY(g.f64(0) == 32605.0 && g.f64(8) == 32508.0);
    d = bench.open<LimitDialog>('G');
    click(d->limit()->sourceButton(LimitSource::Number));
    QVERIFY(d->limit()->edit()->isVisible() && !d->limit()->combo()->isVisible());
    typeInto(d->limit()->edit(), QStringLiteral("-20"));
    clickOk(d);
    QCOMPARE(g.f64(0), -20.0);
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::CustomDialogsTest;
VELTRA_GUI_TEST(CustomDialogsTest);

#include "custom_dialogs_test.moc"
