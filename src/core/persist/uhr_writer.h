#pragma once

#include "core/model/project.h"

#include <string>

namespace veltra::core {

// The time switch file image: the 5120 bytes of the table, program 1 point 1
// first.
std::string writeUhr(const SwitchProgramTable& programs);

} // namespace veltra::core
