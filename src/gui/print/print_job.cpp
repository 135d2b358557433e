#include "gui/print/print_job.h"

#include "core/editor/grid_geometry.h"
#include "core/print/report_builder.h"
#include "core/util/error.h"
#include "core/util/system_error_text.h"
#include "core/wiring/loop_wiring.h"
#include "core/wiring/wiring.h"
#include "gui/print/report_fonts.h"
#include "gui/print/report_painter.h"
#include "gui/util/qt_text.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace veltra::gui {

PrintJob::PrintJob(core::Project& project, BitmapCache& cache, const QString& programDir, const QString& designDir)
    : m_project(project), m_painter(cache), m_programDir(programDir), m_field(std::make_unique<core::WireField>()),
      m_wiring(std::make_unique<core::TWiring>()) {
  m_painter.setFolders(programDir, designDir);
}

PrintJob::~PrintJob() = default;

core::PageGeometry PrintJob::geometryOf(const QPageLayout& layout) {
  const QRectF points = layout.fullRect(QPageLayout::Point);
  core::PageGeometry g;
  g.width = static_cast<int>(std::lround(points.width() * core::kReferenceDpi / 72.0));
  g.height = static_cast<int>(std::lround(points.height() * core::kReferenceDpi / 72.0));
  return g;
}

QPageLayout PrintJob::defaultLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

core::Report PrintJob::layOut(const core::PrintOptions& options, const QPageLayout& layout) {
  if (!m_listsRead) {
    m_lists = core::ReportLists::load(m_programDir.toStdString());
    m_listsRead = true;
  }
  const QtReportMetrics metrics;
  return core::buildReport(m_project, m_lists, metrics, options, geometryOf(layout));
}

void PrintJob::paintPicture(QPainter& g, const core::PagePicture& picture) {
  if (onLoop) onLoop(picture.loop);
  core::BildeBelegung(m_project, picture.loop, *m_field);
  core::BildeWireArray(m_project, picture.loop, *m_field, *m_wiring);
  g.save();
  g.translate(picture.x, picture.y);
  const qreal scale = static_cast<qreal>(picture.side) / core::kGridPx;
  g.scale(scale, scale);
  g.setClipRect(0, 0, core::kGridPx, core::kGridPx);
  // Symbols and tiles grow as blocks of pixels; lines stay lines.
  g.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // Device pixels per picture pixel decide how far symbols are enlarged
  // before the device scales them the rest of the way.
  const qreal devicePixels = g.deviceTransform().m11();
  m_painter.setImageMagnification(static_cast<int>(std::min(8.0, std::ceil(devicePixels))));
  GridScene scene;
  scene.showTexts = showTexts;
  m_painter.paint(g, m_project, picture.loop, *m_field, scene);
  g.restore();
}

bool PrintJob::paint(QPainter& g, QPagedPaintDevice& device, const core::Report& report, const Progress& progress) {
  const ReportPainter pages([this](QPainter& p, const core::PagePicture& picture) { paintPicture(p, picture); });
  const int count = static_cast<int>(report.pages.size());
  // Units of the 300 dpi page onto the device, from its physical corner.
  const qreal sx = device.logicalDpiX() / static_cast<qreal>(core::kReferenceDpi);
  const qreal sy = device.logicalDpiY() / static_cast<qreal>(core::kReferenceDpi);
  for (int k = 0; k < count; ++k) {
    if (progress && !progress(k, count)) return false;
    if (k > 0 && !device.newPage()) throw core::Error("Die nächste Seite kann nicht begonnen werden.");
    g.save();
    g.scale(sx, sy);
    g.setRenderHint(QPainter::Antialiasing, true);
    g.setRenderHint(QPainter::TextAntialiasing, true);
    pages.paintPage(g, report.pages[static_cast<std::size_t>(k)]);
    g.restore();
  }
  if (progress) progress(count, count);
  return true;
}

namespace {

// The system's reason in our German words, as the core gives it; Qt's own
// text only when the failure left no error number.
[[noreturn]] void throwCannotCreate(const QString& file, const QSaveFile& out) {
  const int err = errno;
  const QString reason = err != 0 ? fromUtf8(core::systemErrorText(err)) : out.errorString();
  throw core::Error(toUtf8(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(file, reason)));
}

} // namespace

bool PrintJob::writePdf(const QString& file, const core::Report& report, const QPageLayout& layout,
                        const Progress& progress) {
  QSaveFile out(file);
  errno = 0;
  if (!out.open(QIODevice::WriteOnly)) throwCannotCreate(file, out);
  bool done = false;
  {
    QPdfWriter pdf(&out);
    pdf.setPageLayout(layout);
    pdf.setResolution(1200);
    pdf.setCreator(QStringLiteral("VELTRA"));
    pdf.setTitle(QStringLiteral("Projekt: ") + fromCp1252(m_project.ProjectData.designation.str()));
    QPainter g;
    if (!g.begin(&pdf)) throw core::Error(toUtf8(QStringLiteral("Datei \"%1\" kann nicht erstellt werden.").arg(file)));
    try {
      done = paint(g, pdf, report, progress);
    } catch (...) {
      g.end();
      throw; // QSaveFile drops what was written
    }
    g.end();
  }
  if (!done) return false; // the temporary file goes with `out`
  errno = 0;
  if (!out.commit()) throwCannotCreate(file, out);
  return true;
}

} // namespace veltra::gui
