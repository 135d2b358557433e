#pragma once

#include "core/chart/chart_types.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

namespace veltra::gui {

// The chart keeps Windows colour values (0x00BBGGRR) and UTF-8 texts.
inline QColor toQColor(core::TColor c) { return QColor(core::colorRed(c), core::colorGreen(c), core::colorBlue(c)); }
inline core::TColor fromQColor(const QColor& c) { return core::rgbColor(c.red(), c.green(), c.blue()); }
inline QString chartText(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string chartText(const QString& text) { return text.toStdString(); }

// The chart is laid out in pixels, so its fonts are sized in pixels as well
// (a point being 96/72 pixels, as on the screen): a printed or exported
// chart then scales as one picture.
QFont toQFont(const core::TChartFont& f);
core::TChartFont fromQFont(const QFont& font, core::TColor color);

} // namespace veltra::gui
