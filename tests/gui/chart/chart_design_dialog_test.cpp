// "Graphik Designer": "Abbruch" leaves the chart as it was, "OK" changes
// exactly what was edited, and limits that cannot be drawn are named.

#include "tests/gui/gui_test.h"

#include "gui/chart/chart_design_dialog.h"
#include "gui/chart/xy_chart.h"
#include "gui/util/invalid_mark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace veltra::gui::testing {

class ChartDesignDialogTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TXYChart> chart;
  std::unique_ptr<ChartDesignDialog> dialog;

  template <class T> T* control(const char* name) {
    T* c = dialog->findChild<T*>(name);
    if (!c) qFatal("no control %s", name);
    return c;
  }
  void type(const char* name, const QString& text) {
    QLineEdit* edit = control<QLineEdit>(name);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  // The same edits on every page, for both buttons.
  void editEverything() {
    type("xMax", "12.5");
    type("yTitle", "°C Vorlauf");
    control<QCheckBox>("y2Grid")->click();
    control<QRadioButton>("xType1")->click();
    control<QComboBox>("xDateStep")->setCurrentIndex(4);
    control<QSpinBox>("marginLeft")->setValue(80);
    QPushButton* background = control<QPushButton>("backgroundColor");
    background->setProperty("chosen", QColor(10, 20, 30));
    background->click();
    control<QCheckBox>("legendShow")->click();
    control<QRadioButton>("legendDown")->click();
    control<QComboBox>("legendSeries")->setCurrentIndex(1);
    control<QComboBox>("legendStatus")->setCurrentIndex(1);
    emit control<QComboBox>("legendStatus")->activated(1);
    control<QComboBox>("gridStyle")->setCurrentIndex(2);
    control<QCheckBox>("crossAtZero")->click();
  }

private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  void init() {
    chart = std::make_unique<TXYChart>();
    chart->resize(908, 448);
    chart->Series(1).Add(1, 2);
    chart->Series(2).SetName("Rücklauf");
    dialog = std::make_unique<ChartDesignDialog>(*chart);
  }
  void cleanup() {
    dialog.reset();
    chart.reset();
  }

  void theDialogAndItsPages() {
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Graphik Designer"));
    QCOMPARE(control<QPushButton>("btOk")->text(), QStringLiteral("OK"));
    QCOMPARE(control<QPushButton>("btAbbruch")->text(), QStringLiteral("Abbruch"));
    QCOMPARE(control<QComboBox>("xDateStep")->count(), 13);
    QCOMPARE(control<QComboBox>("xDateStep")->itemText(12), QStringLiteral("Andere (nach Schrittweite)"));
    QCOMPARE(control<QComboBox>("y2Placement")->itemText(2), QStringLiteral("Prozent Abstand"));
    QCOMPARE(control<QComboBox>("legendStatus")->itemText(4), QStringLiteral("mit Punkt und Linie"));
    QCOMPARE(control<QCheckBox>("plotInMargins")->text(), QStringLiteral("Plotte in Rändern"));
  }

  void abbruchChangesNothing() {
    const core::ChartModel before = chart->chart();
    editEverything();
    QVERIFY(!dialog->edited().sameDesign(before));
    control<QPushButton>("btAbbruch")->click();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(chart->chart().sameDesign(before));
  }

  void okChangesExactlyWhatWasEdited() {
    core::ChartModel expected = chart->chart();
    editEverything();
    control<QPushButton>("btOk")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    expected.XAxis.Max = 12.5;
    expected.XAxis.LogScale = true;
    expected.XAxis.DateTickType = core::dt_daily;
    expected.YAxis.Title = "°C Vorlauf";
    expected.YAxis_Second.Gridlines = false;
    expected.Dimensions.LeftMargin = 80;
    expected.Appearance.BackgroundColor = core::rgbColor(10, 20, 30);
    expected.Appearance.GridLineStyle = 2;
    expected.Appearance.CrossAtZero = true;
    expected.Legend.visible = false;
    expected.Legend.Layout = 1;
    expected.Series(2).LegendStatus = core::ls_name;
    QVERIFY(chart->chart().sameDesign(expected));
    QCOMPARE(chart->chart().series()[0]->count(), std::size_t{1}); // the points stay
  }

  void aNumberThatDoesNotConvertIsRedAndKeepsTheValue() {
    type("yMin", "x5");
    QVERIFY(isMarkedInvalid(control<QLineEdit>("yMin")));
    QCOMPARE(dialog->edited().YAxis.Min, chart->chart().YAxis.Min);
    type("yMin", "-5.5");
    QVERIFY(!isMarkedInvalid(control<QLineEdit>("yMin")));
    QCOMPARE(dialog->edited().YAxis.Min, -5.5);
  }

  void limitsThatCannotBeDrawnAreNamedAndOkStillWorks() {
    control<QCheckBox>("yAuto")->click();
    type("yMax", "5");
    type("yMin", "10");
    QCOMPARE(dialog->problem(), QStringLiteral("Y Achse: Minimum muss kleiner als Maximum sein."));
    QCOMPARE(control<QLabel>("lbProblem")->text(), dialog->problem());
    control<QPushButton>("btOk")->click();
    QCOMPARE(chart->chart().metrics().error, std::string("YAxis CalcMetrics: XMin>=XMax"));
    type("yMin", "0");
    QCOMPARE(dialog->problem(), QString());
  }
};

VELTRA_GUI_TEST(ChartDesignDialogTest);

} // namespace veltra::gui::testing

#include "chart_design_dialog_test.moc"
