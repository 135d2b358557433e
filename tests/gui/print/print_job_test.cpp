// The print job and the window's "Drucken": pictures at device resolution,
// grids, the PDF written whole or not at all, the dialog and the loop left
// current.

#include "core/app/settings.h"
#include "core/model/module_ops.h"
#include "core/modules/catalogue.h"
#include "core/print/report_builder.h"
#include "core/util/error.h"
#include "gui/compiler/result_window.h"
#include "gui/print/print_commands.h"
#include "gui/print/print_dialog.h"
#include "gui/print/print_job.h"
#include "gui/print/report_painter.h"
#include "gui/print/result_print.h"
#include "tests/core/print/print_test_support.h"
#include "tests/gui/app/main_window_harness.h"
#include "tests/gui/gui_test.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>

namespace veltra::gui::testing {

namespace print_test = core::print_test;

class PrintWindowTest : public WindowTestCase {
  Q_OBJECT

  QTemporaryDir out;

  core::TCell& put(int loop, int col, int row, char letter) {
    return print_test::put(h->project(), loop, col, row, letter);
  }
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }

  void dialogOffersTheSixBoxesAndClosesWhenNothingIsChecked() {
    PrintDialog& d = *h->window().printCommands().dialog();
    QCOMPARE(d.windowTitle(), QString("Drucken"));
    const std::pair<const char*, bool> boxes[] = {
        {"Projektbeschreibung", true}, {"Regelkreise", true}, {"Signallisten", true},
        {"Querverweise", true},        {"alle", true},        {"X/Y-Signale", false}};
    for (const auto& [caption, checked] : boxes) {
      QCheckBox* found = nullptr;
      for (QCheckBox* b : d.findChildren<QCheckBox*>())
        if (b->text() == caption) found = b;
      QVERIFY2(found != nullptr, caption);
      QCOMPARE(found->isChecked(), checked);
    }
    QCOMPARE(d.printButton()->text(), QString("Drucken"));
    // Nothing checked: the dialog just closes.
    WindowHarness::whenModal([&d](QWidget*) {
      for (const char* name : {"cbProjekt", "cbRegelkreise", "cbSignallisten", "cbQuerverweise"})
        d.box(name)->setChecked(false);
      d.pdfButton()->click();
    });
    h->menu("Dokumentation", "Drucken ");
    QCOMPARE(h->ui().saveCalls, 0);
    QCOMPARE(h->ui().printerCalls, 0);
  }

  void pdfFromTheDialogLeavesTheLastPrintedLoopCurrentAndShown() {
    put(2, 0, 0, 'E');
    put(6, 0, 0, 'R');
    h->ui().saveNames = {out.filePath("doku.pdf")};
    PrintDialog& d = *h->window().printCommands().dialog();
    WindowHarness::whenModal([&d](QWidget*) { d.pdfButton()->click(); });
    h->menu("Dokumentation", "Drucken ");
    QVERIFY2(h->ui().errors.isEmpty(), qPrintable(h->ui().errors.join(", ")));
    QFile pdf(out.filePath("doku.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(h->project().CurrentLoop, 6);
    QCOMPARE(h->fields().edNum()->text(), QString("6"));
    // Without "alle" only the current loop.
    h->project().CurrentLoop = 2;
    core::PrintOptions o;
    o.allLoops = false;
    QVERIFY(h->window().printCommands().printToPdf(o, out.filePath("eins.pdf")));
    QCOMPARE(h->project().CurrentLoop, 2);
  }

  // The printer and the preview get the same pages; the result window
  // prints its lines.
  void printerPreviewAndResultWindowPrint() {
    put(3, 0, 0, 'E');
    h->ui().printerFile = out.filePath("drucker.pdf");
    PrintDialog& d = *h->window().printCommands().dialog();
    WindowHarness::whenModal([&d](QWidget*) { d.printButton()->click(); });
    h->menu("Dokumentation", "Drucken ");
    QCOMPARE(h->ui().printerCalls, 1);
    QVERIFY(QFileInfo(out.filePath("drucker.pdf")).size() > 1000);
    QCOMPARE(h->project().CurrentLoop, 3);

    h->ui().onPreview = [this](QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(out.filePath("vorschau.pdf"));
      paint(&printer);
    };
    WindowHarness::whenModal([&d](QWidget*) { d.previewButton()->click(); });
    h->menu("Dokumentation", "Drucken ");
    QCOMPARE(h->ui().previewCalls, 1);
    QVERIFY(QFileInfo(out.filePath("vorschau.pdf")).size() > 1000);

    h->ui().printerFile = out.filePath("ergebnisse.pdf");
    h->window().resultWindow()->ClearLines();
    h->window().resultWindow()->AddLine("Querverweisliste");
    h->window().resultWindow()->printButton()->click();
    QCOMPARE(h->ui().printerCalls, 2);
    QVERIFY(QFileInfo(out.filePath("ergebnisse.pdf")).size() > 500);
    QVERIFY2(h->ui().errors.isEmpty(), qPrintable(h->ui().errors.join(", ")));
  }

  void anEmptyChoiceIsReportedAndWritesNothing() {
    core::PrintOptions o;
    o.projectData = o.crossReferences = o.signalLists = false;
    o.allLoops = false; // the current loop is empty
    QVERIFY(!h->window().printCommands().printToPdf(o, out.filePath("leer.pdf")));
    QCOMPARE(h->ui().infos.size(), 1);
    QVERIFY(!QFile::exists(out.filePath("leer.pdf")));
  }
};

VELTRA_GUI_TEST(PrintWindowTest);

// Without a window: the job's PDF, pictures, grids and result lines.
class PrintJobTest : public QObject {
  Q_OBJECT

  std::unique_ptr<core::Project> project;

  core::TCell& put(int loop, int col, int row, char letter) {
    return print_test::put(*project, loop, col, row, letter);
  }
  static QStringList pdfFiles(const QString& dir) { return QDir(dir).entryList(QDir::Files | QDir::Hidden); }

private slots:
  void init() {
    project = std::make_unique<core::Project>();
    project->resetLoops();
  }

  void aCancelledOrFailedPdfLeavesNoFileBehind() {
    put(1, 0, 0, 'E');
    BitmapCache cache;
    PrintJob job(*project, cache, VELTRA_PROGRAM_DIR, QString());
    const core::Report report = job.layOut(core::PrintOptions{}, PrintJob::defaultLayout());
    QVERIFY(report.pages.size() > 2);
    QTemporaryDir dir;
    int asked = 0;
    QVERIFY(!job.writePdf(dir.filePath("abbruch.pdf"), report, PrintJob::defaultLayout(),
                          [&asked](int page, int) { return ++asked, page < 2; }));
    QCOMPARE(asked, 3);
    QCOMPARE(pdfFiles(dir.path()), QStringList());
    // An existing file stays as it was when the new one is cancelled.
    QFile keep(dir.filePath("alt.pdf"));
    QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("alt") == 3);
    keep.close();
    QVERIFY(!job.writePdf(dir.filePath("alt.pdf"), report, PrintJob::defaultLayout(), [](int, int) { return false; }));
    QCOMPARE(pdfFiles(dir.path()), QStringList{"alt.pdf"});
    QVERIFY(QFile(dir.filePath("alt.pdf")).size() == 3);
    QString refused;
    try {
      job.writePdf(dir.filePath("fehlt/x.pdf"), report, PrintJob::defaultLayout());
    } catch (const core::Error& e) {
      refused = QString::fromUtf8(e.what());
    }
    // The reason in German, from the program's own table.
    QCOMPARE(refused, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. "
                                     "Die Datei oder der Ordner ist nicht vorhanden.")
                          .arg(dir.filePath("fehlt/x.pdf")));
  }

