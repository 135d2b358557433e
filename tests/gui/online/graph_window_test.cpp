// The graph window "Grafik": curves, live points from an in-process block,
// day files, chart files and the cross-hair readout.

#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test_registry.h"

#include "core/chart/gra_file.h"
#include "core/online/in_process_blocks.h"
#include "gui/chart/xy_chart.h"
#include "gui/online/graph_window.h"
#include "gui/online/online_controller.h"
#include "gui/online/signal_tree_model.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeView>

#include <fstream>

namespace veltra::gui::testing {

class GraphWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowHarness> h;
  std::unique_ptr<core::InProcessBlocks> blocks;
  core::ServerBlock server;
  core::FixedClock clock{core::makeLocalDateTime(2026, 12, 5, 10, 1, 0)};
  QTemporaryDir measureDir;

  GraphWindow& g() { return *h->window().online().graphWindow(); }
  core::TSeries* series(int n) { return g().Chart1->chart().findSeries(n); }
  // Every signal a description of its own ("E7"), so the texts differ.
  void describeSignals() {
    for (core::SignalGroup grp : core::kAllGroups)
      for (int n = 1; n <= core::groupSize(grp); ++n)
        h->project().SignalDesc.at(grp, n)->assign(std::string(1, core::groupLetter(grp)) + std::to_string(n));
  }
  // Attached to a server that runs the window's project.
  void attach() {
    server = blocks->create(core::kDefaultBlockName);
    core::ModuleTable table;
    server.setChecksum(table.BuildChecksum(h->project()));
    QTest::mouseClick(h->window().findChild<QPushButton*>("btDebug"), Qt::LeftButton);
    QVERIFY(h->window().online().link().ServerView() != nullptr);
  }
  void writeFile(const QString& name, const std::string& text) {
    std::ofstream(QDir(measureDir.path()).filePath(name).toStdString(), std::ios::binary) << text;
  }

private slots:
  void init() {
    h = std::make_unique<WindowHarness>();
    blocks = std::make_unique<core::InProcessBlocks>();
    h->window().online().useBlocks(*blocks, core::kDefaultBlockName);
    h->window().online().setClock(clock);
    g().setClock(clock);
    h->window().settings().MeasureDir = measureDir.path().toStdString() + "/";
    describeSignals();
  }
  void cleanup() {
    QVERIFY2(h->ui().unscripted.isEmpty(), qPrintable(h->ui().unscripted.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    h.reset();
    blocks.reset();
  }

  void creationSettingsAndTheMenuOpensItModally() {
    QCOMPARE(g().windowTitle(), QStringLiteral("Grafik"));
    QCOMPARE(g().size(), QSize(910, 600));
    QCOMPARE(g().Chart1->size(), QSize(908, 448));
    const core::ChartModel& c = g().Chart1->chart();
    QCOMPARE(c.XAxis.Title, std::string("Zeit"));
    QVERIFY(c.XAxis.ShowAsTime);
    QCOMPARE(c.XAxis.DateTimeFormat, std::string("dd.mm hh:mm"));
    QCOMPARE(c.YAxis.Title, std::string("\xC2\xB0"
                                        "C"));
    QCOMPARE(c.YAxis.Min, -10.0);
    QCOMPARE(c.YAxis_Second.Max, 300.0);
    QVERIFY(c.YAxis_Second.Reversed && !c.YAxis_Second.Gridlines);
    QCOMPARE(c.YAxis_Second.OffsetType, core::ao_Maximum);
    QCOMPARE(c.Legend.Width, 900);
    QVERIFY(g().btEnde->isDefault());
    QCOMPARE(g().Timer1->interval(), 1000);
    QVERIFY(!g().Timer1->isActive());

    QAction* item = nullptr;
    for (QAction* menu : h->window().menuBar()->actions())
      if (menu->text() == "Graphik" && menu->menu())
        for (QAction* a : menu->menu()->actions())
          if (a->text() == "Graphik") item = a;
    QVERIFY(item != nullptr);
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
      wasModal = QApplication::activeModalWidget() == &g();
      g().btEnde->click();
    });
    item->trigger();
    QVERIFY(wasModal);
    QVERIFY(g().isHidden());
  }

