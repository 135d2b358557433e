// The window passes tool buttons, pointer moves and clicks on the grid and
// keys over it on to the editor.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/editor/grid_view.h"
#include "gui/editor/tool_bars.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

namespace veltra::gui::testing {

class GridInputTest : public WindowTestCase {
  Q_OBJECT

  const core::TCell& cell(int col, int row) { return h->cell(col, row); }
  void place(char tool, int col, int row) { h->place(tool, col, row); }
  void connect(int fromCol, int fromRow, int toCol, int toRow) { h->connect(fromCol, fromRow, toCol, toRow); }
  int blueInBlock() { // the hatching of a block from (2, 5) to (4, 6)
    const QImage& img = h->window().gridView()->image();
    int blue = 0;
    for (int x = 71; x < 174; ++x)
      for (int y = 176; y < 244; ++y)
        blue += img.pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
    return blue;
  }

private slots:
  void toolButtonAndClickPlaceAModule() {
    h->toolButton('R');
    QVERIFY(h->window().toolButton('R')->isChecked() && !h->window().toolButton('E')->isChecked());
    QVERIFY(h->window().helpMemo()->toPlainText().size() > 10);
    QVERIFY(h->window().libraryLoadAction()->isEnabled());
    h->clickCell(1, 12);
    for (int k = 0; k < 3; ++k)
      QVERIFY(cell(1, 12 + k).letter == 'R' && cell(1, 12 + k).part == k + 1);
    const auto& calls = h->dialogs().calls;
    QVERIFY(calls.size() == 1 && calls[0].letter == 'R' && calls[0].col == 1 && calls[0].row == 12);
    QVERIFY(h->project().Modified);
    QVERIFY(!h->window().libraryLoadAction()->isEnabled()); // libraries load into an empty loop only
    place('R', 3, 13);                                      // would reach below the grid
    QVERIFY(cell(3, 13).isEmpty());
    QCOMPARE(h->dialogs().calls.size(), size_t{1});
  }

  // Stored at the next move; the rubber band shows meanwhile, the analog line in red tiles.
  void connectGestureDrawsTheConnection() {
    place('E', 1, 2);
    place('A', 3, 2);
    h->toolButton('0');
    h->clickCell(1, 2);
    h->move(80, 60);
    QVERIFY(h->window().gridView()->rubberBandVisible());
    h->clickCell(3, 2);
    QVERIFY(h->project().XWires[1][1].isFree());
    h->move(120, 60);
    QVERIFY(!h->window().gridView()->rubberBandVisible());
    const core::TWire& w = h->project().XWires[1][1];
    QVERIFY(w.src.col == 1 && w.src.row == 2 && w.dest[0].col == 3 && w.dest[0].row == 2);
    QVERIFY(cell(1, 2).XA == 1 && cell(3, 2).XE == 1);
    const QImage& img = h->window().gridView()->image();
    const auto red = [&](int x, int y) { return img.pixelColor(x, y) == QColor(255, 0, 0); };
    QVERIFY(red(7 * 12 + 3, 7 * 12 + 3) && !red(7 * 12 + 3, 7 * 12 + 0)); // along the middle of row 2

    place('M', 3, 6); // a digital input: the gesture is cancelled
    connect(1, 2, 3, 6);
    QVERIFY(h->project().XWires[1][1].dest[1].col < 0);
    QVERIFY(!h->window().gridView()->rubberBandVisible());
  }

  void dragMovesAModuleWithItsConnectionEnds() {
    place('E', 3, 5);
    place('B', 5, 5); // height 2
    connect(3, 5, 5, 5);
    h->toolButton('2');
    h->moveToCell(5, 5);
    h->press(35 * 5 + 17, 35 * 5 + 17);
    h->moveToCell(5, 5, true);
    h->moveToCell(5, 6, true);
    h->release(35 * 5 + 17, 35 * 6 + 17);
    h->moveToCell(5, 6);
    QVERIFY(cell(5, 5).isEmpty() && cell(5, 6).letter == 'B' && cell(5, 6).part == 1 && cell(5, 7).part == 2 &&
            cell(5, 6).XE == 1);
    QCOMPARE(h->project().XWires[1][1].dest[0].row, 6);
    h->moveToCell(5, 9); // without the button nothing drags
    QCOMPARE(cell(5, 6).letter, 'B');
  }

