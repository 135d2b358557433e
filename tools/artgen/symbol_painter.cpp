#include "symbol_painter.h"

#include "core/util/error.h"

namespace veltra::artgen {

namespace {

constexpr int kBoxCentre = (kBoxLeft + kBoxRight + 1) / 2;
constexpr int kPinLength = 3;

Rgb portColor(core::PortKind kind) { return core::isAnalog(kind) ? kAnalogRed : kBlack; }

void drawBox(Image& img, int bottom, Rgb border, int borderWidth) {
  img.fillRect(kBoxLeft, kBoxTop, kBoxRight, bottom, kWhite);
  img.frameRect(kBoxLeft, kBoxTop, kBoxRight, bottom, border, borderWidth);
}

// The mark spans the margin between the picture's edge and the box, so the
// line drawn by the grid meets it without a gap.
void drawPortMark(Image& img, int y, bool input, Rgb c, PortMarkShape shape) {
  if (shape == PortMarkShape::Bar) {
    // A heavy stub from the picture's edge through the frame into the box.
    if (input)
      img.fillRect(0, y - 1, kBoxLeft + kPinLength, y + 1, c);
    else
      img.fillRect(kBoxRight - kPinLength + 1, y - 1, kLastColumn, y + 1, c);
    return;
  }
  // A line from the picture's edge across the frame with an arrowhead in the
  // direction of the signal: inside the box for an input, in the margin
  // outside for an output. Both stay clear of the label, which starts at x = 10.
  const int tip = input ? kBoxLeft + kPinLength : kLastColumn;
  if (input)
    img.hLine(0, tip, y, c);
  else
    img.hLine(kBoxRight - kPinLength + 1, tip, y, c);
  for (int half = 0; half <= 2; ++half)
    img.vLine(tip - half, y - half, y + half, c);
}

void drawBubble(Image& img, int y, Rgb c, const DesignStyle& style) {
  const int cx = kLastColumn - style.bubbleRadius;
  img.disc(cx, y, style.bubbleRadius, kWhite);
  img.ring(cx, y, style.bubbleRadius, c, style.bubbleThickness);
}

} // namespace

std::string symbolFileName(char letterOrDigit, bool inverted) {
  return std::string(inverted ? "IMod" : "Mod") + letterOrDigit + ".bmp";
}

Image paintModuleSymbol(const core::ModuleType& type, bool inverted, const DesignStyle& style) {
  if (type.height < 1 || type.height > 5)
    throw core::Error(std::string("Modul ") + type.letter + " hat eine unzulässige Höhe.");
  Image img(kCellSize, kCellSize * type.height);
  // The two-line label of a constant reaches down to the cell's last row;
  // its box does too, so the value stands inside it.
  const int bottom = type.label == core::SymbolLabel::Constant ? kCellSize * type.height - 1 : boxBottom(type.height);
  drawBox(img, bottom, style.borderColor, style.borderWidth);

  const int inner = style.borderWidth;
  img.fillRect(kBoxLeft + inner, kBoxTop + inner, kBoxRight - inner, style.bandBottom,
               style.bandColors[static_cast<std::size_t>(moduleFamily(type))]);
  drawTextCentred(img, kBoxCentre, style.letterTop, std::string_view(&type.letter, 1), *style.letterFont,
                  style.letterStyle);

  const bool bubble = inverted && type.flagOffset >= 0;
  for (const core::PortDef& p : type.ports) {
    if (p.row < 1 || p.row > type.height)
      throw core::Error(std::string("Modul ") + type.letter + " hat einen Anschluss außerhalb seiner Zeilen.");
    const bool input = core::isInput(p.kind);
    if (bubble && !input)
      drawBubble(img, portY(p.row), portColor(p.kind), style);
    else
      drawPortMark(img, portY(p.row), input, portColor(p.kind), style.markShape);
  }
  return img;
}

Image paintDigitSymbol(char digit, const DesignStyle& style) {
  if (digit < '0' || digit > '9') throw core::Error(std::string("'") + digit + "' ist keine Ziffer.");
  Image img(kCellSize, kCellSize);
  drawBox(img, boxBottom(1), style.digitColor, style.borderWidth);
  const PixelFont& font = boldFont();
  drawTextCentred(img, kBoxCentre, (kCellSize - font.capHeight()) / 2, std::string_view(&digit, 1), font,
                  {.color = style.digitColor});
  return img;
}

} // namespace veltra::artgen
