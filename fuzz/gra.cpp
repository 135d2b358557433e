// Chart file reader: any input is read or refused with Error, never a crash;
// what is read writes an image that reads back to the same image, and its
// layout can be drawn with (metrics never throw).
#include "core/chart/gra_file.h"
#include "core/util/error.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltra::core;
  try {
    const ChartModel chart = readChartImage(std::span(data, size), "fuzz.gra");
    const std::string image = chartFileImage(chart, 1);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.data());
    const ChartModel again = readChartImage(std::span(bytes, image.size()), "fuzz.gra");
    if (chartFileImage(again, 1) != image) std::abort();
    const ChartMetrics m = chart.metricsAt(908, 448);
    if (m.ok() && !(m.x.min < m.x.max)) std::abort();
  } catch (const Error&) {
  }
  return 0;
}