  void activationRebuildsTheTreeFromTheProject() {
    g().FormActivate();
    SignalTreeModel* tree = g().signalTree();
    QCOMPARE(tree->rowCount(), 8);
    const QStringList captions = {"analoge Eingänge", "analoge Ausgänge", "digitale Eingänge", "digitale Ausgänge",
                                  "analoge Merker",   "digitale Merker",  "interne Variable",  "Festwerte"};
    int signalNodes = 0;
    for (int t = 0; t < 8; ++t) {
      QCOMPARE(tree->index(t, 0).data().toString(), captions[t]);
      signalNodes += tree->rowCount(tree->index(t, 0));
    }
    QCOMPARE(signalNodes, 11008);
    QCOMPARE(tree->index(9215, 0, tree->index(6, 0)).data().toString(), QStringLiteral("V9216"));
    h->project().SignalDesc.at(core::SignalGroup::Q, 3)->assign("Pumpe \xC4"); // cp1252 Ä
    g().FormActivate();
    QCOMPARE(tree->index(2, 0, tree->index(3, 0)).data().toString(), QStringLiteral("Pumpe Ä"));
  }

  void doubleClickAddsOnlySignalsWithAConfirmedColour() {
    g().FormActivate();
    SignalTreeModel* tree = g().signalTree();
    g().lbKurve->setCurrentIndex(tree->index(0, 0)); // a group node
    g().lbKurveDblClick();
    QCOMPARE(h->ui().colorCalls, 0);
    g().lbKurve->setCurrentIndex(tree->index(4, 0, tree->index(0, 0))); // E5
    g().lbKurveDblClick();                                              // cancelled
    QCOMPARE(g().lbWerte->count(), 0);
    h->ui().colors = {QColor(Qt::red)};
    g().lbKurveDblClick();
    QCOMPARE(g().curveTexts(), QStringList{"E5"});
    QCOMPARE(g().curves().entry(1).letter, 'E');
    QCOMPARE(g().curves().entry(1).signal, 5);
    QCOMPARE(g().curves().entry(1).color, core::rgbColor(255, 0, 0));
    QCOMPARE(g().lbWerte->item(0)->data(Qt::UserRole).value<QColor>(), QColor(Qt::red));
    // The same text again: not even the colour dialog.
    g().lbKurveDblClick();
    QCOMPARE(h->ui().colorCalls, 2);
    QCOMPARE(g().lbWerte->count(), 1);
  }

  void aSeventeenthCurveCannotBeAdded() {
    for (int n = 1; n <= 16; ++n)
      QVERIFY(g().addCurve('A', n, Qt::blue));
    QVERIFY(!g().addCurve('A', 17, Qt::blue));
    QCOMPARE(g().lbWerte->count(), 16);
    g().lbKurve->setCurrentIndex(g().signalTree()->indexOf('H', 1));
    h->ui().colors = {QColor(Qt::red)};
    g().lbKurveDblClick();
    QCOMPARE(h->ui().colorCalls, 0);
    QCOMPARE(g().curves().count(), 16);
  }

  void removingCurveTwoOfFourMovesThreeAndFour() {
    attach();
    g().FormActivate(); // live: the series are set up as curves are added
    const QList<QColor> colors = {Qt::red, Qt::green, Qt::blue, Qt::magenta};
    const char letters[] = {'E', 'A', 'I', 'F'};
    for (int i = 0; i < 4; ++i)
      QVERIFY(g().addCurve(letters[i], i + 1, colors[i]));
    g().lbWerte->setCurrentRow(1);
    g().lbWerteDblClick();
    QCOMPARE(g().curveTexts(), (QStringList{"E1", "I3", "F4"}));
    QCOMPARE(g().curves().count(), 3);
    QCOMPARE(g().curves().entry(2).letter, 'I');
    QCOMPARE(g().curves().entry(3).color, core::rgbColor(255, 0, 255));
    QCOMPARE(series(2)->Name, std::string("I3"));
    QCOMPARE(series(2)->LineColor, core::rgbColor(0, 0, 255));
    QVERIFY(series(2)->FirstAxis);  // I on the left
    QVERIFY(!series(3)->FirstAxis); // F on the right
    QCOMPARE(series(3)->Name, std::string("F4"));
    QVERIFY(series(4) == nullptr);
    QCOMPARE(g().lbWerte->item(1)->data(Qt::UserRole).value<QColor>(), QColor(Qt::blue));
  }

