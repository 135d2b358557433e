// "veltra-cli render": the picture of a loop as the window draws it.

#include "tests/gui/gui_test_registry.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace veltra::gui::testing {

class RenderCommandTest : public QObject {
  Q_OBJECT

  QTemporaryDir out;

  int render(const QStringList& args, QString* err = nullptr) {
    QProcess cli;
    cli.start(QStringLiteral(VELTRA_PROGRAM_DIR "/veltra-cli"),
              QStringList{"render", QStringLiteral(VELTRA_SAMPLES_DIR "/heizung/heizung.vtr"), "--loop", "1"} + args);
    if (!cli.waitForFinished(60000)) return -1;
    if (err) *err = QString::fromUtf8(cli.readAllStandardError());
    return cli.exitCode();
  }

private slots:
  void writesThePictureOfTheLoop() {
    const QString png = out.filePath("loop1.png");
    QString err;
    QVERIFY2(render({"-o", png}, &err) == 0, qPrintable(err));
    const QImage img = QImage(png).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(img.size(), QSize(525, 525));
    QVERIFY(!img.allGray()); // modules and lines in colour, not only the grey grid
  }

  void aMissingDesignIsExitTwoWithAGermanMessageAndNoFile() {
    QString err;
    QCOMPARE(render({"-o", out.filePath("x.png"), "--design", "Fehlt"}, &err), 2);
    QVERIFY2(err.contains("Design \"Fehlt\" gibt es nicht"), qPrintable(err));
    QVERIFY(!QFile::exists(out.filePath("x.png")));
  }
};

VELTRA_GUI_TEST(RenderCommandTest);

} // namespace veltra::gui::testing

#include "render_command_test.moc"
