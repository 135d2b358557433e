#include "mini_module.h"

#include "design_style.h"
#include "pixel_font.h"

#include <algorithm>

namespace veltra::artgen {

void drawMiniBox(Image& img, int x0, int y0, int x1, int y1, Rgb band, int bandRows, std::string_view letter) {
  img.fillRect(x0, y0, x1, y1, kWhite);
  img.frameRect(x0, y0, x1, y1, kToolFrame);
  if (bandRows > 0) img.fillRect(x0 + 1, y0 + 1, x1 - 1, y0 + bandRows, band);
  if (!letter.empty()) {
    const PixelFont& font = boldFont();
    const int top = y0 + 1 + (bandRows - font.capHeight() + 1) / 2;
    drawTextCentred(img, (x0 + x1 + 1) / 2, top, letter, font, {.color = kWhite});
  }
}

void drawArrowRight(Image& img, int tipX, int y, int half, Rgb c) {
  for (int d = 0; d <= half; ++d)
    img.vLine(tipX - half + d, y - (half - d), y + (half - d), c);
}

void drawMiniModule(Image& img, const core::ModuleType& type, int x0, int y0, int x1, int y1) {
  const DesignStyle& style = standardDesign();
  const int boxLeft = x0 + 5, boxRight = x1 - 5;
  const int bandRows = boldFont().capHeight() + 2;
  drawMiniBox(img, boxLeft, y0, boxRight, y1, style.bandColors[static_cast<std::size_t>(moduleFamily(type))], bandRows,
              std::string_view(&type.letter, 1));

  // Rows are squeezed into the box's height; the arrowheads shrink when
  // the rows come close.
  const int h = type.height;
  const int span = y1 - y0 + 1;
  const int half = span / h >= 8 ? 2 : 1;
  for (const core::PortDef& p : type.ports) {
    const int y = y0 + (span * (2 * p.row - 1)) / (2 * h);
    const Rgb c = core::isAnalog(p.kind) ? kAnalogRed : kBlack;
    if (core::isInput(p.kind)) {
      img.hLine(x0, boxLeft - 1, y, c);
      drawArrowRight(img, boxLeft - 1, y, half, c);
    } else {
      img.hLine(boxRight + 1, x1, y, c);
      drawArrowRight(img, x1, y, half, c);
    }
  }
}

void thickHLine(Image& img, int x0, int x1, int y, int thickness, Rgb c) {
  img.fillRect(std::min(x0, x1), y, std::max(x0, x1), y + thickness - 1, c);
}

void thickVLine(Image& img, int x, int y0, int y1, int thickness, Rgb c) {
  img.fillRect(x, std::min(y0, y1), x + thickness - 1, std::max(y0, y1), c);
}

} // namespace veltra::artgen
