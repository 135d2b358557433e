#pragma once

#include "core/model/limits.h"
#include "core/wiring/wire_field.h"

namespace veltra::core {

// The grid picture in pixels: 15 x 15 cells of 35 x 35 pixels, 525 x 525 in
// all, and the router's sub-cells of 7 x 7 pixels (five per cell). The
// editor, the painter, the grid view and the window all measure with these.
inline constexpr int kCellPx = 35;
inline constexpr int kGridPx = kCols * kCellPx;
inline constexpr int kSubCellPx = kCellPx / kSubPerCell;
static_assert(kGridPx == 525 && kSubCellPx == 7 && kSubCellPx * kSubPerCell == kCellPx);
static_assert(kRows == kCols, "the picture is square");

// The left half of a cell (x mod 35 below 17) holds its inputs, the right
// half its outputs.
inline constexpr int kInputHalfPx = 17;

inline constexpr int cellPx(int colOrRow) { return kCellPx * colOrRow; }
inline constexpr bool inGrid(int x, int y) { return x >= 0 && x < kGridPx && y >= 0 && y < kGridPx; }

} // namespace veltra::core
