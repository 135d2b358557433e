#include "toolbar_painter.h"

#include "design_style.h"
#include "mini_module.h"
#include "pixel_font.h"

#include "core/util/error.h"

#include <array>
#include <cstdio>

namespace veltra::artgen {

namespace {

using P = ToolPicture;

// Index -> picture, as the tool buttons use the image list.
constexpr std::array<ToolbarSlot, kToolbarImageCount> kSlots{{
    {P::Module, 'U'},  {P::Module, 'O'}, {P::Module, 'X'},    {P::Module, 'M'}, {P::Module, 'E'}, {P::Module, 'H'},
    {P::Module, 'I'},  {P::Module, 'A'}, {P::Module, 'Q'},    {P::Module, 'B'}, {P::Module, 'T'}, {P::Module, 'K'},
    {P::Module, 'G'},  {P::Module, 'Y'}, {P::Module, 'N'},    {P::Module, 'R'}, {P::Module, 'C'}, {P::Module, 'P'},
    {P::Module, 'Z'},  {P::Module, 'S'}, {P::Module, 'D'},    {P::Module, 'W'}, {P::Module, 'V'}, {P::DeleteModule, 0},
    {P::DataEntry, 0}, {P::Module, 'J'}, {P::BlockDelete, 0}, {P::Unused, 0},   {P::Connect, 0},  {P::Disconnect, 0},
    {P::Move, 0},      {P::None, 0},     {P::Unused, 0},      {P::None, 0},     {P::FreeText, 0}, {P::Unused, 0},
    {P::Unused, 0},    {P::Module, 'F'}, {P::Module, 'L'},
}};

constexpr int S = kToolbarImageSize;
constexpr Rgb kToolBlue{40, 86, 150};
constexpr Rgb kDeleteRed{210, 20, 20};
constexpr Rgb kNeutralGrey{150, 150, 150};
constexpr Rgb kHatchBlue{0, 0, 255};

// A thick X from corner to corner of the square (x0, y0)-(x1, y1).
void drawCross(Image& img, int x0, int y0, int x1, int y1, Rgb c) {
  for (int t = 0; t < 2; ++t) {
    img.line(x0 + t, y0, x1, y1 - t, c);
    img.line(x0, y0 + t, x1 - t, y1, c);
    img.line(x0 + t, y1, x1, y0 + t, c);
    img.line(x0, y1 - t, x1 - t, y0, c);
  }
}

// Two small modules joined (or not) by a routed line from the output of the
// upper left one to the input of the lower right one.
void drawTwoModules(Image& img) {
  drawMiniBox(img, 1, 3, 10, 14, kToolBlue, 3, {});
  drawMiniBox(img, 21, 17, 30, 28, kToolBlue, 3, {});
}

void paintConnect(Image& img) {
  drawTwoModules(img);
  thickHLine(img, 11, 16, 9, 2, kBlack);
  thickVLine(img, 15, 9, 23, 2, kBlack);
  thickHLine(img, 15, 18, 22, 2, kBlack);
  drawArrowRight(img, 20, 22, 3, kBlack);
  drawArrowRight(img, 20, 23, 3, kBlack);
}

void paintDisconnect(Image& img) {
  drawTwoModules(img);
  thickHLine(img, 11, 16, 9, 2, kBlack);
  thickVLine(img, 15, 9, 12, 2, kBlack);
  thickVLine(img, 15, 19, 23, 2, kBlack);
  thickHLine(img, 15, 20, 22, 2, kBlack);
  // The cut: two red strokes across the gap.
  for (int t = 0; t < 2; ++t) {
    img.line(11 + t, 17, 19 + t, 13, kDeleteRed);
    img.line(11 + t, 19, 19 + t, 15, kDeleteRed);
  }
}

void paintMove(Image& img) {
  const int c = S / 2 - 1; // the two middle columns c, c + 1
  thickHLine(img, 4, S - 5, c, 2, kToolBlue);
  thickVLine(img, c, 4, S - 5, 2, kToolBlue);
  for (int d = 0; d <= 4; ++d) {
    img.vLine(1 + d, c - d, c + 1 + d, kToolBlue);     // left head
    img.vLine(S - 2 - d, c - d, c + 1 + d, kToolBlue); // right head
    img.hLine(c - d, c + 1 + d, 1 + d, kToolBlue);     // top head
    img.hLine(c - d, c + 1 + d, S - 2 - d, kToolBlue); // bottom head
  }
  img.fillRect(c - 3, c - 3, c + 4, c + 4, kWhite);
  img.frameRect(c - 3, c - 3, c + 4, c + 4, kToolFrame);
}

void paintFreeText(Image& img) {
  img.fillRect(3, 6, 28, 25, kWhite);
  img.frameRect(3, 6, 28, 25, kToolFrame);
  const TextStyle style{.color = kBlack, .scale = 1, .bold = true};
  const int width = textWidth("Abc", smallFont(), style);
  const int x = (S - width) / 2 - 1;
  drawText(img, x, 11, "Abc", smallFont(), style);
  // A text cursor after the word.
  img.vLine(x + width + 2, 9, 19, kToolBlue);
}

void paintBlockDelete(Image& img) {
  const int x0 = 3, y0 = 5, x1 = 28, y1 = 26;
  img.fillRect(x0, y0, x1, y1, kWhite);
  // Backward diagonal hatching, as the grid shows a chosen block.
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if ((x - y + 64) % 4 == 0) img.setPixel(x, y, kHatchBlue);
  img.frameRect(x0, y0, x1, y1, kBlack);
  drawCross(img, 8, 8, 23, 23, kDeleteRed);
}

void paintDataEntry(Image& img) {
  // A form with three fields ...
  img.fillRect(3, 2, 22, 29, kWhite);
  img.frameRect(3, 2, 22, 29, kToolFrame);
  img.fillRect(4, 3, 21, 6, kToolBlue);
  for (int k = 0; k < 3; ++k) {
    const int y = 10 + 6 * k;
    img.hLine(6, 9, y + 1, kToolFrame);
    img.frameRect(11, y - 1, 19, y + 3, Rgb{120, 120, 120});
  }
  // ... and a pencil writing into it.
  const Rgb wood{236, 180, 40}, dark{150, 100, 10};
  for (int d = 0; d < 12; ++d) {
    const int x = 18 + d / 1, y = 27 - d;
    img.setPixel(x, y, dark);
    img.setPixel(x + 1, y, wood);
    img.setPixel(x + 1, y + 1, wood);
    img.setPixel(x + 2, y + 1, dark);
  }
  img.setPixel(17, 28, kBlack);
  img.setPixel(18, 28, kBlack);
  img.setPixel(17, 27, kBlack);
  img.fillRect(28, 16, 29, 17, Rgb{230, 120, 140}); // the eraser end
}

void paintDeleteModule(Image& img) {
  drawMiniModule(img, *core::moduleType('R'), 2, 2, 29, 29);
  drawCross(img, 6, 6, 25, 25, kDeleteRed);
}

void paintNone(Image& img) { img.disc(S / 2 - 1, S / 2 - 1, 3, kNeutralGrey); }

void paintUnused(Image& img) { img.frameRect(5, 5, S - 6, S - 6, kNeutralGrey); }

} // namespace

ToolbarSlot toolbarSlot(int index) {
  if (index < 0 || index >= kToolbarImageCount)
    throw core::Error("Symbolleistenbild " + std::to_string(index) + " gibt es nicht.");
  return kSlots[static_cast<std::size_t>(index)];
}

std::string toolbarFileName(int index) {
  toolbarSlot(index);
  char name[16];
  std::snprintf(name, sizeof name, "%02d.bmp", index);
  return name;
}

Image paintToolbarImage(int index) {
  const ToolbarSlot slot = toolbarSlot(index);
  Image img(S, S, kToolbarBackground);
  switch (slot.picture) {
  case P::Module:
    drawMiniModule(img, *core::moduleType(slot.letter), 1, 1, S - 2, S - 2);
    break;
  case P::Connect:
    paintConnect(img);
    break;
  case P::Disconnect:
    paintDisconnect(img);
    break;
  case P::Move:
    paintMove(img);
    break;
  case P::FreeText:
    paintFreeText(img);
    break;
  case P::BlockDelete:
    paintBlockDelete(img);
    break;
  case P::DataEntry:
    paintDataEntry(img);
    break;
  case P::DeleteModule:
    paintDeleteModule(img);
    break;
  case P::None:
    paintNone(img);
    break;
  case P::Unused:
    paintUnused(img);
    break;
  }
  return img;
}

} // namespace veltra::artgen
