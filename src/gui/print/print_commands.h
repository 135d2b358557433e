#pragma once

#include "core/model/project.h"
#include "core/print/report.h"
#include "gui/editor/bitmap_cache.h"

#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace veltra::gui {

class PrintDialog;
class PrintJob;
class UiServices;

// The window's print commands: "Dokumentation" → "Drucken " (the dialog,
// then printer, PDF file or preview) and the result window's "Drucken".
class PrintCommands {
public:
  struct Context {
    std::function<core::Project&()> project;
    std::function<QString()> designDir;
    std::function<QString()> projectDir;
    std::function<bool()> showTexts;
    // Makes a loop current and shows it (the screen follows the printout).
    std::function<void(int loop)> showLoop;
  };

  PrintCommands(QWidget* parent, UiServices& ui, BitmapCache& cache, QString programDir, Context context);
  ~PrintCommands();

  // "Drucken ": the dialog and what it chose.
  void DruckenClick();
  // The same without the dialog, for each target (the dialog's buttons).
  void printToPrinter(const core::PrintOptions& options);
  // Writes the PDF; false when cancelled or failed (the message is shown).
  bool printToPdf(const core::PrintOptions& options, const QString& file);
  void preview(const core::PrintOptions& options);
  // The result window's "Drucken".
  void printLines(const QStringList& lines);

  PrintDialog* dialog() const { return m_dialog; }

private:
  std::unique_ptr<PrintJob> newJob();
  // Lays out the report; empty (after a message) when there is nothing to print.
  std::optional<core::Report> layOut(PrintJob& job, const core::PrintOptions& options, const QPrinter* printer);
  void paintOnPrinter(PrintJob& job, const core::Report& report, QPrinter& printer, bool withProgress);

  QWidget* m_parent;
  UiServices& m_ui;
  BitmapCache& m_cache;
  QString m_programDir;
  Context m_context;
  PrintDialog* m_dialog;
};

} // namespace veltra::gui
