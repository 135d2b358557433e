#include "core/compiler/table_command.h"

#include "core/compiler/duplicate_outputs.h"

namespace veltra::core {

TableCommandResult runTableCommand(Project& project, ModuleTable& table, int dataMemorySize) {
  TableCommandResult r;
  r.checkPassed = DoppelAusgaengePruefen(project);
  if (r.checkPassed)
    r.compile = table.ErzeugeModulTabelle(project, dataMemorySize);
  else
    r.faultLines = faultyCellLines(project);
  return r;
}

} // namespace veltra::core
