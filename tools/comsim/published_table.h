#pragma once

#include "core/compiler/module_table.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace veltra::comsim {

// The module table the simulated controller runs, as far as the tool sees
// it: the checksum words and the time switch block.
struct PublishedTable {
  core::TableChecksum checksum{};
  std::array<std::uint8_t, core::kTimeSwitchBlockSize> programs{};
  std::vector<std::uint8_t> bytes; // the whole table, empty for no table
  std::string origin;              // for the start line
};

// A ".mtb" file as "Tabelle erzeugen" wrote it. Throws core::Error.
PublishedTable tableFromFile(const std::filesystem::path& mtb);
// A project compiled as "Tabelle erzeugen" does: the duplicate-output check
// first, then the generation with the data memory size of the program
// folder's "VTR.INI". Throws core::Error when the project cannot be read, the
// check fails (its lines in the message) or the table is too large.
PublishedTable tableFromProject(const std::filesystem::path& vtr, const std::filesystem::path& programDir);
// No table: the words of a project without modules (all 0) and no programs.
PublishedTable emptyTable();

} // namespace veltra::comsim
