#pragma once

#include "core/print/text_metrics.h"

#include <QFont>
#include <QFontMetricsF>

namespace veltra::gui {

// The printout's font in units of the 300 dpi page: a fixed-pitch face, so
// that the aligned labels of the listing ("Bearbeiter : ", "Datum      : ")
// stand in columns, at about 9 points. Hinting is off, so widths scale
// exactly to any device.
QFont reportFont(core::TextStyle style);

// The signal list grid's font at `points` on the 300 dpi page.
QFont gridFont(int points);

// Widths and heights as the printout draws them.
class QtReportMetrics : public core::TextMetrics {
public:
  QtReportMetrics();
  int width(std::string_view utf8, core::TextStyle style) const override;
  int textHeight() const override { return m_textHeight; }

private:
  QFontMetricsF m_normal;
  QFontMetricsF m_bold;
  int m_textHeight;
};

} // namespace veltra::gui
