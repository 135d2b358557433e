#pragma once

#include <cstdint>
#include <string_view>

namespace veltra::core {

// Reads an integer the forgiving way the loop number field and the free text
// keys use: leading blanks, an optional sign, then the digits up to the first
// other character ("$" or "0x" introduces hexadecimal). No digits give 0;
// values beyond 32 bits saturate.
std::int64_t lenientInt(std::string_view text);

// The strict integer conversion of a sample time field: optional blanks and
// sign, then digits and nothing else. False for anything else (also empty).
bool strictInt(std::string_view text, std::int64_t& value);

} // namespace veltra::core