  void liveCurvesKeepTheirPointsWhenAnEarlierOneIsRemoved() {
    attach();
    g().FormActivate();
    QVERIFY(g().addCurve('E', 1, Qt::red));
    QVERIFY(g().addCurve('E', 2, Qt::blue));
    server.setAnalog(core::BlockArea::E, 1, 1.0);
    server.setAnalog(core::BlockArea::E, 2, 2.0);
    g().btStart->click();
    g().Timer1Timer();
    g().Timer1->stop(); // stopped, still live (as after a block that vanished for a tick)
    g().lbWerte->setCurrentRow(0);
    g().lbWerteDblClick();
    QCOMPARE(series(1)->Name, std::string("E2"));
    QCOMPARE(series(1)->count(), std::size_t{1});
    QCOMPARE(series(1)->points().y()[0], 2.0);
    QVERIFY(series(2) == nullptr);
  }

  void removingWhileLiveIsRefusedWithAReason() {
    attach();
    g().FormActivate();
    QVERIFY(g().addCurve('E', 1, Qt::red));
    g().btStart->click();
    g().lbWerte->setCurrentRow(0);
    g().lbWerteDblClick();
    QCOMPARE(g().lbWerte->count(), 1);
    QVERIFY(g().stStatus->text().contains("Stop"));
  }

  void activationWithTheBlockSetsLiveMode() {
    g().FormActivate();
    QVERIFY(!g().LiveMode());
    QVERIFY(!g().btStart->isEnabled() && !g().btStop->isEnabled());
    attach();
    g().FormActivate();
    QVERIFY(g().LiveMode());
    QVERIFY(g().btStart->isEnabled() && !g().btStop->isEnabled());
    // A new curve is set up for live points, not drawn from loaded files.
    QVERIFY(g().addCurve('E', 2, Qt::red));
    QCOMPARE(series(1)->count(), std::size_t{0});
    QVERIFY(series(1)->FirstAxis);
  }

  void livePointsEverySecondAndNoneForV() {
    attach();
    g().FormActivate();
    QVERIFY(g().addCurve('E', 1, Qt::red));
    QVERIFY(g().addCurve('Q', 2, Qt::blue));
    QVERIFY(g().addCurve('V', 3, Qt::green));
    QVERIFY(g().lbWerte->item(2)->data(Qt::UserRole + 1).toBool()); // says "keine Live-Werte"
    QVERIFY(!g().lbWerte->item(0)->data(Qt::UserRole + 1).toBool());
    g().btStart->click();
    QVERIFY(g().Timer1->isActive() && !g().btStart->isEnabled() && g().btStop->isEnabled());
    server.setAnalog(core::BlockArea::E, 1, 21.5);
    server.setBit(core::BlockArea::Q, 2, true);
    server.setAnalog(core::BlockArea::V, 3, 9.0);
    g().Timer1Timer();
    clock.set(core::makeLocalDateTime(2026, 12, 5, 10, 1, 1));
    server.setAnalog(core::BlockArea::E, 1, 22.0);
    server.setBit(core::BlockArea::Q, 2, false);
    g().Timer1Timer();
    QCOMPARE(series(1)->count(), std::size_t{2});
    QCOMPARE(series(1)->points().y()[0], 21.5);
    QCOMPARE(series(1)->points().y()[1], 22.0);
    QVERIFY(std::abs(series(1)->points().x()[1] - series(1)->points().x()[0] - 1.0 / 86400) < 1e-9);
    QCOMPARE(series(2)->points().y()[0], 5.0);
    QCOMPARE(series(2)->points().y()[1], 0.0);
    QCOMPARE(series(3)->count(), std::size_t{0});
    // The timer of the window itself, on the real clock's cadence.
    QTRY_VERIFY_WITH_TIMEOUT(series(1)->count() >= 3, 2500);

    g().btClear->click(); // "Löschen"
    QCOMPARE(series(1)->count(), std::size_t{0});
    QVERIFY(!g().Timer1->isActive() && !g().LiveMode());
    QVERIFY(g().btStart->isEnabled() && !g().btStop->isEnabled());
    QCOMPARE(g().lbWerte->count(), 3);
    QCOMPARE(g().curves().count(), 3);
  }

