#pragma once

#include "core/chart/chart_model.h"

#include <QRect>

class QPainter;

namespace veltra::gui {

struct ChartPaintOptions {
  // On paper: without "Drucke mit Farbe" the page colour replaces the
  // background and margin colours.
  bool printing = false;
  // Draw every point of every series instead of four per pixel column (for
  // comparisons; the picture is the same for solid lines).
  bool exactSeries = false;
};

// Draws the whole chart at its metrics' size into the painter's logical
// coordinates (0, 0 .. width, height): margins, grid, series, axes, titles,
// legend, or the ErrorCaption where the limits cannot be used. Lines and
// series are placed on device pixels, so the chart is sharp at any scale
// and on high-DPI screens.
void paintChart(QPainter& painter, const core::ChartModel& chart, const core::ChartMetrics& metrics,
                const ChartPaintOptions& options = {});

// The legend's box at the chart's size (empty when nothing is listed).
QRect legendRect(const core::ChartModel& chart);

// Qt's pen style of a chart line style (0 solid .. 4 dash-dot-dot).
Qt::PenStyle chartPenStyle(int lineStyle);

} // namespace veltra::gui
