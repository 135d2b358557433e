#pragma once

#include <string>
#include <string_view>

namespace veltra::core {

// Model texts are the 8-bit code page 1252 bytes of the files; everything the
// core hands out for display is UTF-8. These two functions are the boundary.
std::string cp1252ToUtf8(std::string_view cp1252);

// Characters without a code page 1252 form become '?'.
std::string utf8ToCp1252(std::string_view utf8);

} // namespace veltra::core
