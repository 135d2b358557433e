#pragma once

#include "image.h"

namespace veltra::artgen {

inline constexpr int kIconSize = 64;

// The program icon: one big module symbol with the letter V in its header
// band, two analog inputs and a digital one on the left, an analog output
// on the right, and in its body the step response of a control loop
// settling on its setpoint.
Image paintAppIcon();

} // namespace veltra::artgen
