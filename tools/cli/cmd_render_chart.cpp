// The picture of a chart for "chart ... -o": built only with the Qt program.
#include "cli.h"
#include "offscreen.h"

#include "gui/chart/chart_export.h"

#include <iostream>

namespace veltra::cli {

int renderChartFile(const core::ChartModel& chart, const std::string& out, int width, int height) {
  const auto app = offscreenApplication();
  const QString error = gui::saveChartPicture(chart, QSize(width, height), QString::fromStdString(out));
  if (!error.isEmpty()) {
    std::cerr << error.toStdString() << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

} // namespace veltra::cli