  void dayLoadDrawsHundredthsAndDecimalsAndShowsTheForm() {
    writeFile("E_05.12.2026.csv", "10:00:00;2150\r\n10:01:00;2200\r\n");
    writeFile("A_05.12.2026.csv", "10:00:00;21.5\r\n10:01:00;NAN\r\n");
    writeFile("I_05.12.2026.csv", "10:00:00;1\r\n");
    h->ui().openNames = {QDir(measureDir.path()).filePath("I_05.12.2026.csv")};
    g().btCSVLoadClick();
    QCOMPARE(h->ui().openDirs, QStringList{measureDir.path() + "/"});
    QVERIFY(h->ui().errors.isEmpty());
    QVERIFY(g().stStatus->text().contains("E Hundertstel"));
    QVERIFY(g().stStatus->text().contains("A Dezimalwerte"));
    QVERIFY(g().addCurve('E', 1, Qt::red));
    QVERIFY(g().addCurve('A', 1, Qt::blue));
    QVERIFY(g().addCurve('I', 1, Qt::green));
    QCOMPARE(series(1)->points().y()[0], 21.5);
    QVERIFY(series(1)->FirstAxis);
    QCOMPARE(series(2)->points().y()[0], 21.5);
    QVERIFY(std::isnan(series(2)->points().y()[1]));
    QCOMPARE(series(3)->points().y()[0], 5.0);
    QVERIFY(g().Chart1->Plotting());

    // The override is used by the next load.
    g().setValueForm('E', core::ValueForm::Decimal);
    h->ui().openNames = {QDir(measureDir.path()).filePath("E_05.12.2026.csv")};
    g().btCSVLoadClick();
    g().btShowClick();
    QCOMPARE(series(1)->points().y()[0], 2150.0);
  }

  void aBadFieldIsReportedAndTheGroupsBeforeStay() {
    writeFile("E_05.12.2026.csv", "10:00:00;2150\r\n");
    writeFile("A_05.12.2026.csv", "10:00:00;1\r\n10:01:00;x\r\n");
    g().loadDay(QDir(measureDir.path()).filePath("E_05.12.2026.csv"));
    QCOMPARE(h->ui().errors.size(), 1);
    QVERIFY2(h->ui().errors[0].contains("A_05.12.2026.csv") && h->ui().errors[0].contains("Zeile 2"),
             qPrintable(h->ui().errors[0]));
    QVERIFY(g().measurement().find('E')->present());
    QVERIFY(!g().measurement().find('A')->present());
  }

  void chartFileSavedAndLoadedGivesTheSameChart() {
    writeFile("E_05.12.2026.csv", "10:00:00;2150\r\n10:01:00;2200\r\n");
    g().loadDay(QDir(measureDir.path()).filePath("E_05.12.2026.csv"));
    QVERIFY(g().addCurve('E', 1, Qt::red));
    const QString file = QDir(measureDir.path()).filePath("k.gra");
    h->ui().saveNames = {file};
    g().btSaveClick();
    QCOMPARE(h->ui().saveProposals, QStringList{"qlmv.gra"});
    const core::ChartModel saved = g().Chart1->chart();
    g().btClearClick();
    g().Chart1->ClearAll();
    h->ui().openNames = {file};
    g().btLoadClick();
    QVERIFY(g().btStart->isEnabled() && !g().btStop->isEnabled());
    const core::ChartModel& loaded = g().Chart1->chart();
    QVERIFY(loaded.sameDesign(saved));
    QCOMPARE(loaded.seriesCount(), std::size_t{1});
    QCOMPARE(loaded.series()[0]->Name, std::string("E1"));
    QCOMPARE(loaded.series()[0]->count(), std::size_t{2});
    QCOMPARE(loaded.series()[0]->points().y()[1], 22.0);
  }

