#include "design_style.h"

namespace veltra::artgen {

ModuleFamily moduleFamily(const core::ModuleType& type) {
  if (type.isSignalModule()) return ModuleFamily::Signal;
  bool analogIn = false, digitalIn = false, analogOut = false;
  for (const core::PortDef& p : type.ports) {
    if (p.kind == core::PortKind::XE) analogIn = true;
    if (p.kind == core::PortKind::YE) digitalIn = true;
    if (p.kind == core::PortKind::XA) analogOut = true;
  }
  if (analogIn && digitalIn) return ModuleFamily::Mixed;
  if (analogIn) return analogOut ? ModuleFamily::Analog : ModuleFamily::Threshold;
  return ModuleFamily::Logic;
}

// Function-local statics: the styles refer to the fonts, which must exist first.

const DesignStyle& standardDesign() {
  // Muted colours under a white letter; none of them is red, which marks
  // analog ports.
  static const DesignStyle style{
      .folder = "Standard",
      .borderWidth = 1,
      .borderColor = {48, 48, 48},
      .bandColors = {Rgb{40, 86, 150}, Rgb{0, 122, 122}, Rgb{120, 72, 156}, Rgb{56, 124, 56}, Rgb{184, 104, 16}},
      .bandBottom = 11,
      .letterFont = &smallFont(),
      .letterStyle = {.color = kWhite, .scale = 1, .bold = false},
      .letterTop = 4,
      .markShape = PortMarkShape::Wedge,
      .bubbleRadius = 2,
      .bubbleThickness = 1,
      .digitColor = {64, 64, 64},
  };
  return style;
}

const DesignStyle& kontrastDesign() {
  // Heavy lines, a big letter and deep, saturated band colours under it,
  // for projectors and poor eyesight.
  static const DesignStyle style{
      .folder = "Kontrast",
      .borderWidth = 2,
      .borderColor = kBlack,
      .bandColors = {Rgb{0, 0, 170}, Rgb{0, 100, 0}, Rgb{130, 0, 130}, kBlack, Rgb{150, 70, 0}},
      .bandBottom = 12,
      .letterFont = &boldFont(),
      .letterStyle = {.color = kWhite, .scale = 1, .bold = false},
      .letterTop = 2,
      .markShape = PortMarkShape::Bar,
      .bubbleRadius = 3,
      .bubbleThickness = 2,
      .digitColor = kBlack,
  };
  return style;
}

std::span<const DesignStyle* const> allDesigns() {
  static const DesignStyle* const designs[] = {&standardDesign(), &kontrastDesign()};
  return designs;
}

} // namespace veltra::artgen
