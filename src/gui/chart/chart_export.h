#pragma once

#include "core/chart/chart_model.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace veltra::gui {

// The chart's picture at a size (logical pixels) and device pixel ratio.
QImage renderChart(const core::ChartModel& chart, QSize size, qreal devicePixelRatio = 1);

// Writes the chart at `size` as a PNG picture or, for a name ending in
// ".pdf", as a one-page PDF of the chart's size with its lines as vectors.
// Returns an empty text or the German message of the failure.
QString saveChartPicture(const core::ChartModel& chart, QSize size, const QString& fileName);

} // namespace veltra::gui
