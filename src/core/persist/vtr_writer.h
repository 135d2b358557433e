#pragma once

#include "core/model/project.h"

#include <cstdint>
#include <string>

namespace veltra::core {

inline constexpr std::int32_t kVtrVersion = 1;
inline constexpr std::int32_t kVtrEndMarker = -32767;

// The control loop file image of `p`: version 1, a loop record (number and
// body) for each loop that holds at least one non-empty cell, in ascending
// order, and the end marker. Cells are written as they are; saving clears
// their error codes first.
std::string writeVtr(const Project& p);

} // namespace veltra::core
