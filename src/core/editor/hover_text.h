#pragma once

#include "core/model/project.h"

#include <string>

namespace veltra::core {

struct HoverFlags {
  bool description = false;
  bool parameters = false;
  bool crossRef = false;
};

// The tooltip of a grid cell (UTF-8, lines joined by "\n"): the module's
// description, its parameter lines and the places its signal is used, as the
// flags choose, then its error text. Empty: no tooltip.
std::string hoverText(const Project& p, int loop, int col, int row, const HoverFlags& flags);

// "fix": fixed point with two decimals and at most five integer digits, in
// exponent form beyond that (15.5 -> "15.50", 123456 -> "1.2346E+005").
std::string formatFix(double v);
// A limit value: "F3", "H1" for references (fraction cut off), else formatFix.
std::string formatLimit(double v);

} // namespace veltra::core
