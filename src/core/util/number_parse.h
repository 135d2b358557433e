#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltra::core {

// The strict conversions of the numeric edits of the parameter dialogs. They
// do not depend on the locale: '.' is the only decimal separator, so "1,5"
// is not a number. Blanks and tabs around the text are ignored.

// [sign] digits [. digits] [e|E [sign] digits], also ".5" and "5."; the value
// must be a finite double ("1e999" is not one). Nothing else: no "INF", "NAN",
// hexadecimal or thousands separators.
std::optional<double> parseReal(std::string_view text);

// [sign] decimal digits within the 32-bit range.
std::optional<std::int32_t> parseInt(std::string_view text);

// The messages of a text that does not convert, with the text as typed
// (UTF-8): "'abc' ist kein gültiger Gleitkommawert".
std::string realConversionMessage(std::string_view text);
std::string intConversionMessage(std::string_view text);

// parseReal / parseInt that throw Error with the message above.
double toReal(std::string_view text);
std::int32_t toInt(std::string_view text);

} // namespace veltra::core
