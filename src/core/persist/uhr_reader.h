#pragma once

#include "core/model/project.h"

#include <cstdint>
#include <span>
#include <string>

namespace veltra::core {

// The time switch file: one 5120-byte SwitchPrograms block. Bytes after it
// are ignored; a shorter image throws "Stream-Lesefehler".
SwitchProgramTable readUhr(std::span<const std::uint8_t> bytes, const std::string& fileName);

} // namespace veltra::core
