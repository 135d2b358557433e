#pragma once

#include "core/model/project.h"

#include <string>

namespace veltra::core {

inline constexpr std::int32_t kRklVersion = 1;

// The library file image of `loop`: version 1 and the loop record body; an
// empty string when the loop holds no module. Cells are written as they
// are; saving clears their error codes first.
std::string writeRkl(const Project& p, int loop);

} // namespace veltra::core
