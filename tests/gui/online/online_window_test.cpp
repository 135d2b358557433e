// The online buttons, ComTimer, the live values on the grid and the value
// and bit dialogs, against an in-process server block.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "core/editor/grid_geometry.h"
#include "core/online/in_process_blocks.h"
#include "core/util/file_io.h"
#include "gui/app/edit_menu.h"
#include "gui/editor/grid_painter.h"
#include "gui/editor/grid_view.h"
#include "gui/online/bit_change_dialog.h"
#include "gui/online/online_controller.h"
#include "gui/online/value_change_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace veltra::gui::testing {

class OnlineWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;
  std::unique_ptr<core::InProcessBlocks> blocks;
  core::ServerBlock server;
  core::FixedClock clock{core::makeLocalDateTime(2026, 12, 5, 10, 1, 0)};

  OnlineController& online() { return h->window().online(); }
  QPushButton* button(const char* name) { return h->window().findChild<QPushButton*>(name); }
  void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
  // The block of a server that runs the window's project.
  void serve() {
    server = blocks->create(core::kDefaultBlockName);
    core::ModuleTable table;
    server.setChecksum(table.BuildChecksum(h->project()));
  }
  // A signal module with its number, placed as the engineer does.
  void placeSignal(char letter, int col, int row, int n) {
    h->place(letter, col, row);
    h->project().cell(1, col, row).setI32(0, n);
  }
  bool enabled(const char* name) { return button(name)->isEnabled(); }
  // Pixels of the live text colours right of cell (col, row).
  int liveBoxPixels(int col, int row) {
    const QImage& img = h->window().gridView()->image();
    int n = 0;
    const int left = core::cellPx(col) + GridPainter::kLiveOffsetPx, top = core::cellPx(row);
    for (int x = left; x < left + 37; ++x)
      for (int y = top; y < top + 10; ++y)
        n += img.pixel(x, y) == GridPainter::kLiveBackground ? 1 : 0;
    return n;
  }
  QImage liveBox(int col, int row) {
    return h->window().gridView()->image().copy(core::cellPx(col) + GridPainter::kLiveOffsetPx, core::cellPx(row), 36,
                                                12);
  }

