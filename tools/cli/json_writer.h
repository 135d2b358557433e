#pragma once

#include <string>
#include <string_view>

namespace veltra::cli {

// A JSON string literal of UTF-8 text.
std::string jsonString(std::string_view utf8);

} // namespace veltra::cli
