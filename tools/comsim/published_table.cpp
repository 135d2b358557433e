#include "published_table.h"

#include "core/app/settings.h"
#include "core/compiler/module_table_files.h"
#include "core/compiler/table_command.h"
#include "core/persist/project_file_set.h"
#include "core/util/error.h"

#include <algorithm>
#include <memory>

namespace veltra::comsim {

using core::Error;

PublishedTable tableFromFile(const std::filesystem::path& mtb) {
  const core::ModuleTableImage image = core::readModuleTableFile(mtb);
  PublishedTable t;
  t.checksum = image.checksum;
  std::copy_n(image.bytes.begin(), t.programs.size(), t.programs.begin());
  t.origin = "Tabelle " + mtb.string();
  return t;
}

PublishedTable tableFromProject(const std::filesystem::path& vtr, const std::filesystem::path& programDir) {
  auto empty = std::make_unique<core::Project>();
  core::LoadedProject loaded = core::loadProject(*empty, programDir, vtr);
  std::string dir = programDir.string();
  if (!dir.empty() && dir.back() != '/') dir += '/';
  const int memory = core::loadSettings(dir).DataMemorySize;
  auto table = std::make_unique<core::ModuleTable>();
  const core::TableCommandResult r = core::runTableCommand(*loaded.project, *table, memory);
  if (!r.checkPassed) {
    std::string message = "Das Projekt " + vtr.string() + " besteht die Prüfung vor \"Tabelle erzeugen\" nicht:";
    for (const std::string& line : r.faultLines)
      message += "\n" + line;
    throw Error(message);
  }
  if (r.compile->tableTooLarge)
    throw Error(r.compile->messages.empty() ? "Die Modultabelle ist zu groß." : r.compile->messages.front());
  PublishedTable t;
  t.checksum = r.compile->checksum;
  std::copy_n(table->buffer().begin(), t.programs.size(), t.programs.begin());
  t.origin = "Projekt " + vtr.string();
  return t;
}

PublishedTable emptyTable() {
  PublishedTable t;
  t.origin = "keine Tabelle (Prüfsumme eines leeren Projekts)";
  return t;
}

} // namespace veltra::comsim