private slots:
  void init() {
    h = std::make_unique<WindowHarness>();
    blocks = std::make_unique<core::InProcessBlocks>();
    online().useBlocks(*blocks, core::kDefaultBlockName);
    online().setClock(clock);
  }
  void cleanup() {
    QVERIFY2(h->ui().unscripted.isEmpty(), qPrintable(h->ui().unscripted.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
    blocks.reset();
  }

  void debugStartAndStopTurnTheButtonsAndTheTimer() {
    QVERIFY(enabled("btDebug") && enabled("btMessen"));
    QVERIFY(!enabled("btDStop") && !enabled("btnSUhr") && !enabled("btMStop"));
    click("btDebug");
    QCOMPARE(h->ui().errors, QStringList{"Server not running."});
    QVERIFY(enabled("btDebug") && !online().comTimer()->isActive());
    serve();
    click("btDebug");
    QCOMPARE(h->ui().errors.size(), 1);
    QVERIFY(!enabled("btDebug") && enabled("btDStop") && enabled("btnSUhr") && enabled("btMessen"));
    QVERIFY(online().comTimer()->isActive());
    QCOMPARE(online().comTimer()->interval(), 500);
    QCOMPARE(h->editor().currentTool(), '+');
    QVERIFY(h->window().toolButton('+')->isChecked());
    auto* label = h->window().findChild<QLabel*>("lbOnline");
    QVERIFY(!label->isHidden() && label->text().startsWith("ONLINE"));
    click("btDStop");
    QVERIFY(enabled("btDebug") && !enabled("btDStop") && !enabled("btnSUhr"));
    QVERIFY(!online().comTimer()->isActive() && label->isHidden());
  }

  void checksumMismatchIsShownAndNothingStarts() {
    serve();
    server.setChecksum({1, 2, 3, 0x80000000u});
    click("btDebug");
    QCOMPARE(h->ui().errors.size(), 1);
    QVERIFY2(h->ui().errors[0].startsWith("Checksum nicht identisch 0 0 0 0-1 2 3 -2147483648"),
             qPrintable(h->ui().errors[0]));
    QVERIFY(enabled("btDebug") && !h->editor().onlineMode());
  }

  // Drawn after everything else, on a box of its own; each tick redraws with the block's value.
  void liveValuesOnThePaintedGrid() {
    placeSignal('E', 1, 2, 5);
    serve();
    server.setAnalog(core::BlockArea::E, 5, 21.456);
    h->window().ZeichneAlles();
    QCOMPARE(liveBoxPixels(1, 2), 0);
    click("btDebug");
    QVERIFY(liveBoxPixels(1, 2) > 40);
    const QImage before = liveBox(1, 2);
    server.setAnalog(core::BlockArea::E, 5, -7.5);
    online().ComTimerTimer();
    QVERIFY(liveBox(1, 2) != before);
    QCOMPARE(liveBoxPixels(3, 2), 0); // an empty cell shows nothing
    click("btDStop");
    QCOMPARE(liveBoxPixels(1, 2), 0);
  }

  // Only the block changes; the dialog keeps the text typed last.
  void valueChangeWritesTheBlockAndRemembersTheEntry() {
    placeSignal('F', 1, 2, 7);
    h->project().FWert[7] = 1.5;
    serve();
    click("btDebug");
    h->project().Modified = false;
    const core::TCell before = h->cell(1, 2);
    QString oldShown;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<ValueChangeDialog*>(w);
      QVERIFY(d != nullptr && d->windowTitle() == "Wert ändern");
      oldShown = d->blALt->text();
      d->edNeu->setText("3.5");
      QTest::mouseClick(d->Button1, Qt::LeftButton);
    });
    h->clickCell(1, 2);
    QCOMPARE(oldShown, QString("0"));
    QCOMPARE(server.analog(core::BlockArea::F, 7), 3.5);
    QCOMPARE(h->project().FWert[7], 1.5);
    QVERIFY(std::memcmp(&before, &h->cell(1, 2), sizeof before) == 0);
    QVERIFY(!h->project().Modified);

    server.setAnalog(core::BlockArea::F, 7, 4.25);
    QString typed;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = static_cast<ValueChangeDialog*>(w);
      oldShown = d->blALt->text();
      typed = d->edNeu->text();
      d->edNeu->setText("abc");
      QTest::mouseClick(d->Button1, Qt::LeftButton); // refused: the dialog stays
      QVERIFY(d->isVisible());
      d->reject();
    });
    h->clickCell(1, 2);
    QCOMPARE(oldShown, QString("4.25"));
    QCOMPARE(typed, QString("3.5"));
    QCOMPARE(h->ui().errors, QStringList{"'abc' ist kein gültiger Gleitkommawert"});
    QCOMPARE(server.analog(core::BlockArea::F, 7), 4.25);
  }

  void bitChangeWritesTheRawBitAndRemembersTheEntry() {
    placeSignal('I', 1, 2, 1);
    h->project().cell(1, 1, 2).setU8(4, 1); // inverted: the dialog still shows the raw signal
    serve();
    click("btDebug");
    bool oldShown = true;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<BitChangeDialog*>(w);
      QVERIFY(d != nullptr && d->windowTitle() == "Bit ändern");
      oldShown = d->cbAlt->isChecked();
      d->cbNew->setChecked(true);
      QTest::mouseClick(d->btOk, Qt::LeftButton);
    });
    h->clickCell(1, 2);
    QVERIFY(!oldShown);
    QCOMPARE(server.byte(core::BlockArea::I, 1), std::uint8_t{1});
    bool newShown = false;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = static_cast<BitChangeDialog*>(w);
      oldShown = d->cbAlt->isChecked();
      newShown = d->cbNew->isChecked();
      d->cbNew->setChecked(false);
      QTest::mouseClick(d->btOk, Qt::LeftButton);
    });
    h->clickCell(1, 2);
    QVERIFY(oldShown && newShown);
    QCOMPARE(server.byte(core::BlockArea::I, 1), std::uint8_t{0});
  }

  void otherModulesOpenNothingOnline() {
    h->place('R', 3, 2);
    serve();
    click("btDebug");
    const std::size_t dialogs = h->dialogs().calls.size();
    h->clickCell(3, 2);
    QCOMPARE(h->dialogs().calls.size(), dialogs);
  }

  void measuringWritesTheRowsIntoTheChosenFolder() {
    serve();
    QTemporaryDir folder;
    QLineEdit* interval = h->window().findChild<QLineEdit*>("edMesszeit");
    interval->setText("007");
    QCOMPARE(interval->text(), QString("7"));
    interval->setText("0");
    QCOMPARE(interval->text(), QString("60"));
    interval->setText("1");
    h->ui().folderNames.push_back(folder.path());
    click("btMessen");
    QCOMPARE(h->ui().folderRequests.size(), 1);
    QVERIFY(h->ui().folderRequests[0].startsWith("Ordner auswählen|"));
    QVERIFY2(h->programDir().iniText().contains("Messdaten=" + folder.path() + "/"),
             qPrintable(h->programDir().iniText()));
    QVERIFY(!enabled("btMessen") && enabled("btMStop") && online().comTimer()->isActive());
    online().comTimer()->stop(); // the test ticks itself
    server.setAnalog(core::BlockArea::E, 1, 21.5);
    online().ComTimerTimer();
    QVERIFY(!QFile::exists(folder.filePath("E_05.12.2026.csv")));
    online().ComTimerTimer();
    const std::string row = core::readFileText(folder.filePath("E_05.12.2026.csv").toStdString());
    QVERIFY(row.starts_with("10:01:00;21.5;0;"));
    for (const char* prefix : {"A_", "I_", "Q_", "H_"})
      QVERIFY(QFile::exists(folder.filePath(QString(prefix) + "05.12.2026.csv")));

    // Failures are reported once until writing works again.
    QVERIFY(QDir(folder.path()).removeRecursively());
    for (int i = 0; i < 6; ++i)
      online().ComTimerTimer();
    QCOMPARE(h->ui().errors.size(), 1);
    QVERIFY(QDir().mkpath(folder.path()));
    online().ComTimerTimer();
    online().ComTimerTimer();
    QCOMPARE(h->ui().infos, QStringList{"Die Messwerte werden wieder geschrieben."});
    click("btMStop");
    QVERIFY(enabled("btMessen") && !enabled("btMStop") && !online().comTimer()->isActive());
  }

  // A bad interval text ends the start before attaching; the folder is kept.
  void measuringWithABadIntervalDoesNotStart() {
    serve();
    QTemporaryDir folder;
    QLineEdit* interval = h->window().findChild<QLineEdit*>("edMesszeit");
    interval->setText("x");
    h->ui().folderNames.push_back(folder.path());
    click("btMessen");
    QCOMPARE(h->ui().errors, QStringList{"'x' ist kein gültiger Integerwert"});
    QVERIFY(enabled("btMessen") && !online().link().attached());
    QVERIFY(h->programDir().iniText().contains("Messdaten="));
  }

  void sUhrFetchesTheControllersPrograms() {
    serve();
    std::array<std::uint8_t, core::kTimeSwitchBlockSize> programs{};
    programs[16 * 10 * 2] = 1; // program 3, point 1: Ein, Monday 6:30
    programs[16 * 10 * 2 + 4] = 1;
    programs[16 * 10 * 2 + 8] = 6;
    programs[16 * 10 * 2 + 12] = 30;
    server.writeSwitchPrograms(programs);
    click("btDebug");
    h->project().Modified = false;
    click("btnSUhr");
    const core::TSwitchPoint& p = h->project().switchPoint(3, 1);
    QVERIFY(p.state == 1 && p.mask == 1 && p.hour == 6 && p.minute == 30);
    // The programs now differ from the saved ones; the step is taken back
    // only after the link has stopped.
    QVERIFY(h->project().Modified);
    QAction* undo = h->window().editMenu().undoAction();
    QVERIFY(!undo->isEnabled());
    click("btDStop");
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("Rückgängig: Schaltuhren übernehmen"));
    undo->trigger();
    QCOMPARE(h->project().switchPoint(3, 1).mask, 0);
    QVERIFY(!h->project().Modified);
  }

  // The slots of the loop that becomes current are cleared, not those of loop 1.
  void loopChangeClearsTheNewLoopsConnections() {
    serve();
    click("btDebug");
    server.setAnalog(core::BlockArea::AnalogConnection, core::globalConnection(3, 7), 5.0);
    server.setAnalog(core::BlockArea::AnalogConnection, core::globalConnection(1, 7), 5.0);
    h->fields().edNum()->setText("3");
    QCOMPARE(server.analogConnection(3, 7), 0.0);
    QCOMPARE(server.analogConnection(1, 7), 5.0);
  }
};

VELTRA_GUI_TEST(OnlineWindowTest);

} // namespace veltra::gui::testing

#include "online_window_test.moc"
