// The main window's layout: the controls at their places, none covering another.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include <QLabel>

#include <cstdlib>

namespace veltra::gui::testing {

class MainWindowTest : public WindowTestCase {
  Q_OBJECT

private slots:
  void labelsLineUpWithTheGridAndNothingOverlaps() {
    const QRect g = h->grid()->geometry();
    int rows = 0, columns = 0;
    for (QLabel* l : h->window().centralWidget()->findChildren<QLabel*>()) {
      bool number = false;
      const int n = l->text().toInt(&number);
      if (!number || n < 1 || n > 15) continue;
      const QRect r = l->geometry();
      const int offset = 35 * (n - 1) + 17;
      if (r.left() >= g.right() && ++rows)
        QVERIFY2(std::abs(r.center().y() - (g.top() + offset)) <= 1, qPrintable(l->text()));
      else if (r.top() >= g.bottom() && ++columns)
        QVERIFY2(std::abs(r.center().x() - (g.left() + offset)) <= 1, qPrintable(l->text()));
    }
    QVERIFY(rows == 15 && columns == 15);
    // No control covers another (the help panel once ran into the interval's label).
    const QList<QWidget*> controls = h->window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls)
      for (QWidget* b : controls)
        if (a != b && a->isVisibleTo(&h->window()) && b->isVisibleTo(&h->window()))
          QVERIFY2(!a->geometry().intersects(b->geometry()),
                   qPrintable(a->objectName() + "/" + a->property("text").toString() + " and " + b->objectName()));
  }
};

VELTRA_GUI_TEST(MainWindowTest);

} // namespace veltra::gui::testing

#include "main_window_test.moc"
