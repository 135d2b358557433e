#pragma once

#include "model/project.h"

#include <cstdint>
#include <span>
#include <string>

namespace veltra::core {

// Reads a control loop file image into `into`, whose loops are expected to
// be empty: the version is ignored; loop number 0 is skipped, a negative
// number ends the file (anything after it is ignored); each other number
// must be 1..200 and is followed by a loop record. Throws Error
// ("Stream-Lesefehler" when the image ends early, a message naming the
// fault and `fileName` otherwise); `into` is then partly filled and should
// be dropped.
void readVtr(std::span<const std::uint8_t> bytes, const std::string& fileName, Project& into);

} // namespace veltra::core
