#include "icon_painter.h"

#include "design_style.h"
#include "mini_module.h"
#include "pixel_font.h"

#include <array>

namespace veltra::artgen {

namespace {

constexpr int kBoxLeft = 16, kBoxRight = 47, kBoxTop = 6, kBoxBottom = 57, kBandBottom = 29;

// The response curve, sampled once and kept as pixels so that the icon does
// not depend on the floating-point library.
struct Point {
  int x, y;
};
constexpr std::array<Point, 24> kResponse{{{21, 52}, {22, 49}, {23, 44}, {24, 40}, {25, 38}, {26, 36},
                                           {27, 35}, {28, 36}, {29, 37}, {30, 38}, {31, 39}, {32, 39},
                                           {33, 40}, {34, 40}, {35, 40}, {36, 40}, {37, 39}, {38, 39},
                                           {39, 39}, {40, 39}, {41, 39}, {42, 39}, {43, 39}, {44, 39}}};
constexpr int kSetpointY = 39;

void port(Image& img, int x0, int x1, int y, Rgb c) {
  thickHLine(img, x0, x1 - 3, y, 2, c);
  drawArrowRight(img, x1, y, 3, c);
  drawArrowRight(img, x1, y + 1, 3, c);
}

} // namespace

Image paintAppIcon() {
  const DesignStyle& style = standardDesign();
  Image img(kIconSize, kIconSize, kWhite);

  img.frameRect(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom, kToolFrame, 2);
  img.fillRect(kBoxLeft + 2, kBoxTop + 2, kBoxRight - 2, kBandBottom,
               style.bandColors[static_cast<std::size_t>(ModuleFamily::Signal)]);
  const PixelFont& font = boldFont();
  const TextStyle letter{.color = kWhite, .scale = 2, .bold = false};
  drawTextCentred(img, (kBoxLeft + kBoxRight + 1) / 2, kBoxTop + 3, "V", font, letter);

  port(img, 2, kBoxLeft - 1, 16, kAnalogRed);
  port(img, 2, kBoxLeft - 1, 34, kAnalogRed);
  port(img, 2, kBoxLeft - 1, 48, kBlack);
  port(img, kBoxRight + 1, 61, 16, kAnalogRed);

  for (int x = kBoxLeft + 4; x <= kBoxRight - 3; x += 3)
    img.hLine(x, x + 1, kSetpointY, Rgb{160, 160, 160});
  for (std::size_t k = 1; k < kResponse.size(); ++k) {
    img.line(kResponse[k - 1].x, kResponse[k - 1].y, kResponse[k].x, kResponse[k].y, kAnalogRed);
    img.line(kResponse[k - 1].x, kResponse[k - 1].y + 1, kResponse[k].x, kResponse[k].y + 1, kAnalogRed);
  }
  return img;
}

} // namespace veltra::artgen
