#pragma once

#include <optional>

namespace veltra::core {

// Module W keeps its two design temperatures (params 64, 72) and its comfort
// range (params 80) as hundredths of a degree, the controller's scale, in
// f64 fields. The engineer sees and types degrees. Every place that shows or
// takes these values (dialog, printed listing) converts here.

inline constexpr int kWTemperatureOffsets[] = {64, 72, 80};

// Stored value -> degrees for display.
double wTemperatureDegrees(double stored);

// Degrees as typed -> stored value: × 100, cut toward zero to a whole number.
// A product that misses a whole number only by the rounding of binary
// fractions (0.29 × 100 = 28.999999999999996) counts as that whole number, so
// that what is shown (stored ÷ 100 in shortest form) reads back unchanged.
// Empty when the result is not a finite number.
std::optional<double> wTemperatureStored(double degrees);

} // namespace veltra::core
