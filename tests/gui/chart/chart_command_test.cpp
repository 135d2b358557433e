// "veltra-cli chart FILE.gra -o": the chart as the graph window draws it, as
// a PNG picture or a PDF page.

#include "tests/gui/gui_test_registry.h"

#include "core/chart/gra_file.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace veltra::gui::testing {

class ChartCommandTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

  int cli(const QStringList& args, QString* err = nullptr) {
    QProcess p;
    p.start(QStringLiteral(VELTRA_PROGRAM_DIR "/veltra-cli"), QStringList{"chart"} + args);
    if (!p.waitForFinished(60000)) return -1;
    if (err) *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
  }

private slots:
  void initTestCase() {
    core::ChartModel c;
    core::TSeries& s = c.Series(1);
    s.SetLineColor(core::rgbColor(0, 160, 0));
    s.Add(0, 1);
    s.Add(10, 9);
    core::saveChartFile(c, dir.filePath("k.gra").toStdString(), 1);
  }

  void drawsThePictureAtTheWindowsSizeOrAnother() {
    QString err;
    QCOMPARE(cli({dir.filePath("k.gra"), "-o", dir.filePath("k.png")}, &err), 0);
    const QImage img(dir.filePath("k.png"));
    QCOMPARE(img.size(), QSize(908, 448));
    bool green = false;
    for (int x = 100; x < 800 && !green; ++x)
      for (int y = 40; y < 400 && !green; ++y)
        green = img.pixel(x, y) == qRgb(0, 160, 0);
    QVERIFY2(green, "the series in its colour");
    QCOMPARE(cli({dir.filePath("k.gra"), "-o", dir.filePath("klein.png"), "--size", "400×300"}, &err), 0);
    QCOMPARE(QImage(dir.filePath("klein.png")).size(), QSize(400, 300));
  }

  void writesAPdfPage() {
    QCOMPARE(cli({dir.filePath("k.gra"), "-o", dir.filePath("k.pdf")}), 0);
    QFile pdf(dir.filePath("k.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.contains("/MediaBox [0 0 681.000000 336.000000]")); // 908 x 448 pixels in points
  }

  void anUnwritableOutputIsExitTwo() {
    QString err;
    QCOMPARE(cli({dir.filePath("k.gra"), "-o", dir.filePath("fehlt/k.png")}, &err), 2);
    QVERIFY2(err.contains("kann nicht erstellt werden"), qPrintable(err));
  }
};

VELTRA_GUI_TEST(ChartCommandTest);

} // namespace veltra::gui::testing

#include "chart_command_test.moc"
