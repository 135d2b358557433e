#pragma once

#include "core/compiler/module_table.h"
#include "core/model/project.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace veltra::core {

// The module table a controller receives: the bytes of the ".mtb" file and
// their checksum words.
struct ControllerTable {
  std::vector<std::uint8_t> bytes;
  TableChecksum checksum{};
};

// The project compiled as "Tabelle erzeugen" does: the duplicate-output
// check first, then the generation. Throws Error when the check fails (its
// lines in the message, `name` naming the project) or the table is too
// large.
ControllerTable compileForController(Project& project, int dataMemorySize, const std::string& name);

// A ".mtb" file as "Tabelle erzeugen" wrote it. Throws Error.
ControllerTable controllerTableFromFile(const std::filesystem::path& mtb);

} // namespace veltra::core
