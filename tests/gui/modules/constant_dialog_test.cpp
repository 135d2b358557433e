#include "dialog_test_support.h"
#include "gui_test.h"

#include "editor/editor.h"
#include "modules/constant_dialog.h"

#include <QTimer>

namespace veltra::gui::test {

namespace {

// The editor's window as far as data entry needs it: the dialog opens
// through the real dialog set, modally.
class DialogHost : public core::EditorHost {
public:
  explicit DialogHost(DialogBench& bench) : m_bench(bench) {}
  void attach(core::Editor& editor) { m_editor = &editor; }
  bool askYesNo(const std::string&) override { return true; }
  void openModuleDialog(char letter) override {
    m_bench.dialogs.exec(letter, *m_bench.project, m_bench.project->CurrentLoop, m_editor->selCol(), m_editor->selRow(),
                         m_bench.programDir);
  }
  void openTextDialog(int, int, int) override {}
  void redraw() override {}
  void overlayChanged() override {}
  void showHelp(char) override {}
  void clearHelp() override {}
  void setHoverText(const std::string&) override {}

private:
  DialogBench& m_bench;
  core::Editor* m_editor = nullptr;
};

} // namespace

// Dialog F: the value belongs to the constant, `FWert[number]`.
class ConstantDialogTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  void choosingAConstantShowsItsValueAtOnce() {
    DialogBench bench;
    bench.project->FWert[5] = 2.5;
    core::TCell& f = bench.place('F');
    auto* d = static_cast<ConstantDialog*>(bench.open('F'));
    QCOMPARE(d->cbSignal()->currentIndex(), 0);
    d->cbSignal()->setCurrentIndex(4);
    QCOMPARE(d->edConst()->text(), QStringLiteral("2.5"));
    // The choice itself reaches the module at once and stays after a cancel.
    QCOMPARE(f.i32(0), 5);
    QCOMPARE(f.f64(8), 2.5);
    d->reject();
    QCOMPARE(f.i32(0), 5);
    QCOMPARE(bench.project->FWert[5], 2.5);
  }

  void okSetsTheConstantsValue() {
    DialogBench bench;
    bench.project->FWert[5] = 2.5;
    core::TCell& f = bench.place('F');
    auto* d = static_cast<ConstantDialog*>(bench.open('F'));
    d->cbSignal()->setCurrentIndex(4);
    typeInto(d->edConst(), QStringLiteral("3.0"));
    clickOk(d);
    QCOMPARE(bench.project->FWert[5], 3.0);
    QCOMPARE(f.f64(8), 3.0);
    QCOMPARE(f.i32(0), 5);
    QCOMPARE(textOf(f), QStringLiteral("Konstante 5"));
  }

  void everyModuleOfTheConstantFollowsThroughDataEntry() {
    DialogBench bench;
    bench.project->FWert[5] = 2.5;
    bench.place('F', 3, 1).setI32(0, 5);
    bench.place('F', 6, 1).setI32(0, 5);
    bench.place('F', 9, 1).setI32(0, 6);
    bench.place('F', 3, 5);
    DialogHost host(bench);
    core::Editor editor(*bench.project, host);
    host.attach(editor);
    editor.mouseMove(35 * 3 + 17, 35 * 5 + 17, false);
    bool drove = false;
    QTimer::singleShot(0, [&] {
      auto* d = static_cast<ConstantDialog*>(bench.dialogs.dialog('F'));
      if (d->isVisible()) {
        d->cbSignal()->setCurrentIndex(4);
        QCOMPARE(d->edConst()->text(), QStringLiteral("2.5"));
        typeInto(d->edConst(), QStringLiteral("3.0"));
        clickOk(d);
        drove = true;
      }
      d->reject();
    });
    editor.DatenEingabe(false);
    QVERIFY(drove);
    QCOMPARE(bench.project->FWert[5], 3.0);
    QCOMPARE(bench.cell(3, 1).f64(8), 3.0);
    QCOMPARE(bench.cell(6, 1).f64(8), 3.0);
    QCOMPARE(bench.cell(3, 5).f64(8), 3.0);
    QCOMPARE(bench.cell(9, 1).f64(8), bench.project->FWert[6]);
    QVERIFY(bench.project->Modified);
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
    QCOMPARE(f.i32(0), 1);
    QCOMPARE(f.f64(8), 7.25);
    QCOMPARE(textOf(f), QStringLiteral("Konstante 1"));
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::ConstantDialogTest;
VELTRA_GUI_TEST(ConstantDialogTest);

#include "constant_dialog_test.moc"
