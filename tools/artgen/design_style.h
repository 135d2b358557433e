#pragma once

#include "image.h"
#include "pixel_font.h"

#include "core/modules/catalogue.h"

#include <array>
#include <span>
#include <string_view>

namespace veltra::artgen {

// Families of module types, told apart by colour in the symbols: what a
// type does follows from whether it stands for a signal and which kinds of
// signal it takes and gives.
enum class ModuleFamily : std::uint8_t {
  Signal,    // inputs, outputs, constants, markers, variables, time switch
  Analog,    // analog in, analog out: calculation, limits, curves
  Threshold, // analog in, digital out: comparison, cam switch, two-position
  Logic,     // digital in, digital out: gates, pulse, timer
  Mixed,     // analog and digital inputs: controller, damper drive, optimiser, switch
};
inline constexpr int kModuleFamilyCount = 5;

ModuleFamily moduleFamily(const core::ModuleType& type);

enum class PortMarkShape : std::uint8_t {
  Wedge, // a small arrowhead pointing along the signal flow
  Bar,   // a thick stub
};

// Everything that makes one design look the way it does. The geometry that
// the program relies on (cell size, port rows, label area) is shared by all
// designs and lives in the symbol painter.
struct DesignStyle {
  std::string_view folder; // design folder name under "designs"
  int borderWidth;
  Rgb borderColor;
  std::array<Rgb, kModuleFamilyCount> bandColors; // header band per family
  int bandBottom;                                 // last row of the header band
  const PixelFont* letterFont;
  TextStyle letterStyle;
  int letterTop;
  PortMarkShape markShape;
  int bubbleRadius;
  int bubbleThickness;
  Rgb digitColor;
};

const DesignStyle& standardDesign();
const DesignStyle& kontrastDesign();
std::span<const DesignStyle* const> allDesigns();

} // namespace veltra::artgen
