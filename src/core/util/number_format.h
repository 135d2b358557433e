#pragma once

#include <string>

namespace veltra::core {

// Fixed-point text with `digits` decimals and '.' as separator. When the
// integer part needs more than `precision` digits the value is written in
// exponent form with `precision` significant digits and a three-digit
// exponent ("1.2346E+005"), as the program's labels always did.
std::string formatFixed(double v, int precision, int digits);

// Shortest general form, '.' as separator: 1 -> "1", 0.5 -> "0.5",
// 100000 -> "100000", 0.0001 -> "0.0001"; exponent form from 15 integer
// digits and below 0.0001: 1e20 -> "1E20", 2.5e-7 -> "2.5E-7". Reading it
// back gives the same double.
std::string formatGeneral(double v);

} // namespace veltra::core
