// "veltra-cli render": the picture of a loop as the window draws it.

#include "gui_test_registry.h"

#include "app/settings.h"
#include "editor/bitmap_cache.h"
#include "editor/grid_painter.h"
#include "persist/project_file_set.h"
#include "wiring/loop_wiring.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace veltra::gui::testing {

namespace {

const QString kProgramDir = QStringLiteral(VELTRA_PROGRAM_DIR);
const QString kSample = QStringLiteral(VELTRA_SAMPLES_DIR "/heizung/heizung.vtr");

struct Run {
  int exitCode = -1;
  QString err;
};

Run render(const QStringList& args) {
  QProcess cli;
  cli.start(kProgramDir + "/veltra-cli", QStringList{"render"} + args);
  if (!cli.waitForFinished(60000)) return {};
  return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardError())};
}

// The same loop drawn in this process with the painter.
QImage drawnHere(int loop, const QString& design) {
  core::Settings s = core::loadSettings(kProgramDir.toStdString());
  s.DesignName = design.toStdString();
  core::LoadedProject loaded =
      core::loadProject(*std::make_unique<core::Project>(), s.ProgramDir, kSample.toStdString());
  auto field = std::make_unique<core::WireField>();
  core::TWiring wiring;
  core::BildeBelegung(*loaded.project, loop, *field);
  core::BildeWireArray(*loaded.project, loop, *field, wiring);
  BitmapCache cache;
  GridPainter painter(cache);
  painter.setFolders(kProgramDir, QString::fromStdString(core::designDir(s).string()));
  GridScene scene;
  scene.showTexts = s.ShowTexts;
  QImage img = GridPainter::newImage();
  painter.ZeichneAlles(img, *loaded.project, loop, *field, scene);
  return img;
}

} // namespace

class RenderCommandTest : public QObject {
  Q_OBJECT

  QTemporaryDir out;

private slots:
  // The design option counts: Kontrast must match the Kontrast drawing.
  void rendersWhatTheWindowDraws_data() {
    QTest::addColumn<int>("loop");
    QTest::addColumn<QString>("design");
    QTest::newRow("loop 1") << 1 << "Standard";
    QTest::newRow("loop 2 Kontrast") << 2 << "Kontrast";
    QTest::newRow("empty loop 150") << 150 << "Standard";
  }
  void rendersWhatTheWindowDraws() {
    QFETCH(int, loop);
    QFETCH(QString, design);
    const QString png = out.filePath(QString("loop%1.png").arg(loop));
    const Run r = render({kSample, "--loop", QString::number(loop), "-o", png, "--design", design});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QImage img = QImage(png).convertToFormat(QImage::Format_RGB32);
    QVERIFY(img == drawnHere(loop, design));
    QCOMPARE(img.pixel(0, 524), qRgb(128, 128, 128)); // the grid's last line lies inside the picture
  }

  void badArgumentsAndInputs() {
    const QString png = out.filePath("x.png");
    QCOMPARE(render({kSample, "--loop", "0", "-o", png}).exitCode, 64);
    QCOMPARE(render({kSample, "--loop", "1"}).exitCode, 64);
    const Run noDesign = render({kSample, "--loop", "1", "-o", png, "--design", "Fehlt"});
    QVERIFY2(noDesign.exitCode == 2 && noDesign.err.contains("Fehlt"), qPrintable(noDesign.err));
    const Run noProject = render({out.filePath("nichts.vtr"), "--loop", "1", "-o", png});
    QVERIFY(noProject.exitCode == 2 && !noProject.err.isEmpty());
    QCOMPARE(render({kSample, "--loop", "1", "-o", out.filePath("kein/ordner/x.png")}).exitCode, 2);
    QVERIFY(!QFile::exists(png));
  }
};

VELTRA_GUI_TEST(RenderCommandTest);

} // namespace veltra::gui::testing

#include "render_command_test.moc"
