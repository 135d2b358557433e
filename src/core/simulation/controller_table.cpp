#include "core/simulation/controller_table.h"

#include "core/compiler/module_table_files.h"
#include "core/compiler/table_command.h"
#include "core/util/error.h"

#include <memory>

namespace veltra::core {

ControllerTable compileForController(Project& project, int dataMemorySize, const std::string& name) {
  auto table = std::make_unique<ModuleTable>();
  const TableCommandResult r = runTableCommand(project, *table, dataMemorySize);
  if (!r.checkPassed) {
    std::string message = "Das Projekt " + name + " besteht die Prüfung vor \"Tabelle erzeugen\" nicht:";
    for (const std::string& line : r.faultLines)
      message += "\n" + line;
    throw Error(message);
  }
  if (r.compile->tableTooLarge)
    throw Error(r.compile->messages.empty() ? "Die Modultabelle ist zu groß." : r.compile->messages.front());
  const std::span<const std::uint8_t> bytes = table->tableBytes();
  return ControllerTable{{bytes.begin(), bytes.end()}, r.compile->checksum};
}

ControllerTable controllerTableFromFile(const std::filesystem::path& mtb) {
  ModuleTableImage image = readModuleTableFile(mtb);
  return ControllerTable{std::move(image.bytes), image.checksum};
}

} // namespace veltra::core
