#pragma once

#include "image.h"

#include "core/modules/catalogue.h"

#include <string_view>

namespace veltra::artgen {

// Small module boxes for the toolbar and the program icon, in the colours
// of the standard design.
inline constexpr Rgb kToolFrame{48, 48, 48};

// A white box with a dark frame and a coloured header band of `bandRows`
// rows. `letter` (empty for none) is drawn in white bold capitals, centred
// in the band.
void drawMiniBox(Image& img, int x0, int y0, int x1, int y1, Rgb band, int bandRows, std::string_view letter);

// A small arrowhead pointing right whose tip is at (tipX, y).
void drawArrowRight(Image& img, int tipX, int y, int half, Rgb c);

// The miniature symbol of a module type: the box with its letter and one
// port stub for every row with an input (left) or output (right), in the
// port colours.
void drawMiniModule(Image& img, const core::ModuleType& type, int x0, int y0, int x1, int y1);

// A line `thickness` pixels wide from (x0, y) to (x1, y), growing downwards.
void thickHLine(Image& img, int x0, int x1, int y, int thickness, Rgb c);
void thickVLine(Image& img, int x, int y0, int y1, int thickness, Rgb c);

} // namespace veltra::artgen
