#pragma once

#include "core/compiler/module_table.h"

#include <filesystem>
#include <span>
#include <vector>

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

// A ".mtb" file read back, as the controller (or its stand-in) receives it.
struct ModuleTableImage {
  std::vector<std::uint8_t> bytes; // the file: time switch block and loop blocks
  TableChecksum checksum;
  // The time switch block at the head of the table.
  std::span<const std::uint8_t, kTimeSwitchBlockSize> switchPrograms() const {
    return std::span<const std::uint8_t, kTimeSwitchBlockSize>(bytes.data(), kTimeSwitchBlockSize);
  }
};

// Throws Error when the file cannot be read, is shorter than the time switch
// block or longer than a controller can hold.
ModuleTableImage readModuleTableFile(const std::filesystem::path& file);

} // namespace veltra::core
