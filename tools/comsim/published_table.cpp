#include "published_table.h"

#include "core/app/settings.h"
#include "core/persist/project_file_set.h"
#include "core/simulation/controller_table.h"
#include "core/util/error.h"

#include <algorithm>
#include <memory>

namespace veltra::comsim {

namespace {

PublishedTable published(core::ControllerTable table, std::string origin) {
  PublishedTable t;
  t.checksum = table.checksum;
  std::copy_n(table.bytes.begin(), t.programs.size(), t.programs.begin());
  t.bytes = std::move(table.bytes);
  t.origin = std::move(origin);
  return t;
}

} // namespace

PublishedTable tableFromFile(const std::filesystem::path& mtb) {
  return published(core::controllerTableFromFile(mtb), "Tabelle " + mtb.string());
}

PublishedTable tableFromProject(const std::filesystem::path& vtr, const std::filesystem::path& programDir) {
  auto empty = std::make_unique<core::Project>();
  core::LoadedProject loaded = core::loadProject(*empty, programDir, vtr);
  std::string dir = programDir.string();
  if (!dir.empty() && dir.back() != '/') dir += '/';
  const int memory = core::loadSettings(dir).DataMemorySize;
  return published(core::compileForController(*loaded.project, memory, vtr.string()), "Projekt " + vtr.string());
}

PublishedTable emptyTable() {
  PublishedTable t;
  t.origin = "keine Tabelle (Prüfsumme eines leeren Projekts)";
  return t;
}

} // namespace veltra::comsim
