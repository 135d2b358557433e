#pragma once

#include "core/chart/chart_model.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace veltra::core {

// The chart file ".gra": the whole chart (settings, series and, with mode 1,
// their points) in the component stream encoding, version "xygg03.20".
inline constexpr const char* kChartFileVersion = "xygg03.20";

// The file image. Mode 1 writes the points, mode 0 a point count of 0.
std::string chartFileImage(const ChartModel& chart, int mode);
// SaveToFile: writes the image into a new file (through a temporary one, so
// an old file survives a failure). Throws Error.
void saveChartFile(const ChartModel& chart, const std::filesystem::path& path, int mode);

// readfromfile: a fresh chart from a file image. Items of unknown number
// are skipped by their type letter; a file that ends after the series (no
// annotation part) is complete; the part after marks (which the chart does
// not use) is not read. Throws Error with a German message for another
// version, or a damaged or truncated file.
ChartModel readChartImage(std::span<const std::uint8_t> bytes, const std::string& fileName);
ChartModel loadChartFile(const std::filesystem::path& path);

} // namespace veltra::core
