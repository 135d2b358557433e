// The chart control: pictures where the drawing is fixed, the decimated
// series against every point, the overlays, the mouse and the files.

#include "tests/gui/gui_test_registry.h"

#include "core/chart/gra_file.h"
#include "core/util/error.h"
#include "gui/chart/chart_export.h"
#include "gui/chart/chart_painter.h"
#include "gui/chart/chart_qt.h"
#include "gui/chart/xy_chart.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <random>

namespace veltra::gui::testing {
namespace {

using core::ChartModel;

// 400 x 300 with the default margins: plot area x 64..336, y 34..252; x
// fixed at 0..10, y at 0..100, solid grid lines.
void smallChart(ChartModel& c) {
  c.setSize(400, 300);
  c.XAxis.AutoSizing = c.YAxis.AutoSizing = false;
  c.XAxis.Min = 0;
  c.XAxis.Max = 10;
  c.YAxis.Min = 0;
  c.YAxis.Max = 100;
  c.YAxis_Second.ShowAxis = false;
  c.YAxis_Second.Gridlines = false;
  c.Appearance.GridLineStyle = 0;
  c.Legend.visible = false;
  core::TSeries& s = c.Series(1);
  s.DrawPoints = false;
  s.LineColor = core::rgbColor(0, 0, 255);
  s.Add(0, 50);
  s.Add(10, 50);
}

// A random walk of n points with a gap, as a long recording looks.
void longRecording(ChartModel& c, int n) {
  std::mt19937 rng(5);
  std::normal_distribution<double> step(0, 1);
  core::TSeries& s = c.Series(1);
  s.DrawPoints = false;
  double y = 20;
  for (int i = 0; i < n; ++i) {
    y += step(rng);
    s.Add(46000 + i / 86400.0, i > n / 3 && i < n / 3 + 500 ? std::numeric_limits<double>::quiet_NaN() : y);
  }
  core::TSeries& t = c.Series(2);
  t.DrawPoints = false;
  t.SetWhichYAxis(false);
  for (int i = 0; i < n; i += 7)
    t.Add(46000 + i / 86400.0, (i / 5000) % 2 ? 100 : std::sin(i * 0.01) * 50);
}

QImage render(const ChartModel& c, bool exact, qreal dpr = 1) {
  QImage image(QSize(c.width(), c.height()) * dpr, QImage::Format_RGB32);
  image.setDevicePixelRatio(dpr);
  QPainter p(&image);
  ChartPaintOptions o;
  o.exactSeries = exact;
  paintChart(p, c, c.metrics(), o);
  return image;
}

int differingPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
  return n;
}

} // namespace

class XYChartTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

