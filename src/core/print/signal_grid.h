#pragma once

#include "core/model/project.h"
#include "core/print/report.h"

#include <array>
#include <string>

namespace veltra::core {

// The signal list grid as the signal editor shows it: columns "Nr.",
// "Signal", "Beschreibung" of these widths and rows of this height (screen
// pixels), printed at 0.7 of their size with pixels read as points.
inline constexpr std::array<int, PageGrid::kColumns> kSignalGridColumnPixels = {50, 170, 170};
inline constexpr int kSignalGridRowPixels = 18;
inline constexpr int kSignalGridFontPoints = 8;
inline constexpr int kSignalGridBlockRows = 50;
inline constexpr double kSignalGridScale = 0.7;
inline constexpr int kSignalGridLeftPoints = 100;
inline constexpr int kSignalGridTopPoints = 150;
inline constexpr int kSignalGridPaddingPoints = 3;

// Points of the grid print in units of the 300 dpi page:
// round(points × 300 ÷ 72 × 0.7).
int gridUnits(double points);

// The highest signal number that any module of the letter uses in the whole
// project, 0 when there is none.
long long highestUsedSignal(const Project& project, char letter);

// Row n of a group's grid (n ≥ 1): number, name and description, UTF-8.
std::array<std::string, PageGrid::kColumns> signalGridRow(const Project& project, SignalGroup group, int n);

// A grid block of the signals first..last with the heading row, at (x, y).
PageGrid signalGridBlock(const Project& project, SignalGroup group, int first, int last, int x, int y);

} // namespace veltra::core
