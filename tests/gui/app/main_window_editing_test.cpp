// Editing through the main window's own controls: tool buttons, clicks and
// pointer moves on the grid, keys over the grid and the loop fields.

#include "app/main_window_harness.h"
#include "gui_test_registry.h"

#include "editor/grid_view.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace veltra::gui::testing {

namespace {

bool isRed(QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }

} // namespace

class MainWindowEditingTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;

  const core::TCell& cell(int col, int row, int loop = 0) {
    return h->project().cell(loop == 0 ? h->project().CurrentLoop : loop, col, row);
  }
  void place(char tool, int col, int row) {
    h->toolButton(tool);
    h->clickCell(col, row);
  }
  // E at (1, 2) feeding A at (3, 2) by the connect tool.
  void connectEtoA() {
    place('E', 1, 2);
    place('A', 3, 2);
    h->toolButton('0');
    h->clickCell(1, 2);
    h->move(80, 60);
    h->clickCell(3, 2);
    h->move(120, 60);
  }

private slots:
  void init() { h = std::make_unique<WindowHarness>(); }
  void cleanup() {
    QVERIFY2(h->ui().unscripted.isEmpty(), qPrintable(h->ui().unscripted.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
  }

  void toolButtonAndClickPlaceAModule() {
    h->toolButton('R');
    QCOMPARE(h->editor().currentTool(), 'R');
    QVERIFY(h->window().toolButton('R')->isChecked());
    QVERIFY(!h->window().toolButton('E')->isChecked());
    QVERIFY(h->window().helpMemo()->toPlainText().size() > 10);
    QVERIFY(h->window().libraryLoadAction()->isEnabled());
    h->clickCell(1, 12);
    for (int k = 0; k < 3; ++k) {
      QCOMPARE(cell(1, 12 + k).letter, 'R');
      QCOMPARE(cell(1, 12 + k).part, k + 1);
    }
    QCOMPARE(h->dialogs().calls.size(), size_t{1});
    QCOMPARE(h->dialogs().calls[0].letter, 'R');
    QCOMPARE(h->dialogs().calls[0].col, 1);
    QCOMPARE(h->dialogs().calls[0].row, 12);
    QVERIFY(h->project().Modified);
    QVERIFY(!h->window().libraryLoadAction()->isEnabled());
  }

  void placementRulesRefuseWithoutEffect() {
    place('R', 1, 13); // would reach below the grid
    QVERIFY(cell(1, 13).isEmpty());
    place('D', 0, 4); // D never stands in column 0
    QVERIFY(cell(0, 4).isEmpty());
    place('E', 5, 5);
    place('A', 6, 5); // right beside E
    QVERIFY(cell(6, 5).isEmpty());
    place('A', 7, 5); // one free column between
    QCOMPARE(cell(7, 5).letter, 'A');
    QCOMPARE(h->dialogs().calls.size(), size_t{2});
  }

  void connectGestureStoresTheConnectionAtTheNextMove() {
    place('E', 1, 2);
    place('A', 3, 2);
    h->toolButton('0');
    h->clickCell(1, 2);
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kSourceChosen});
    h->move(80, 60);
    QVERIFY(h->window().gridView()->rubberBandVisible());
    h->clickCell(3, 2);
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kAccepted});
    QVERIFY(h->project().XWires[1][1].isFree()); // not before the pointer moves
    h->move(120, 60);
    QVERIFY(!h->window().gridView()->rubberBandVisible());
    const core::TWire& w = h->project().XWires[1][1];
    QCOMPARE(w.src.col, 1);
    QCOMPARE(w.src.row, 2);
    QCOMPARE(w.dest[0].col, 3);
    QCOMPARE(w.dest[0].row, 2);
    QCOMPARE(cell(1, 2).XA, 1);
    QCOMPARE(cell(3, 2).XE, 1);
    // The routed line: analog tiles are red, along the middle of row 2.
    QCOMPARE(h->editor().wireField()[12][12].state, core::kWire);
    const QImage& img = h->window().gridView()->image();
    QVERIFY(isRed(img.pixelColor(7 * 12 + 3, 7 * 12 + 3)));
    QVERIFY(!isRed(img.pixelColor(7 * 12 + 3, 7 * 12 + 0)));

    // A second gesture from the same output reuses connection 1.
    place('A', 3, 6);
    h->toolButton('0');
    h->clickCell(1, 2);
    h->move(80, 150);
    h->clickCell(3, 6);
    h->move(150, 150);
    QCOMPARE(h->project().XWires[1][1].dest[1].col, 3);
    QCOMPARE(h->project().XWires[1][1].dest[1].row, 6);
    QVERIFY(h->project().XWires[1][2].isFree());
  }

  void connectGestureCancelsOnAWrongInputAndIgnoresEmptyCells() {
    place('E', 1, 2);
    place('M', 3, 2); // digital input
    h->toolButton('0');
    h->clickCell(1, 2);
    h->move(80, 60);
    h->clickCell(6, 6); // empty: the rubber band stays
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kRubberBand});
    h->clickCell(3, 2);
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kCancelPending});
    h->move(130, 60);
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kIdle});
    QVERIFY(h->project().XWires[1][1].isFree());
    QCOMPARE(cell(3, 2).YE, 0);
    QVERIFY(!h->window().gridView()->rubberBandVisible());
  }

  void dragMovesAModuleWithItsConnectionEnds() {
    place('E', 3, 5);
    place('B', 5, 5); // height 2
    h->toolButton('0');
    h->clickCell(3, 5);
    h->move(150, 150);
    h->clickCell(5, 5);
    h->move(150, 150);
    QCOMPARE(cell(5, 5).XE, 1);

    h->toolButton('2');
    h->moveToCell(5, 5);
    h->press(35 * 5 + 17, 35 * 5 + 17);
    h->moveToCell(5, 5, true); // the drag starts
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kDragging});
    h->moveToCell(5, 6, true);
    h->release(35 * 5 + 17, 35 * 6 + 17);
    h->moveToCell(5, 6);
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kIdle});
    QVERIFY(cell(5, 5).isEmpty());
    QCOMPARE(cell(5, 6).letter, 'B');
    QCOMPARE(cell(5, 6).part, 1);
    QCOMPARE(cell(5, 7).part, 2);
    QCOMPARE(cell(5, 6).XE, 1);
    QCOMPARE(h->project().XWires[1][1].dest[0].row, 6);
    QVERIFY(h->project().XWires[1][1].dest[1].col < 0);
    // A move without the button does not drag.
    h->moveToCell(5, 9);
    QCOMPARE(cell(5, 6).letter, 'B');
  }

  void deleteToolAsksAndObeysTheAnswer() {
    connectEtoA();
    h->toolButton('#');
    h->ui().answers = {false};
    h->clickCell(3, 2);
    QCOMPARE(h->ui().questions, QStringList{"Modul löschen?"});
    QCOMPARE(cell(3, 2).letter, 'A');
    h->ui().answers = {true};
    h->clickCell(3, 2);
    QVERIFY(cell(3, 2).isEmpty());
    QCOMPARE(cell(1, 2).XA, 0); // its only destination went with it
    QVERIFY(h->project().XWires[1][1].isFree());
    h->clickCell(7, 7); // an empty cell asks nothing
    QCOMPARE(h->ui().questions.size(), 2);
  }

  void blockDeleteHatchesTheBlockAndDeletesWholeModules() {
    place('R', 3, 6); // rows 6..8, top cell inside the block
    h->toolButton('9');
    h->clickCell(4, 6);
    QCOMPARE(h->editor().rangeState(), 1);
    h->ui().answers = {true};
    h->clickCell(2, 5); // corners in any order
    QCOMPARE(h->ui().questions, QStringList{"Bereich löschen?"});
    for (int k = 0; k < 3; ++k)
      QVERIFY(cell(3, 6 + k).isEmpty());
    QCOMPARE(h->editor().rangeState(), 0);

    place('R', 3, 4); // rows 4..6: top cell above the block
    h->toolButton('9');
    h->clickCell(2, 5);
    h->ui().answers = {true};
    h->clickCell(4, 6);
    QCOMPARE(cell(3, 4).letter, 'R');
    QCOMPARE(cell(3, 6).part, 3);
  }

  void blockDeleteShowsTheHatchedBlockWhileAsking() {
    h->toolButton('9');
    h->clickCell(2, 5);
    QImage atQuestion;
    h->ui().onAsk = [&](const QString&) { atQuestion = h->window().gridView()->image(); };
    h->ui().answers = {false};
    h->clickCell(4, 6);
    auto blueIn = [](const QImage& img) {
      int blue = 0;
      for (int x = 71; x < 174; ++x)
        for (int y = 176; y < 244; ++y)
          blue += img.pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
      return blue;
    };
    QVERIFY(blueIn(atQuestion) > 100);
    // Answered No: the block is gone from the picture again.
    QCOMPARE(blueIn(h->window().gridView()->image()), 0);
    QCOMPARE(h->editor().rangeState(), 0);
  }

  void disconnectLeftHalfInputsRightHalfOutputs() {
    connectEtoA();
    place('A', 3, 6);
    h->toolButton('0');
    h->clickCell(1, 2);
    h->move(80, 150);
    h->clickCell(3, 6);
    h->move(150, 150);
    QCOMPARE(cell(3, 6).XE, 1);

    h->toolButton('1');
    h->ui().answers = {true};
    h->click(35 * 3 + 5, 35 * 2 + 17); // left half of A (3, 2): its input
    QCOMPARE(h->ui().questions.last(), QString("Verbindungen dieses Eingangs löschen?"));
    QCOMPARE(cell(3, 2).XE, 0);
    QCOMPARE(cell(3, 6).XE, 1);
    QCOMPARE(cell(1, 2).XA, 1);

    h->ui().answers = {false};
    h->click(35 * 1 + 25, 35 * 2 + 17); // right half of E: No keeps it
    QCOMPARE(h->ui().questions.last(), QString("Verbindungen dieses Ausgangs löschen?"));
    QCOMPARE(cell(1, 2).XA, 1);
    h->ui().answers = {true};
    h->click(35 * 1 + 25, 35 * 2 + 17);
    QCOMPARE(cell(1, 2).XA, 0);
    QCOMPARE(cell(3, 6).XE, 0);
    QVERIFY(h->project().XWires[1][1].isFree());
  }

  void keysActOnlyWithThePointerOverTheGrid() {
    QVERIFY(h->showActive());
    h->cursorToCell(1, 2);
    h->key(Qt::Key_E);
    QCOMPARE(cell(1, 2).letter, 'E');
    QCOMPARE(h->editor().currentTool(), 'E');
    for (QToolButton* b : h->window().findChildren<QToolButton*>())
      QVERIFY2(!b->isChecked(), qPrintable(b->objectName())); // a key leaves the toolbar alone
    h->cursorToCell(3, 2);
    h->key(Qt::Key_A);
    QCOMPARE(cell(3, 2).letter, 'A');

    // '0' starts a connection on E; Esc cancels it.
    h->cursorToCell(1, 2);
    h->key(Qt::Key_0);
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kSourceChosen});
    h->cursorToCell(2, 4);
    QVERIFY(h->window().gridView()->rubberBandVisible());
    h->key(Qt::Key_Escape);
    QCOMPARE(h->editor().wireState(), std::uint8_t{core::kIdle});
    QVERIFY(!h->window().gridView()->rubberBandVisible());

    // F3 deletes with the question.
    h->cursorToCell(3, 2);
    h->ui().answers = {true};
    h->key(Qt::Key_F3);
    QCOMPARE(h->ui().questions, QStringList{"Modul löschen?"});
    QVERIFY(cell(3, 2).isEmpty());

    // Away from the grid a letter goes to the focused field and Delete
    // clears nothing.
    h->project().LoopText[1] = "Kessel";
    h->project().LoopSampleTime[1] = 30;
    h->cursorAway();
    h->window().edZeit()->setFocus();
    h->key(Qt::Key_Delete);
    h->key(Qt::Key_M);
    QCOMPARE(cell(1, 2).letter, 'E');
    QCOMPARE(h->project().LoopText[1], std::string("Kessel"));

    h->cursorToCell(8, 8);
    h->key(Qt::Key_Delete);
    QVERIFY(h->project().loopIsEmpty(1));
    QCOMPARE(h->project().LoopText[1], std::string(" "));
    QCOMPARE(h->project().LoopSampleTime[1], 10);
    QVERIFY(h->project().XWires[1][1].isFree());
    QVERIFY(h->window().libraryLoadAction()->isEnabled());
  }

  void loopNumberFieldIsLenientAndMarksBadNumbers() {
    h->project().LoopText[12] = "Heizkreis";
    h->project().LoopSampleTime[12] = 60;
    QLineEdit* ed = h->window().edNum();
    ed->selectAll();
    QTest::keyClicks(ed, "12abc");
    QCOMPARE(h->project().CurrentLoop, 12);
    QVERIFY(ed->styleSheet().isEmpty());
    QCOMPARE(h->window().description()->toPlainText(), QString("Heizkreis"));
    QCOMPARE(h->window().edZeit()->text(), QString("60"));
    QCOMPARE(h->window().findChild<QSpinBox*>("UpDown1")->value(), 12);

    for (const char* bad : {"0", "201"}) {
      ed->selectAll();
      QTest::keyClicks(ed, bad);
      QCOMPARE(h->project().CurrentLoop, 1);
      QVERIFY2(ed->styleSheet().contains("255,0,0"), bad);
    }
    ed->selectAll();
    QTest::keyClicks(ed, "7");
    QCOMPARE(h->project().CurrentLoop, 7);
    QVERIFY(ed->styleSheet().isEmpty());
    // The up/down control steps the loop.
    h->window().findChild<QSpinBox*>("UpDown1")->stepUp();
    QCOMPARE(h->project().CurrentLoop, 8);
    QCOMPARE(ed->text(), QString("8"));
  }
};

VELTRA_GUI_TEST(MainWindowEditingTest);

} // namespace veltra::gui::testing

#include "main_window_editing_test.moc"
