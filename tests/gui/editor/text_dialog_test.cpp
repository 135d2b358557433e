// Free texts through the text tool and the "Text" dialog of the main window.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/editor/grid_view.h"
#include "gui/editor/text_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace veltra::gui::testing {

namespace {

// Whether any pixel of the rectangle is dark (text ink).
bool hasInk(const QImage& img, QRect r) {
  for (int x = r.left(); x <= r.right(); ++x)
    for (int y = r.top(); y <= r.bottom(); ++y)
      if (qGray(img.pixel(x, y)) < 100) return true;
  return false;
}

} // namespace

class TextDialogTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;

  // Opens the dialog with the text tool on cell (12, 7) and runs `act` in it.
  void withDialog(std::function<void(TextDialog*)> act) {
    h->toolButton('7');
    bool opened = false;
    WindowHarness::whenModal([&](QWidget* w) {
      auto* d = qobject_cast<TextDialog*>(w);
      QVERIFY(d != nullptr);
      opened = true;
      act(d);
      if (d->isVisible()) d->reject();
    });
    h->clickCell(12, 7);
    QVERIFY(opened);
  }
  static void ok(TextDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("btOk"), Qt::LeftButton); }

private slots:

  // "Ok" adds the entry ('=' is stored as '~') drawn in this loop only; closing without "Ok"
  // keeps it, "Del" and "Ok" remove it. The entry of the same cell in loop 5 is another one.
  void okAddsCancelKeepsDelRemoves() {
    h = std::make_unique<WindowHarness>();
    h->fields().edNum()->setText("3");
    h->project().TextList = {"Pumpe||=51207"};
    withDialog([](TextDialog* d) {
      QVERIFY(d->edText->text().isEmpty());
      QTest::keyClicks(d->edText, "Vor=lauf");
      QTest::keyClicks(d->edText1, "Heizkreis 2");
      ok(d);
    });
    QCOMPARE(h->project().TextList, (std::vector<std::string>{"Pumpe||=51207", "Vor~lauf|Heizkreis 2|=31207"}));
    QVERIFY(h->project().Modified);
    const QImage& img = h->window().gridView()->image();
    QVERIFY(hasInk(img, QRect(420, 247, 30, 9)) && hasInk(img, QRect(420, 257, 30, 9)) &&
            !hasInk(img, QRect(420, 268, 30, 8))); // two lines, no third
    h->fields().edNum()->setText("4");
    QVERIFY(!hasInk(h->window().gridView()->image(), QRect(420, 247, 30, 20)));
    h->fields().edNum()->setText("3");
    h->project().Modified = false;
    withDialog([](TextDialog* d) {
      QVERIFY(d->edText->text() == "Vor=lauf" && d->edText1->text() == "Heizkreis 2" && d->edText2->text().isEmpty());
      QTest::keyClicks(d->edText, " neu");
      d->reject(); // the window's close button
    });
    QVERIFY(h->project().TextList[1] == "Vor~lauf|Heizkreis 2|=31207" && !h->project().Modified);
    withDialog([](TextDialog* d) {
      QTest::mouseClick(d->findChild<QPushButton*>("btDel"), Qt::LeftButton);
      QVERIFY(d->edText->text().isEmpty() && d->edText1->text().isEmpty());
      ok(d);
    });
    QVERIFY(h->project().TextList == std::vector<std::string>{"Pumpe||=51207"} && h->project().Modified);
    QVERIFY(!hasInk(h->window().gridView()->image(), QRect(420, 247, 30, 20)));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
  }
};

VELTRA_GUI_TEST(TextDialogTest);

} // namespace veltra::gui::testing

#include "text_dialog_test.moc"