  void crossHairReadout() {
    writeFile("E_05.12.2026.csv", "10:00:00;2150\r\n10:20:00;2200\r\n");
    writeFile("A_05.12.2026.csv", "10:00:00;250\r\n10:20:00;-250\r\n");
    g().loadDay(QDir(measureDir.path()).filePath("E_05.12.2026.csv"));
    QVERIFY(g().addCurve('E', 1, Qt::red));
    QVERIFY(g().addCurve('A', 1, Qt::blue));
    g().show(); // the chart is laid out at its size once shown
    g().Chart1MouseMove(300, 200);
    QVERIFY(g().stWert->text().isEmpty() && g().stWert1->text().isEmpty());
    g().btCross->click();
    QVERIFY(g().Chart1->crossWire());
    const int x = 300, y = 300;
    g().Chart1MouseMove(x, y);
    const core::CivilDateTime t = core::decodeDateTime(g().Chart1->GetMouseX(x));
    const QString expected =
        QString::asprintf("%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour, t.minute, t.second);
    QCOMPARE(g().stZeit->text(), expected);
    // The x axis spans the drawn hour, 10:00 to 11:00.
    QVERIFY2(g().stZeit->text().startsWith("05.12.2026 10:"), qPrintable(g().stZeit->text()));
    const double v = g().Chart1->GetMouseY(y), v2 = g().Chart1->GetMouseY2(y);
    // Four significant digits, shown with two decimals.
    const auto fixed42 = [](double d) { return QString::number(QString::number(d, 'g', 4).toDouble(), 'f', 2); };
    QCOMPARE(g().stWert->text(), fixed42(v));
    QCOMPARE(g().stWert1->text(), fixed42(v2));
    QVERIFY2(std::abs(v) >= 10 && std::abs(v) < 100, qPrintable(g().stWert->text()));
    QVERIFY(g().stWert->text().contains('.'));
    g().btCross->click();
    g().Chart1MouseMove(x, y);
    QVERIFY(g().stWert->text().isEmpty());
    g().hide();
  }

  void legendSwitchAndTitleEmptiedAtActivation() {
    g().cbLegende->click();
    QVERIFY(!g().Chart1->chart().Legend.visible);
    g().cbLegende->click();
    QVERIFY(g().Chart1->chart().Legend.visible);
    g().Chart1->setGraphTitle("alt");
    g().Chart1->setCrossWire(true);
    g().FormActivate();
    QVERIFY(g().Chart1->chart().Appearance.GraphTitle.empty());
    QVERIFY(!g().Chart1->crossWire());
  }

  void stateSurvivesClosingAndReopening() {
    attach();
    g().FormActivate();
    QVERIFY(g().addCurve('E', 1, Qt::red));
    g().btStart->click();
    QTimer::singleShot(0, [&] { g().btEnde->click(); });
    h->window().online().GraphikClick();
    QVERIFY(g().Timer1->isActive());
    QTimer::singleShot(0, [&] {
      QVERIFY(g().btStop->isEnabled() && !g().btStart->isEnabled());
      g().btEnde->click();
    });
    h->window().online().GraphikClick();
    QCOMPARE(g().curveTexts(), QStringList{"E1"});
  }

  void trendFromTheDrawingLoadsTheLatestDay() {
    writeFile("E_04.12.2026.csv", "10:00:00;100\r\n");
    writeFile("E_05.12.2026.csv", "10:00:00;2150\r\n10:01:00;2160\r\n");
    h->place('E', 1, 2);
    h->project().cell(1, 1, 2).setI32(0, 7);
    QTimer::singleShot(0, [&] { g().btEnde->click(); });
    h->window().online().VerlaufClick(1, 2);
    QCOMPARE(g().curveTexts(), QStringList{"E7"});
    QCOMPARE(g().lbKurve->currentIndex(), g().signalTree()->indexOf('E', 7)); // selected in the tree
    QCOMPARE(g().measurement().dateText(), std::string("05.12.2026"));
    QCOMPARE(series(1)->count(), std::size_t{2});
    // Not a signal module: nothing opens.
    h->window().online().VerlaufClick(5, 5);
    QCOMPARE(g().curves().count(), 1);
  }

  void trendWhileAttachedRunsLive() {
    attach();
    h->place('A', 2, 3);
    h->project().cell(1, 2, 3).setI32(0, 4);
    server.setAnalog(core::BlockArea::A, 4, 3.5);
    QTimer::singleShot(0, [&] {
      g().Timer1Timer();
      g().btEnde->click();
    });
    h->window().online().VerlaufClick(2, 3);
    QVERIFY(g().LiveMode() && g().Timer1->isActive());
    QCOMPARE(series(1)->count(), std::size_t{1});
    QCOMPARE(series(1)->points().y()[0], 3.5);
    QVERIFY(!series(1)->FirstAxis);
  }

  void printPresetsPageOneToOne() {
    const QString pdf = QDir(measureDir.path()).filePath("chart.pdf");
    h->ui().printerFile = pdf;
    g().btDruckClick();
    QCOMPARE(h->ui().printerCalls, 1);
    QCOMPARE(h->ui().printRanges, QStringList{"1-1"});
    QVERIFY(QFileInfo(pdf).size() > 0);
  }
};

VELTRA_GUI_TEST(GraphWindowTest);

} // namespace veltra::gui::testing

#include "graph_window_test.moc"