  void loopPictureIsDrawnAtDeviceResolutionWithSymbolsAsPixelBlocks() {
    core::TCell& r = put(1, 2, 1, 'R');
    r.error = -10; // an error frame
    // The screen picture and the same loop four times as large.
    BitmapCache cache;
    GridPainter painter(cache);
    const QString design = QString::fromStdString(core::designDir(core::loadSettings(VELTRA_PROGRAM_DIR)).string());
    painter.setFolders(VELTRA_PROGRAM_DIR, design);
    core::WireField field{};
    QImage screen = GridPainter::newImage();
    painter.ZeichneAlles(screen, *project, 1, field, {});
    QImage big(4 * 525, 4 * 525, QImage::Format_RGB32);
    big.fill(Qt::white);
    {
      QPainter g(&big);
      g.scale(4, 4);
      painter.setImageMagnification(4);
      painter.paint(g, *project, 1, field, {});
    }
    // Inside the symbol's header band with its letter (within the error
    // frame) every screen pixel is a 4 x 4 block of the same colour.
    QSet<QRgb> colours;
    for (int y = 37; y < 44; ++y)
      for (int x = 72; x < 99; ++x) {
        colours.insert(screen.pixel(x, y));
        for (int d = 0; d < 16; ++d)
          QCOMPARE(big.pixel(4 * x + d % 4, 4 * y + d / 4), screen.pixel(x, y));
      }
    QVERIFY(colours.size() > 1); // the band and its letter, not a blank area
    // The red frame is as wide as a scaled screen pixel, not a hairline.
    int red = 0;
    for (int x = 4 * 68; x < 4 * 73; ++x)
      red += QColor(big.pixel(x, 4 * 50)) == QColor(255, 0, 0) ? 1 : 0;
    QVERIFY2(red >= 3, qPrintable(QString::number(red)));
  }

  void gridCellsHaveFramesAndTheFixedColour() {
    core::PageGrid grid;
    grid.x = 10;
    grid.y = 10;
    grid.columnWidths = {40, 60, 60};
    grid.rowHeight = 20;
    grid.padding = 3;
    grid.fontPoints = 2;
    grid.rows = {{"", "", ""}, {"1", "", ""}};
    QImage img(200, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
      QPainter g(&img);
      ReportPainter::paintGrid(g, grid);
    }
    QCOMPARE(QColor(img.pixel(10, 35)), QColor(51, 51, 51)); // left frame of row 1
    QCOMPARE(QColor(img.pixel(150, 20)).red(), 230);         // heading row: fixed colour
    QCOMPARE(QColor(img.pixel(80, 40)).red(), 230);          // second column: fixed
    QCOMPARE(QColor(img.pixel(150, 40)), QColor(Qt::white)); // description: normal colour
  }

  void resultLinesContinueOnFurtherPagesInsteadOfBeingCut() {
    const int perPage = resultLinesPerPage(3508);
    QVERIFY(perPage > 30);
    QStringList lines;
    for (int k = 0; k < perPage + 5; ++k)
      lines << QString("Zeile %1").arg(k);
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("e.pdf"));
    pdf.setPageLayout(PrintJob::defaultLayout());
    QPainter g(&pdf);
    paintResultLines(g, pdf, lines);
    g.end();
    QProcess text;
    text.start("pdftotext", {dir.filePath("e.pdf"), "-"});
    if (!text.waitForFinished(30000)) QSKIP("pdftotext not available");
    const QString all = QString::fromUtf8(text.readAllStandardOutput());
    QCOMPARE(all.count('\f'), 2);
    QVERIFY(all.contains(QString("Zeile %1").arg(perPage + 4)));
  }
};

VELTRA_GUI_TEST(PrintJobTest);

} // namespace veltra::gui::testing

#include "print_job_test.moc"
