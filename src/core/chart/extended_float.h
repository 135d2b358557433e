#pragma once

#include <array>
#include <cstdint>

namespace veltra::core {

// The 80-bit extended precision float of the chart file: 64-bit significand
// with an explicit integer bit, 15-bit exponent (bias 16383), sign; ten
// bytes little-endian.
using Extended80 = std::array<std::uint8_t, 10>;

// Exact: every double, subnormals and infinities included, has an extended
// form. A NaN keeps its sign and payload (shifted into the wider
// significand), so it reads back with the same bits.
Extended80 toExtended(double v);

// Rounded to nearest, ties to even, as the hardware converts: a value beyond
// the double range becomes an infinity, one below it a subnormal or zero.
// Every extended NaN, and the encodings the hardware calls invalid
// (unnormals, pseudo-NaNs, pseudo-infinities), become a NaN.
double fromExtended(const Extended80& e);

} // namespace veltra::core
