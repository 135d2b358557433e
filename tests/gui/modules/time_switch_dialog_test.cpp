#include "dialog_test_support.h"
#include "gui_test.h"

#include "modules/switch_point_dialog.h"
#include "modules/time_switch.h"
#include "modules/time_switch_dialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

#include <functional>

namespace veltra::gui::test {

namespace {

core::TSwitchPoint point(std::int32_t mask, int hour, int minute, std::uint8_t state = 1) {
  core::TSwitchPoint p{};
  p.state = state;
  p.mask = mask;
  p.hour = hour;
  p.minute = minute;
  return p;
}

void tick(QCheckBox* box, bool on) {
  if (box->isChecked() != on) click(box);
}

} // namespace

// `Form_S` on program 4 with its point editor `FormSP`; the programs change
// at once, whatever becomes of the dialog.
class TimeSwitchDialogTest : public QObject {
  Q_OBJECT
private:
  std::unique_ptr<DialogBench> m_bench;
  TimeSwitchDialog* m_dialog = nullptr;
  int m_opened = 0;

  core::Project& project() { return *m_bench->project; }

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

  void showProgram(std::initializer_list<core::TSwitchPoint> points) {
    for (const core::TSwitchPoint& p : points)
      core::addSwitchPoint(project(), 4, p);
    m_dialog->GetSKanal(4);
  }

private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  void init() {
    m_bench = std::make_unique<DialogBench>();
    m_bench->place('S').setI32(0, 4);
    m_dialog = static_cast<TimeSwitchDialog*>(m_bench->open('S'));
    m_opened = 0;
    project().Modified = false;
  }
  void cleanup() {
    m_dialog->reject();
    m_bench.reset();
  }

  // New, change and delete act on the program at once, whatever becomes of
  // the dialog; without a selection, or with ten points, nothing opens.
  void pointsAreAddedChangedAndDeletedAtOnce() {
    withPointDialog(m_dialog->btNeu(), [](SwitchPointDialog* sp) {
      tick(sp->dayBox(0), true);
      tick(sp->dayBox(4), true);
      click(sp->onButton());
      sp->spHour()->setValue(7);
    });
    showProgram({point(core::kSaturday, 8, 30)});
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
    const core::TSwitchPoint& p = project().switchPoint(4, 1);
    QVERIFY(p.mask == core::kSaturday && p.hour == 8 && project().switchPoint(4, 2).mask == 0);
    QVERIFY(project().Modified);
    for (int h = 0; h < 9; ++h)
      core::addSwitchPoint(project(), 4, point(core::kTuesday, h, 0));
    m_dialog = static_cast<TimeSwitchDialog*>(m_bench->open('S'));
    QCOMPARE(m_dialog->lbZeit()->count(), 10);
    withPointDialog(m_dialog->btNeu(), [](SwitchPointDialog*) {});
    QCOMPARE(m_opened, 2);
  }

  // Choosing another program shows its name and points; only "Ok" changes
  // the module, and it names the program.
  void anotherProgramIsNamedByOk() {
    core::addSwitchPoint(project(), 7, point(core::kThursday, 18, 45, 0));
    const core::TCell before = m_bench->cell();
    m_dialog->spNummer()->setValue(7);
    QCOMPARE(m_dialog->edDesc()->text(), QStringLiteral("Programm 7"));
    QCOMPARE(lines(), QStringList{"Aus ______Do______  18:45"});
    QVERIFY(sameBytes(m_bench->cell(), before));
    typeInto(m_dialog->edDesc(), QStringLiteral("Heizung Büro"));
    clickOk(m_dialog);
    QCOMPARE(m_bench->cell().i32(0), 7);
    QCOMPARE(textOf(m_bench->cell()), QStringLiteral("Heizung Büro"));
    QCOMPARE(QString::fromStdString(core::cp1252ToUtf8(project().SignalDesc.text(core::SignalGroup::S, 7))),
             QStringLiteral("Heizung Büro"));
  }

  // From a file: an empty text takes the program's name, a program above 32
  // becomes 32.
  void oddModuleIsMadeGoodByOk() {
    m_bench->cell().text.clear();
    m_bench->cell().setI32(0, 40);
    m_dialog = static_cast<TimeSwitchDialog*>(m_bench->open('S'));
    QCOMPARE(m_dialog->spNummer()->value(), 32);
    QCOMPARE(m_dialog->edDesc()->text(), QStringLiteral("Programm 32"));
    QCOMPARE(m_bench->cell().i32(0), 40);
    clickOk(m_dialog);
    QCOMPARE(m_bench->cell().i32(0), 32);
    QCOMPARE(textOf(m_bench->cell()), QStringLiteral("Programm 32"));
  }

  void pointDialogReportsOnlyOk() {
    SwitchPointDialog* sp = m_dialog->pointDialog();
    QTimer::singleShot(0, [&] {
      tick(sp->dayBox(2), true);
      sp->reject();
    });
    QVERIFY(!sp->edit(point(0, 0, 0, 0), 4, 1).has_value());
    sp->activate(point(core::kAllDays, 23, 59, 1), 4, 2);
    sp->show();
    for (int d = 0; d < 7; ++d)
      QVERIFY(sp->dayBox(d)->isChecked());
    QTest::mouseClick(sp->okButton(), Qt::LeftButton);
    const core::TSwitchPoint p = sp->point();
    QVERIFY(p.mask == core::kAllDays && p.hour == 23 && p.minute == 59 && p.state == 1);
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::TimeSwitchDialogTest;
VELTRA_GUI_TEST(TimeSwitchDialogTest);

#include "time_switch_dialog_test.moc"
