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

// The general form with at most `precision` significant digits (the value
// rounded to them), without trailing zeros, '.' as separator; exponent form
// when the magnitude is below 0.00001 or the integer part needs more than
// `precision` digits: with 15, 21.5 -> "21.5", 20 -> "20", 0.1 + 0.2 ->
// "0.3", 0.00001 -> "0.00001", 1e-6 -> "1E-6", 1e15 -> "1E15". Zero is "0"
// whatever its sign; NaN and infinities as formatFixed writes them.
std::string formatGeneralDigits(double v, int precision);
// The same, appended to `out` (no allocation for a buffer with room).
void appendGeneralDigits(std::string& out, double v, int precision);

// formatFixed after rounding to `precision` significant digits first, as
// the live values show them: (12345.678, 6, 2) -> "12345.70", (21.456, 6, 2)
// -> "21.46", (999999.7, 6, 2) -> "1.00000E+006".
std::string formatFixedSignificant(double v, int precision, int digits);

} // namespace veltra::core
