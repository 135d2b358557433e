#pragma once

#include "core/model/types.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace veltra::core {

// The project data sheet file: one 243-byte TProjectData record, kept byte
// for byte. Bytes after it are ignored; a shorter image throws
// "Stream-Lesefehler".
TProjectData readVtp(std::span<const std::uint8_t> bytes, const std::string& fileName);

// Reads the ".vtp" file at `path`; throws Error when it cannot be read.
TProjectData loadProjectData(const std::filesystem::path& path);

} // namespace veltra::core
