#pragma once

#include "design_style.h"
#include "image.h"

#include "core/editor/grid_geometry.h"
#include "core/modules/catalogue.h"

#include <string>

namespace veltra::artgen {

// Geometry every design shares. The grid copies a symbol with its top-left
// corner on the module's top cell; a line leaves an output at the middle of
// the cell's right edge and enters an input at the middle of its left edge,
// so port marks sit on the outermost columns at those rows. The program's
// red error frame runs along columns 0 and 30 and rows 0 and 30 of the top
// cell: the box lies just inside it.
inline constexpr int kCellSize = core::kCellPx;
inline constexpr int kErrorFrameLast = 30;
inline constexpr int kBoxLeft = 1;
inline constexpr int kBoxRight = kErrorFrameLast - 1;
inline constexpr int kBoxTop = 1;
inline constexpr int kLastColumn = kCellSize - 1;

// Row (y) of the port line of the 1-based module row `row`.
constexpr int portY(int row) { return kCellSize * (row - 1) + kCellSize / 2; }
// Last row of the box of a module `height` cells tall: as far from the
// bottom of its last cell as a single cell's box is.
constexpr int boxBottom(int height) { return kCellSize * (height - 1) + kErrorFrameLast - 1; }

// "ModR.bmp", or "IModR.bmp" for the inverted variant.
std::string symbolFileName(char letterOrDigit, bool inverted);

// The symbol of a module type, 35 × 35·height pixels: a box whose header
// band carries the letter, port marks on the rows the catalogue names
// (analog red, digital black) and, for `inverted`, the inversion circle on
// every output. Types without an inversion flag have no inverted look; for
// them `inverted` gives the plain symbol. The area where the program writes
// the label (from (10, 13) down, and (4, 24) for constants) stays white.
Image paintModuleSymbol(const core::ModuleType& type, bool inverted, const DesignStyle& style);

// The 35 × 35 symbol of a digit cell: a plain box with the digit.
Image paintDigitSymbol(char digit, const DesignStyle& style);

} // namespace veltra::artgen