  // Deleting a block or a module asks first and obeys; the block shows hatched meanwhile.
  void deletionAsksAndObeysTheAnswer() {
    h->toolButton('9');
    h->clickCell(4, 6);
    int blueAtQuestion = 0;
    h->ui().onAsk = [&](const QString&) { blueAtQuestion = blueInBlock(); };
    h->ui().answers = {false};
    h->clickCell(2, 5); // corners in any order
    QCOMPARE(h->ui().questions, QStringList{"Bereich löschen?"});
    QVERIFY(blueAtQuestion > 100);
    h->ui().onAsk = nullptr;
    QCOMPARE(blueInBlock(), 0);
    place('R', 3, 10); // rows 10..12: its top cell is in the block
    h->toolButton('9');
    h->clickCell(2, 10);
    h->ui().answers = {true};
    h->clickCell(4, 11);
    QVERIFY(cell(3, 10).isEmpty() && cell(3, 12).isEmpty());

    place('E', 1, 2);
    place('A', 3, 6);
    connect(1, 2, 3, 6);
    h->toolButton('#');
    h->ui().questions.clear();
    h->ui().answers = {false, true};
    h->clickCell(3, 6);
    QCOMPARE(cell(3, 6).letter, 'A');
    h->clickCell(3, 6);
    h->clickCell(7, 7); // an empty cell asks nothing
    QCOMPARE(h->ui().questions, (QStringList{"Modul löschen?", "Modul löschen?"}));
    QVERIFY(cell(3, 6).isEmpty() && cell(1, 2).XA == 0 && h->project().XWires[1][1].isFree());
  }

  void keysActOnlyWithThePointerOverTheGrid() {
    QVERIFY(h->showActive());
    h->cursorToCell(1, 2);
    h->key(Qt::Key_E);
    QCOMPARE(cell(1, 2).letter, 'E');
    for (QToolButton* b : h->window().findChildren<QToolButton*>())
      QVERIFY2(!b->isChecked(), qPrintable(b->objectName())); // a key leaves the toolbar alone
    h->cursorToCell(3, 2);
    h->key(Qt::Key_A);
    h->cursorToCell(1, 2);
    h->key(Qt::Key_0); // '0' starts a connection on E; Esc cancels it
    h->cursorToCell(2, 4);
    QVERIFY(h->window().gridView()->rubberBandVisible());
    h->key(Qt::Key_Escape);
    QVERIFY(!h->window().gridView()->rubberBandVisible());
    h->cursorToCell(3, 2);
    h->ui().answers = {true};
    h->key(Qt::Key_F3);
    QCOMPARE(h->ui().questions, QStringList{"Modul löschen?"});
    QVERIFY(cell(3, 2).isEmpty());

    // Away from the grid a letter goes to the focused field and Delete clears nothing.
    h->project().LoopText[1] = "Kessel";
    h->cursorAway();
    h->fields().edZeit()->setFocus();
    h->key(Qt::Key_Delete);
    h->key(Qt::Key_M);
    QVERIFY(cell(1, 2).letter == 'E' && h->project().LoopText[1] == "Kessel");
    h->key(Qt::Key_Return); // the field took the letter
    QCOMPARE(h->ui().errors, QStringList{"'10m' ist kein gültiger Integerwert"});
    h->ui().errors.clear();
    h->cursorToCell(8, 8);
    h->key(Qt::Key_Delete);
    QVERIFY(h->project().loopIsEmpty(1) && h->window().libraryLoadAction()->isEnabled());
  }
};

VELTRA_GUI_TEST(GridInputTest);

} // namespace veltra::gui::testing

#include "grid_input_test.moc"
