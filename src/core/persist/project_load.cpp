#include "persist/desc_reader.h"
#include "persist/project_file_set.h"
#include "persist/txl_reader.h"
#include "persist/uhr_reader.h"
#include "persist/vtp_reader.h"
#include "persist/vtr_reader.h"
#include "util/error.h"
#include "util/file_io.h"

namespace veltra::core {

namespace fs = std::filesystem;

namespace {

std::unique_ptr<Project> freshProject(const Project& previous, const fs::path& programDir) {
  auto p = std::make_unique<Project>();
  p->SwitchPrograms = previous.SwitchPrograms;
  p->ProjectData = previous.ProjectData;
  p->FWert = previous.FWert;
  p->ErrorTexts = previous.ErrorTexts;
  // InitRKreise on a project whose loops the constructor has just emptied.
  p->Modified = true;
  p->readSignalDefaults(programDir);
  return p;
}

// Optional files are skipped, without a message, when they are missing or
// cannot be read; `apply` runs only on a complete read.
template <typename Apply> bool readOptional(const fs::path& path, Apply apply) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return false;
  try {
    apply(readFileBytes(path), path.filename().string());
    return true;
  } catch (const Error&) {
    return false;
  }
}

std::string_view asText(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

// Error codes are transient; the tables take the texts the modules were
// saved with (the description file may override them afterwards).
void adoptModuleTexts(Project& p) {
  for (int loop = 1; loop <= kLoops; ++loop)
    for (auto& column : p.Cells[loop])
      for (TCell& c : column) {
        c.error = 0;
        auto g = groupOfLetter(static_cast<char>(c.letter));
        if (!g) continue;
        if (TSignalText* entry = p.SignalDesc.at(*g, Project::signalNumber(c))) *entry = c.text;
      }
}

LoadedProject loadProject(const Project& previous, const fs::path& programDir, const fs::path& vtrPath) {
  LoadedProject result;
  result.project = freshProject(previous, programDir);
  Project& p = *result.project;
  readVtr(readFileBytes(vtrPath), vtrPath.filename().string(), p);
  adoptModuleTexts(p);
  readOptional(withExtension(vtrPath, ".uhr"),
               [&](const auto& bytes, const std::string& name) { p.SwitchPrograms = readUhr(bytes, name); });
  readOptional(withExtension(vtrPath, ".desc"),
               [&](const auto& bytes, const std::string&) { readDesc(asText(bytes), p.SignalDesc); });
  result.hasProjectData = readOptional(withExtension(vtrPath, ".vtp"), [&](const auto& bytes, const std::string& name) {
    p.ProjectData = readVtp(bytes, name);
  });
  p.TextList.clear();
  readOptional(withExtension(vtrPath, ".txl"),
               [&](const auto& bytes, const std::string&) { p.TextList = readTxl(asText(bytes)); });
  p.BildeFRArray();
  p.setzeAlleFWerte();
  p.Modified = false;
  p.CurrentLoop = 1;
  return result;
}

} // namespace veltra::core
