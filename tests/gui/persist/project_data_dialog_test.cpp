// "Projektdaten" as the engineer sees it.

#include "tests/gui/gui_test_registry.h"

#include "gui/persist/project_data_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace veltra::gui::testing {

class ProjectDataDialogTest : public QObject {
  Q_OBJECT

private slots:
  // Every label shows its whole text and keeps clear of its field, in the
  // main window's font too.
  void labelsKeepClearOfTheirFields() {
    QWidget parent;
    parent.setFont(QFont(QStringLiteral("Tahoma"), 8));
    ProjectDataDialog dialog(&parent);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* form = dialog.findChild<QFormLayout*>();
    QVERIFY(form != nullptr);
    const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 8);
    for (QLineEdit* f : fields) {
      auto* label = qobject_cast<QLabel*>(form->labelForField(f));
      QVERIFY2(label != nullptr, qPrintable(f->objectName()));
      const int textRight = label->x() + label->fontMetrics().horizontalAdvance(label->text());
      QVERIFY2(textRight <= label->geometry().right() + 1, qPrintable(label->text()));
      QVERIFY2(
          textRight + 12 <= f->x(),
          qPrintable(QStringLiteral("%1: text to %2, field from %3").arg(label->text()).arg(textRight).arg(f->x())));
    }
  }
};

VELTRA_GUI_TEST(ProjectDataDialogTest);

} // namespace veltra::gui::testing

#include "project_data_dialog_test.moc"
