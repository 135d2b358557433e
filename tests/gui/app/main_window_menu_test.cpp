// The main window's menu bar as the engineer uses it: with the mouse and
// with the usual shortcuts.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "gui/app/about_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QTest>

namespace veltra::gui::testing {

namespace {

QAction* topLevel(QMenuBar* bar, const QString& text) {
  for (QAction* a : bar->actions())
    if (a->text() == text) return a;
  return nullptr;
}

} // namespace

class MainWindowMenuTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;

private slots:
  void init() { h = std::make_unique<WindowHarness>(); }
  void cleanup() {
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
  }

  // A mouse click on "About" in the menu bar shows the About box.
  void aboutOpensOnAClick() {
    QVERIFY(h->showActive());
    QMenuBar* bar = h->window().menuBar();
    QAction* about = topLevel(bar, QStringLiteral("About"));
    QVERIFY(about != nullptr);
    bool shown = false;
    WindowHarness::whenModal([&](QWidget* w) {
      shown = qobject_cast<AboutDialog*>(w) != nullptr;
      w->close();
    });
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(about).center());
    QTRY_VERIFY(shown);
  }

  // The entries show their shortcuts; over the grid Ctrl with a letter is
  // the shortcut, the letter alone still places its module.
  void shortcutsLeaveTheGridItsKeys() {
    const std::pair<const char*, const char*> expected[] = {
        {"Neu", "Ctrl+N"}, {"Laden", "Ctrl+O"}, {"Speichern", "Ctrl+S"}, {"Ende", "Ctrl+Q"}, {"Drucken ", "Ctrl+P"}};
    for (const auto& [entry, keys] : expected) {
      QAction* found = nullptr;
      for (QAction* a : h->window().findChildren<QAction*>())
        if (a->text() == QString::fromUtf8(entry)) found = a;
      QVERIFY2(found != nullptr, entry);
      QCOMPARE(found->shortcut(), QKeySequence(QString::fromUtf8(keys)));
    }
    QVERIFY(h->showActive());
    h->cursorToCell(4, 5);
    h->key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(h->ui().saveCalls, 1); // cancelled: no name
    h->key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(h->ui().openCalls, 1);
    QVERIFY(h->cell(4, 5).isEmpty());
    h->key(Qt::Key_E);
    QCOMPARE(h->cell(4, 5).letter, 'E');
    QCOMPARE(h->ui().saveCalls, 1);
  }

  // A modal dialog that leaves no window active (no window manager gives
  // the focus back) hands the activation back to the main window, so that
  // tooltips and grid keys work again without a click.
  void theWindowIsActiveAgainAfterAModalDialog() {
    QVERIFY(h->showActive());
    QDialog dialog(&h->window());
    WindowHarness::whenModal([&](QWidget* w) {
      QApplication::setActiveWindow(nullptr);
      static_cast<QDialog*>(w)->reject();
    });
    dialog.exec();
    QTRY_VERIFY(h->window().isActiveWindow());
    h->cursorToCell(2, 2);
    h->key(Qt::Key_E);
    QCOMPARE(h->cell(2, 2).letter, 'E');
  }
};

VELTRA_GUI_TEST(MainWindowMenuTest);

} // namespace veltra::gui::testing

#include "main_window_menu_test.moc"
