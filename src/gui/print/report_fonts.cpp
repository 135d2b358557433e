#include "gui/print/report_fonts.h"

#include <QString>

#include <cmath>

namespace veltra::gui {

namespace {

constexpr int kReportPixels = 38; // 9 points at 300 dpi, rounded

} // namespace

QFont reportFont(core::TextStyle style) {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setHintingPreference(QFont::PreferNoHinting);
  // Text must come back out of the PDF as typed: no ligatures ("ff").
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setKerning(false);
  font.setPixelSize(kReportPixels);
  font.setBold(style == core::TextStyle::Bold);
  return font;
}

QFont gridFont(int points) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setHintingPreference(QFont::PreferNoHinting);
  // Text must come back out of the PDF as typed: no ligatures ("ff").
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setPixelSize(static_cast<int>(std::lround(points * core::kReferenceDpi / 72.0)));
  return font;
}

QtReportMetrics::QtReportMetrics()
    : m_normal(reportFont(core::TextStyle::Normal)), m_bold(reportFont(core::TextStyle::Bold)),
      m_textHeight(static_cast<int>(std::ceil(m_normal.height()))) {}

int QtReportMetrics::width(std::string_view utf8, core::TextStyle style) const {
  const QFontMetricsF& m = style == core::TextStyle::Bold ? m_bold : m_normal;
  return static_cast<int>(
      std::ceil(m.horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())))));
}

} // namespace veltra::gui
