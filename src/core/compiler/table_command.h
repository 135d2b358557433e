#pragma once

#include "core/compiler/module_table.h"

#include <optional>
#include <string>
#include <vector>

namespace veltra::core {

// Outcome of "Tabelle erzeugen" up to the save dialog.
struct TableCommandResult {
  bool checkPassed = false;
  std::vector<std::string> faultLines;  // the result list when the check failed
  std::optional<CompileResult> compile; // the generation when it passed
};

// "Tabelle erzeugen": the duplicate-output check, then, only when it passes,
// the generation into `table`. Writing the files is left to the caller
// (writeModuleTableFiles), after it asked for the file name.
TableCommandResult runTableCommand(Project& project, ModuleTable& table, int dataMemorySize = kDefaultDataMemorySize);

} // namespace veltra::core
