#pragma once

#include "core/model/types.h"

#include <filesystem>
#include <string>

namespace veltra::core {

// The project data sheet file image: the 243 bytes of the record.
std::string writeVtp(const TProjectData& data);

// Writes the ".vtp" file at `path` (atomically: the previous file survives a
// failure). Throws Error(`Datei "<name>" kann nicht erstellt werden. <reason>`).
void saveProjectData(const TProjectData& data, const std::filesystem::path& path);

} // namespace veltra::core
