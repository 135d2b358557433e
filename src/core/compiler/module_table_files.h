#pragma once

#include "core/compiler/module_table.h"

#include <filesystem>

namespace veltra::core {

struct ModuleTableFiles {
  std::filesystem::path table;     // the ".mtb" file as chosen
  std::filesystem::path companion; // the ".des" file beside it
};

// Writes the first TableLength bytes of the last generated table to `file`
// and 262,144 zero bytes to the companion file (same name, extension
// ".des"). The companion is not written when the table file fails. Throws
// Error when the last run produced nothing to write (no loop block, or a
// refused table), when the chosen name would make both files one, or when a
// file cannot be created. Choosing the file and remembering its folder are
// the caller's business.
ModuleTableFiles writeModuleTableFiles(const ModuleTable& table, const std::filesystem::path& file);

} // namespace veltra::core
