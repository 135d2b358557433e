#include "gui/print/print_commands.h"

#include "core/util/error.h"
#include "gui/app/ui_services.h"
#include "gui/print/print_dialog.h"
#include "gui/print/print_job.h"
#include "gui/print/result_print.h"
#include "gui/util/qt_text.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>

#include <optional>

namespace veltra::gui {

namespace {

// Shown only for jobs that take a while; "Abbrechen" ends the job.
class JobProgress {
public:
  JobProgress(QWidget* parent, int pages)
      : m_dialog(QStringLiteral("Drucken …"), QStringLiteral("Abbrechen"), 0, pages, parent) {
    m_dialog.setWindowTitle(QStringLiteral("Drucken"));
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(2000);
    m_dialog.setAutoClose(true);
  }
  bool operator()(int page, int pages) {
    m_dialog.setLabelText(QStringLiteral("Seite %1 von %2").arg(page + 1 > pages ? pages : page + 1).arg(pages));
    m_dialog.setValue(page);
    return !m_dialog.wasCanceled();
  }

private:
  QProgressDialog m_dialog;
};

} // namespace

PrintCommands::PrintCommands(QWidget* parent, UiServices& ui, BitmapCache& cache, QString programDir, Context context)
    : m_parent(parent), m_ui(ui), m_cache(cache), m_programDir(std::move(programDir)), m_context(std::move(context)),
      m_dialog(new PrintDialog(parent)) {}

PrintCommands::~PrintCommands() = default;

std::unique_ptr<PrintJob> PrintCommands::newJob() {
  auto job = std::make_unique<PrintJob>(m_context.project(), m_cache, m_programDir, m_context.designDir());
  job->showTexts = m_context.showTexts();
  job->onLoop = m_context.showLoop;
  return job;
}

std::optional<core::Report> PrintCommands::layOut(PrintJob& job, const core::PrintOptions& options,
                                                  const QPrinter* printer) {
  try {
    // Without "alle" the window prints the loop the editor shows.
    core::PrintOptions withLoop = options;
    withLoop.loop = m_context.project().CurrentLoop;
    core::Report report = job.layOut(withLoop, printer != nullptr ? printer->pageLayout() : PrintJob::defaultLayout());
    if (report.pages.empty()) {
      m_ui.showInfo(m_parent, QStringLiteral("Es gibt nichts zu drucken: die gewählten Abschnitte sind leer."));
      return std::nullopt;
    }
    return report;
  } catch (const core::Error& e) {
    m_ui.showError(m_parent, fromUtf8(e.what()));
    return std::nullopt;
  }
}

void PrintCommands::DruckenClick() {
  switch (m_dialog->choose()) {
  case PrintDialog::Target::None:
    return;
  case PrintDialog::Target::Printer:
    printToPrinter(m_dialog->options());
    return;
  case PrintDialog::Target::Preview:
    preview(m_dialog->options());
    return;
  case PrintDialog::Target::Pdf: {
    const core::Project& p = m_context.project();
    QString proposed = fromCp1252(p.ProjectData.designation.str()).trimmed();
    if (proposed.isEmpty()) proposed = QStringLiteral("Dokumentation");
    const QString file = m_ui.saveFileName(m_parent, QStringLiteral("PDF"), m_context.projectDir(), proposed + ".pdf",
                                           QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("pdf"));
    if (!file.isEmpty()) printToPdf(m_dialog->options(), file);
    return;
  }
  }
}

void PrintCommands::paintOnPrinter(PrintJob& job, const core::Report& report, QPrinter& printer, bool withProgress) {
  QPainter g;
  if (!g.begin(&printer)) {
    m_ui.showError(m_parent,
                   QStringLiteral("Der Drucker \"%1\" kann nicht verwendet werden.").arg(printer.printerName()));
    return;
  }
  std::optional<JobProgress> progress;
  if (withProgress) progress.emplace(m_parent, static_cast<int>(report.pages.size()));
  try {
    const bool done =
        job.paint(g, printer, report, [&](int page, int pages) { return !progress || (*progress)(page, pages); });
    if (!done) printer.abort();
  } catch (const core::Error& e) {
    printer.abort();
    m_ui.showError(m_parent, fromUtf8(e.what()));
  }
  g.end();
  if (printer.printerState() == QPrinter::Error)
    m_ui.showError(m_parent,
                   QStringLiteral("Beim Drucken auf \"%1\" ist ein Fehler aufgetreten.").arg(printer.printerName()));
}

void PrintCommands::printToPrinter(const core::PrintOptions& options) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setDocName(QStringLiteral("VELTRA"));
  if (!m_ui.choosePrinter(m_parent, printer)) return;
  std::unique_ptr<PrintJob> job = newJob();
  const std::optional<core::Report> report = layOut(*job, options, &printer);
  if (report) paintOnPrinter(*job, *report, printer, true);
}

bool PrintCommands::printToPdf(const core::PrintOptions& options, const QString& file) {
  std::unique_ptr<PrintJob> job = newJob();
  const std::optional<core::Report> report = layOut(*job, options, nullptr);
  if (!report) return false;
  JobProgress progress(m_parent, static_cast<int>(report->pages.size()));
  try {
    return job->writePdf(file, *report, PrintJob::defaultLayout(), std::ref(progress));
  } catch (const core::Error& e) {
    m_ui.showError(m_parent, fromUtf8(e.what()));
    return false;
  }
}

void PrintCommands::preview(const core::PrintOptions& options) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  std::unique_ptr<PrintJob> job = newJob();
  m_ui.showPrintPreview(m_parent, printer, [&](QPrinter* target) {
    // The preview asks again when its page setup changes.
    const std::optional<core::Report> report = layOut(*job, options, target);
    if (report) paintOnPrinter(*job, *report, *target, false);
  });
}

void PrintCommands::printLines(const QStringList& lines) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setDocName(QStringLiteral("Ergebnisse"));
  if (!m_ui.choosePrinter(m_parent, printer)) return;
  QPainter g;
  if (!g.begin(&printer)) {
    m_ui.showError(m_parent,
                   QStringLiteral("Der Drucker \"%1\" kann nicht verwendet werden.").arg(printer.printerName()));
    return;
  }
  paintResultLines(g, printer, lines);
  g.end();
  if (printer.printerState() == QPrinter::Error)
    m_ui.showError(m_parent,
                   QStringLiteral("Beim Drucken auf \"%1\" ist ein Fehler aufgetreten.").arg(printer.printerName()));
}

} // namespace veltra::gui