private slots:
  void thePictureWhereTheDrawingIsFixed() {
    ChartModel c;
    smallChart(c);
    const QImage img = render(c, false);
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), blue = qRgb(0, 0, 255);
    const QRgb grid = toQColor(c.Appearance.GridColor).rgb(), margin = toQColor(c.Appearance.MarginColor).rgb();
    QCOMPARE(img.pixel(200, 252), black); // x axis on the bottom of the plot area
    QCOMPARE(img.pixel(64, 100), black);  // y axis on its left
    QCOMPARE(img.pixel(64, 255), black);  // a tick below the x axis at 0
    // Grid: x step 2 (GetStep), 27.2 pixels per unit: x = 4 at 64 + 109; y step 20, 2.18 per unit: 60 at 252 - 131.
    QCOMPARE(img.pixel(173, 200), grid);
    QCOMPARE(img.pixel(174, 200), white);
    QCOMPARE(img.pixel(100, 121), grid);
    QCOMPARE(img.pixel(250, 143), blue); // the series at y = 50: 252 - 109
    QCOMPARE(img.pixel(250, 142), white);
    QCOMPARE(img.pixel(250, 144), white);
    QCOMPARE(img.pixel(20, 20), margin);
    QCOMPARE(img.pixel(390, 150), margin);
  }

  void unusableLimitsDrawTheErrorCaption() {
    ChartModel c;
    smallChart(c);
    c.YAxis.Min = 100;
    const QImage img = render(c, false);
    int red = 0;
    for (int y = 34; y < 252; ++y)
      for (int x = 64; x < 336; ++x)
        red += qRed(img.pixel(x, y)) > 200 && qGreen(img.pixel(x, y)) < 80 ? 1 : 0;
    QVERIFY2(red > 50, "the ErrorCaption in red");
    QCOMPARE(img.pixel(250, 143), qRgb(255, 255, 255)); // no series
  }

  // Four points per pixel column draw the same picture as every point:
  // with gaps, lines leaving the plot, a zoomed range and a high-DPI screen.
  void decimatedAndExactDrawingGiveTheSamePicture() {
    ChartModel c;
    c.setSize(908, 448);
    longRecording(c, 200000);
    c.XAxis.ShowAsTime = true;
    QCOMPARE(differingPixels(render(c, false), render(c, true)), 0);
    c.XAxis.AutoSizing = false;
    c.XAxis.Min = 46000.4;
    c.XAxis.Max = 46000.9;
    c.YAxis.AutoSizing = false;
    c.YAxis.Min = -100;
    c.YAxis.Max = 100;
    QCOMPARE(differingPixels(render(c, false), render(c, true)), 0);
    c.XAxis.Reversed = true;
    QCOMPARE(differingPixels(render(c, false, 2), render(c, true, 2)), 0);
  }

  void theCrossHairFollowsTheMouseAndLeavesNoTrace() {
    TXYChart chart;
    smallChart(chart.chart());
    chart.resize(400, 300);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const QImage plain = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    chart.setCrossWire(true);
    int moves = 0;
    connect(&chart, &TXYChart::mouseMoved, this, [&moves] { ++moves; });
    QTest::mouseMove(&chart, QPoint(200, 100));
    QCOMPARE(chart.crossPosition(), std::optional<QPoint>(QPoint(200, 100)));
    QImage crossed = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(crossed.pixel(100, 100), qRgb(0, 0, 0));       // white inverted along the line
    QCOMPARE(crossed.pixel(200, 143), qRgb(255, 255, 0));   // the blue series inverted where it crosses
    QCOMPARE(crossed.pixel(20, 100), plain.pixel(20, 100)); // not in the margin
    QTest::mouseMove(&chart, QPoint(210, 120));
    QTest::mouseMove(&chart, QPoint(20, 20)); // out of the plot area: no cross
    QVERIFY(!chart.crossPosition());
    QCOMPARE(differingPixels(chart.grab().toImage().convertToFormat(QImage::Format_RGB32), plain), 0);
    QVERIFY(moves >= 3);
    const double x = chart.GetMouseX(200), y = chart.GetMouseY(143);
    QVERIFY(std::fabs(x - 136 / 27.2) < 1e-9);
    QVERIFY(std::fabs(y - 50) < 0.5);
  }

  void shiftDragZoomsAndShiftClickRestores() {
    TXYChart chart;
    smallChart(chart.chart());
    chart.chart().XAxis.AutoSizing = true;
    chart.resize(400, 300);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const ChartModel before = chart.chart();
    QTest::mousePress(&chart, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 60));
    QTest::mouseMove(&chart, QPoint(200, 150));
    const QImage band = chart.grab().toImage();
    QCOMPARE(band.pixel(150, 60) != chart.picture().pixel(150, 60) ||
                 band.pixel(151, 60) != chart.picture().pixel(151, 60),
             true); // the dotted band
    QTest::mouseRelease(&chart, Qt::LeftButton, Qt::ShiftModifier, QPoint(200, 150));
    QVERIFY(chart.chart().Drag.zoomed());
    QVERIFY(!chart.chart().XAxis.AutoSizing);
    QVERIFY(std::fabs(chart.chart().YAxis.Max - (252 - 60) / 2.18) < 1e-9);
    QTest::mouseClick(&chart, Qt::LeftButton, Qt::ShiftModifier, QPoint(150, 100));
    QVERIFY(chart.chart().sameDesign(before));
  }

  void filesRoundTripAndADamagedOneChangesNothing() {
    TXYChart chart;
    smallChart(chart.chart());
    chart.chart().XAxis.Title = "Zeit";
    const QString good = dir.filePath("k.gra"), bad = dir.filePath("kaputt.gra");
    chart.SaveToFile(good, 1);
    QFile::copy(good, bad);
    QFile f(bad);
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.resize(f.size() / 2);
    f.close();
    TXYChart other;
    other.Series(5).Add(1, 2);
    const ChartModel before = other.chart();
    try {
      other.readfromfile(bad);
      QFAIL("a damaged file was read");
    } catch (const core::Error& e) {
      QVERIFY(QString::fromUtf8(e.what()).contains("beschädigt"));
    }
    QVERIFY(other.chart().sameDesign(before));
    QCOMPARE(other.chart().series()[0]->count(), std::size_t{1});
    other.readfromfile(good);
    QCOMPARE(other.chart().XAxis.Title, std::string("Zeit"));
    QCOMPARE(other.seriesCount(), std::size_t{1});
    QCOMPARE(other.chart().series()[0]->count(), std::size_t{2});
  }

  void clipboardAndPrinterGetThePicture() {
    TXYChart chart;
    smallChart(chart.chart());
    chart.resize(400, 300);
    chart.CopyToClipboard();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(400, 300));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32).pixel(250, 143), qRgb(0, 0, 255));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("druck.pdf"));
    chart.Print(printer);
    QFile pdf(dir.filePath("druck.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
  }
};

VELTRA_GUI_TEST(XYChartTest);

} // namespace veltra::gui::testing

#include "xy_chart_test.moc"
