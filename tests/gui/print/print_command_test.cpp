// "veltra-cli print": the documentation of the sample project as a PDF, its
// text read back with pdftotext against the core's pages, its pages turned
// into pictures with pdftoppm.

#include "core/persist/project_file_set.h"
#include "core/print/report_dump.h"
#include "gui/editor/bitmap_cache.h"
#include "gui/print/print_job.h"
#include "tests/gui/gui_test_registry.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace veltra::gui::testing {

namespace {

const QString kSample = QStringLiteral(VELTRA_SAMPLES_DIR "/heizung/heizung.vtr");

int run(const QString& program, const QStringList& args, QString* out = nullptr, QString* err = nullptr) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000)) return -1;
  if (out) *out = QString::fromUtf8(p.readAllStandardOutput());
  if (err) *err = QString::fromUtf8(p.readAllStandardError());
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QStringList words(const QString& text) { return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts); }

// Whether `part` appears in `all` in order (other words may stand between).
bool inOrder(const QStringList& part, const QStringList& all) {
  qsizetype k = 0;
  for (const QString& w : all)
    if (k < part.size() && w == part[k]) ++k;
  return k == part.size();
}

} // namespace

class PrintCommandTest : public QObject {
  Q_OBJECT

  QTemporaryDir out;

  int print(const QStringList& args, QString* err = nullptr) {
    QString stdoutText;
    return run(QStringLiteral(VELTRA_PROGRAM_DIR "/veltra-cli"), QStringList{"print", kSample} + args, &stdoutText,
               err);
  }

private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
      QSKIP("poppler-utils (scripts/setup) are not installed");
  }

  void theTextOfThePdfIsTheTextOfTheCorePages() {
    const QString pdf = out.filePath("heizung.pdf");
    QString err;
    QVERIFY2(print({"--pdf", pdf, "--toc", "--xy"}, &err) == 0, qPrintable(err));

    // The same report laid out here, with the same fonts.
    auto empty = std::make_unique<core::Project>();
    core::LoadedProject loaded = core::loadProject(*empty, VELTRA_PROGRAM_DIR, kSample.toStdString());
    BitmapCache cache;
    PrintJob job(*loaded.project, cache, VELTRA_PROGRAM_DIR, QString());
    core::PrintOptions options;
    options.connections = options.contents = true;
    const core::Report report = job.layOut(options, PrintJob::defaultLayout());

    QString text;
    QCOMPARE(run("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}, &text), 0);
    QStringList pages = text.split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    QCOMPARE(pages.size(), static_cast<qsizetype>(report.pages.size()));
    for (qsizetype k = 0; k < pages.size(); ++k) {
      const core::ReportPage& page = report.pages[static_cast<std::size_t>(k)];
      const QStringList expected = words(QString::fromStdString(core::pageText(page)));
      const QStringList got = words(pages[k]);
      // A loop picture adds its own labels (numbers, free texts).
      if (page.pictures.empty())
        QVERIFY2(got == expected,
                 qPrintable(QString("Seite %1:\n%2\n---\n%3").arg(k + 1).arg(got.join(' '), expected.join(' '))));
      else
        QVERIFY2(inOrder(expected, got), qPrintable(QString("Seite %1").arg(k + 1)));
    }
    QVERIFY(text.contains("Modul: R - Regler"));
    QVERIFY(text.contains("Inhalt"));

    // Pages as pictures: A4 at 30 dpi, with colour on the loop pages.
    QCOMPARE(run("pdftoppm", {"-r", "30", "-png", "-f", "1", "-l", "3", pdf, out.filePath("seite")}), 0);
    const QStringList pngs = QDir(out.path()).entryList({"seite*.png"}, QDir::Files, QDir::Name);
    QCOMPARE(pngs.size(), 3);
    const QImage loopPage(out.filePath(pngs[2]));
    QCOMPARE(loopPage.size(), QSize(248, 351));
    QVERIFY(!loopPage.convertToFormat(QImage::Format_RGB32).allGray());
  }

  void sectionsAndLoopChooseWhatIsPrinted() {
    const QString pdf = out.filePath("loop2.pdf");
    QString err;
    QVERIFY2(print({"--pdf", pdf, "--sections", "regelkreise", "--loop", "2"}, &err) == 0, qPrintable(err));
    QString text;
    QCOMPARE(run("pdftotext", {"-enc", "UTF-8", pdf, "-"}, &text), 0);
    QVERIFY(text.contains("Regelkreis 2"));
    QVERIFY(!text.contains("Regelkreis 1\n"));
    QVERIFY(!text.contains("Projektdaten") && !text.contains("Quervereise") && !text.contains("Signallisten"));
  }

  void badInputsAreRefusedAndLeaveNoFile() {
    const QString pdf = out.filePath("bad.pdf");
    QString err;
    QCOMPARE(print({"--pdf", pdf, "--sections", "bilder"}, &err), 64);
    QVERIFY2(err.contains("Abschnitt \"bilder\" gibt es nicht"), qPrintable(err));
    QCOMPARE(print({"--pdf", pdf, "--loop", "201"}, &err), 64);
    QCOMPARE(print({"--pdf", pdf, "--loop", "2", "--all"}), 64);
    QCOMPARE(print({"--pdf", out.filePath("fehlt/bad.pdf")}, &err), 2);
    QVERIFY2(err.contains("kann nicht erstellt werden"), qPrintable(err));
    // Loop 200 of the sample is empty: nothing to print.
    QCOMPARE(print({"--pdf", pdf, "--sections", "regelkreise", "--loop", "200"}, &err), 2);
    QVERIFY2(err.contains("nichts zu drucken"), qPrintable(err));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(QDir(out.path()).entryList({"bad*"}, QDir::Files).isEmpty());
  }
};

VELTRA_GUI_TEST(PrintCommandTest);

} // namespace veltra::gui::testing

#include "print_command_test.moc"
