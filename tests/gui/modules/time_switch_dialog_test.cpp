#include "dialog_test_support.h"
#include "gui_test.h"

#include "modules/switch_point_dialog.h"
#include "modules/time_switch.h"
#include "modules/time_switch_dialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
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
  if (box->isChecked() != on) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void clickRadio(QRadioButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

} // namespace

// `Form_S` with its point editor `FormSP`.
class TimeSwitchDialogTest : public QObject {
  Q_OBJECT
private:
  std::unique_ptr<DialogBench> m_bench;
  TimeSwitchDialog* m_dialog = nullptr;
  int m_pointDialogsOpened = 0;

  core::Project& project() { return *m_bench->project; }

  // Clicks `button` of Form_S; when FormSP opens, `drive` acts on it and, if
  // it left it open, the dialog is cancelled.
  void clickWithPointDialog(QPushButton* button, const std::function<void(SwitchPointDialog*)>& drive) {
    QTimer::singleShot(0, [this, drive] {
      SwitchPointDialog* sp = m_dialog->pointDialog();
      if (!sp->isVisible()) return;
      ++m_pointDialogsOpened;
      drive(sp);
      if (sp->isVisible()) sp->reject();
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
    m_bench->place('S');
    m_bench->cell().setI32(0, 4);
    m_dialog = static_cast<TimeSwitchDialog*>(m_bench->open('S'));
    m_pointDialogsOpened = 0;
    project().Modified = false;
  }
  void cleanup() {
    m_dialog->reject();
    m_bench.reset();
  }

  void showsTheModuleAndItsProgram() {
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Schaltsignal"));
    QCOMPARE(m_dialog->spNummer()->value(), 4);
    QCOMPARE(m_dialog->spNummer()->maximum(), 32);
    QCOMPARE(m_dialog->edDesc()->maxLength(), 20);
    QCOMPARE(m_dialog->lbZeit()->count(), 0);
  }

  void newPointIsListedAndStored() {
    clickWithPointDialog(m_dialog->btNeu(), [](SwitchPointDialog* sp) {
      QCOMPARE(sp->windowTitle(), QStringLiteral("Schaltpunkt"));
      tick(sp->dayBox(0), true);
      tick(sp->dayBox(4), true);
      clickRadio(sp->onButton());
      sp->spHour()->setValue(7);
      sp->spMin()->setValue(0);
      QTest::mouseClick(sp->okButton(), Qt::LeftButton);
    });
    QCOMPARE(m_pointDialogsOpened, 1);
    QCOMPARE(lines(), QStringList{QStringLiteral("Ein Mo______Fr____  07:00")});
    const core::TSwitchPoint& p = project().switchPoint(4, 1);
    QCOMPARE(p.mask, core::kMonday | core::kFriday);
    QCOMPARE(p.state, 1);
    QCOMPARE(p.hour, 7);
    QCOMPARE(p.minute, 0);
    QVERIFY(project().Modified);
    // The programs change at once, whatever becomes of the dialog.
    m_dialog->reject();
    QCOMPARE(project().switchPoint(4, 1).mask, core::kMonday | core::kFriday);
  }

  void newPointWithoutDaysStoresNothing() {
    clickWithPointDialog(m_dialog->btNeu(), [](SwitchPointDialog* sp) {
      clickRadio(sp->onButton());
      sp->spHour()->setValue(9);
      QTest::mouseClick(sp->okButton(), Qt::LeftButton);
    });
    QCOMPARE(m_pointDialogsOpened, 1);
    QCOMPARE(core::usedSwitchPoints(project(), 4), 0);
    QCOMPARE(m_dialog->lbZeit()->count(), 0);
    QVERIFY(!project().Modified);
  }

  void editingShowsThePointAndStoresTheChange() {
    core::addSwitchPoint(project(), 4, point(core::kMonday | core::kFriday, 7, 0));
    core::addSwitchPoint(project(), 4, point(core::kSaturday, 8, 30));
    m_dialog->GetSKanal(4);
    m_dialog->lbZeit()->setCurrentRow(0);
    clickWithPointDialog(m_dialog->btChange(), [](SwitchPointDialog* sp) {
      QVERIFY(sp->onButton()->isChecked());
      QVERIFY(sp->dayBox(0)->isChecked());
      QVERIFY(!sp->dayBox(1)->isChecked());
      QVERIFY(sp->dayBox(4)->isChecked());
      QCOMPARE(sp->spHour()->value(), 7);
      clickRadio(sp->offButton());
      sp->spMin()->setValue(15);
      QTest::mouseClick(sp->okButton(), Qt::LeftButton);
    });
    QCOMPARE(project().switchPoint(4, 1).state, 0);
    QCOMPARE(project().switchPoint(4, 1).minute, 15);
    QCOMPARE(lines(),
             (QStringList{QStringLiteral("Aus Mo______Fr____  07:15"), QStringLiteral("Ein __________Sa__  08:30")}));
  }

  void editingWithoutDaysLeavesThePoint() {
    core::addSwitchPoint(project(), 4, point(core::kSunday, 6, 5));
    m_dialog->GetSKanal(4);
    m_dialog->lbZeit()->setCurrentRow(0);
    clickWithPointDialog(m_dialog->btChange(), [](SwitchPointDialog* sp) {
      tick(sp->dayBox(6), false);
      sp->spHour()->setValue(22);
      QTest::mouseClick(sp->okButton(), Qt::LeftButton);
    });
    QCOMPARE(m_pointDialogsOpened, 1);
    QCOMPARE(project().switchPoint(4, 1).hour, 6);
    QCOMPARE(project().switchPoint(4, 1).mask, core::kSunday);
  }

  void editAndDeleteWithoutSelectionDoNothing() {
    core::addSwitchPoint(project(), 4, point(core::kSunday, 6, 5));
    m_dialog->GetSKanal(4);
    m_dialog->lbZeit()->setCurrentRow(-1);
    clickWithPointDialog(m_dialog->btChange(), [](SwitchPointDialog*) {});
    QTest::mouseClick(m_dialog->btDel(), Qt::LeftButton);
    QCOMPARE(m_pointDialogsOpened, 0);
    QCOMPARE(core::usedSwitchPoints(project(), 4), 1);
  }

  void deletingKeepsTheProgramPacked() {
    for (int h = 1; h <= 4; ++h)
      core::addSwitchPoint(project(), 4, point(core::kMonday, h, 0));
    m_dialog->GetSKanal(4);
    m_dialog->lbZeit()->setCurrentRow(1);
    QTest::mouseClick(m_dialog->btDel(), Qt::LeftButton);
    QCOMPARE(core::usedSwitchPoints(project(), 4), 3);
    QCOMPARE(project().switchPoint(4, 1).hour, 1);
    QCOMPARE(project().switchPoint(4, 2).hour, 3);
    QCOMPARE(project().switchPoint(4, 3).hour, 4);
    QCOMPARE(project().switchPoint(4, 4).mask, 0);
    QCOMPARE(project().switchPoint(4, 4).hour, 0);
    QCOMPARE(m_dialog->lbZeit()->count(), 3);
  }

  void tenPointsAtMost() {
    for (int h = 0; h < 10; ++h)
      core::addSwitchPoint(project(), 4, point(core::kTuesday, h, 0));
    core::addSwitchPoint(project(), 5, point(core::kWednesday, 12, 0));
    m_dialog->GetSKanal(4);
    QCOMPARE(m_dialog->lbZeit()->count(), 10);
    QVERIFY(!lines().join(' ').contains(QStringLiteral("Mi")));
    clickWithPointDialog(m_dialog->btNeu(), [](SwitchPointDialog*) {});
    QCOMPARE(m_pointDialogsOpened, 0);
    QCOMPARE(core::usedSwitchPoints(project(), 5), 1);
  }

  void anotherProgramShowsItsNameAndPoints() {
    core::addSwitchPoint(project(), 7, point(core::kThursday, 18, 45, 0));
    const core::TCell before = m_bench->cell();
    m_dialog->spNummer()->setValue(7);
    QCOMPARE(m_dialog->edDesc()->text(), QStringLiteral("Programm 7"));
    QCOMPARE(lines(), QStringList{QStringLiteral("Aus ______Do______  18:45")});
    // Only "Ok" changes the module.
    QVERIFY(sameBytes(m_bench->cell(), before));
    clickOk(m_dialog);
    QCOMPARE(m_bench->cell().i32(0), 7);
    QCOMPARE(textOf(m_bench->cell()), QStringLiteral("Programm 7"));
  }

  void okNamesTheProgram() {
    typeInto(m_dialog->edDesc(), QStringLiteral("Heizung Büro"));
    tick(m_dialog->cbInv(), true);
    clickOk(m_dialog);
    QCOMPARE(textOf(m_bench->cell()), QStringLiteral("Heizung Büro"));
    QCOMPARE(m_bench->cell().u8(4), 1);
    QCOMPARE(m_bench->cell().error, 0);
    QCOMPARE(QString::fromStdString(core::cp1252ToUtf8(project().SignalDesc.text(core::SignalGroup::S, 4))),
             QStringLiteral("Heizung Büro"));
  }

  void emptyTextTakesTheProgramName() {
    m_bench->cell().text.clear();
    m_dialog = static_cast<TimeSwitchDialog*>(m_bench->open('S'));
    QCOMPARE(m_dialog->edDesc()->text(), QStringLiteral("Programm 4"));
    clickOk(m_dialog);
    QCOMPARE(textOf(m_bench->cell()), QStringLiteral("Programm 4"));
  }

  void programAbove32IsCutTo32() {
    m_bench->cell().setI32(0, 40);
    m_dialog = static_cast<TimeSwitchDialog*>(m_bench->open('S'));
    QCOMPARE(m_dialog->spNummer()->value(), 32);
    QCOMPARE(m_bench->cell().i32(0), 40);
    clickOk(m_dialog);
    QCOMPARE(m_bench->cell().i32(0), 32);
  }

  void pointDialogReportsOnlyOk() {
    SwitchPointDialog* sp = m_dialog->pointDialog();
    bool cancelled = false;
    QTimer::singleShot(0, [&] {
      tick(sp->dayBox(2), true);
      sp->reject();
      cancelled = true;
    });
    QVERIFY(!sp->edit(point(0, 0, 0, 0), 4, 1).has_value());
    QVERIFY(cancelled);
    sp->activate(point(core::kAllDays, 23, 59, 1), 4, 2);
    sp->show();
    for (int d = 0; d < 7; ++d)
      QVERIFY(sp->dayBox(d)->isChecked());
    QTest::mouseClick(sp->okButton(), Qt::LeftButton);
    QCOMPARE(sp->point().mask, core::kAllDays);
    QCOMPARE(sp->point().hour, 23);
    QCOMPARE(sp->point().minute, 59);
    QCOMPARE(sp->point().state, 1);
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::TimeSwitchDialogTest;
VELTRA_GUI_TEST(TimeSwitchDialogTest);

#include "time_switch_dialog_test.moc"
