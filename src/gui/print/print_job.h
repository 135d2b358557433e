#pragma once

#include "core/model/project.h"
#include "core/print/report.h"
#include "core/print/report_lists.h"
#include "gui/editor/grid_painter.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace veltra::core {
class TWiring;
}

namespace veltra::gui {

// One print job: lays the report out for a page size and paints it onto a
// printer, a PDF writer or a preview, loop pictures with the editor's own
// painter at the device's resolution.
class PrintJob {
public:
  // Called before each page with its index and the page count; false
  // cancels the job.
  using Progress = std::function<bool(int page, int pages)>;

  PrintJob(core::Project& project, BitmapCache& cache, const QString& programDir, const QString& designDir);
  ~PrintJob();

  bool showTexts = true;
  // Called when a loop's picture is drawn (the window makes it current).
  std::function<void(int loop)> onLoop;

  // Runs BuildChecksum and lays out the chosen sections for the page size.
  // Throws core::Error when a signal text file cannot be read.
  core::Report layOut(const core::PrintOptions& options, const QPageLayout& layout);

  // Paints every page; false when cancelled. The painter must be active on
  // `device`.
  bool paint(QPainter& g, QPagedPaintDevice& device, const core::Report& report, const Progress& progress = {});

  // Writes the report as a PDF file (text stays text). Nothing is left
  // behind when the job is cancelled or fails. Throws core::Error with a
  // German message when the file cannot be written; false when cancelled.
  bool writePdf(const QString& file, const core::Report& report, const QPageLayout& layout,
                const Progress& progress = {});

  // The 300 dpi page geometry of a page layout.
  static core::PageGeometry geometryOf(const QPageLayout& layout);
  static QPageLayout defaultLayout(); // A4 portrait, no margins

private:
  void paintPicture(QPainter& g, const core::PagePicture& picture);

  core::Project& m_project;
  GridPainter m_painter;
  core::ReportLists m_lists;
  bool m_listsRead = false;
  QString m_programDir;
  std::unique_ptr<core::WireField> m_field;
  std::unique_ptr<core::TWiring> m_wiring;
};

} // namespace veltra::gui
