#include "core/persist/project_loader.h"

#include "core/persist/byte_reader.h"
#include "core/persist/desc_reader.h"
#include "core/persist/signal_lists.h"
#include "core/persist/txl_reader.h"
#include "core/persist/uhr_reader.h"
#include "core/persist/vtp_reader.h"
#include "core/persist/vtr_reader.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

namespace veltra::core {

namespace fs = std::filesystem;

namespace {

// InitRKreise, except for the loop tables, which reading the control loop
// file replaces whole; the tables loading does not reset are taken over
// from `previous`. `p` may hold anything before: every table is set here or
// by the reader.
void startLoad(Project& p, const Project& previous, const SignalDefaults& defaults) {
  p.SwitchPrograms = previous.SwitchPrograms;
  p.ProjectData = previous.ProjectData;
  p.FWert = previous.FWert;
  p.ErrorTexts = previous.ErrorTexts;
  p.Modified = true;
  p.CurrentLoop = 1;
  p.setSignalDefaults(defaults);
}

// Optional files are skipped, without a message, when they are missing or
// cannot be read; `apply` runs only on a complete read.
template <typename Apply> bool readOptional(const fs::path& path, Apply apply) {
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

LoadedProject ProjectLoader::load(const Project& previous, const fs::path& programDir, const fs::path& vtrPath) {
  LoadedProject result;
  result.project = m_spare ? std::move(m_spare) : std::make_unique<Project>();
  try {
    loadInto(*result.project, previous, programDir, vtrPath, result.hasProjectData);
  } catch (...) {
    m_spare = std::move(result.project);
    throw;
  }
  return result;
}

void ProjectLoader::loadInto(Project& p, const Project& previous, const fs::path& programDir, const fs::path& vtrPath,
                             bool& hasProjectData) {
  readSignalDefaults(programDir, m_signalDefaults);
  startLoad(p, previous, m_signalDefaults);
  // Large enough for few system calls, small enough to stay in cache between
  // the file and the tables.
  constexpr std::size_t kPiece = 256 * 1024;
  m_buffer.resize(kPiece);
  m_cells.start(p);
  {
    FileReader file(vtrPath);
    ByteReader in([&](std::uint8_t* dst, std::size_t n) { return file.read(dst, n); }, m_buffer,
                  vtrPath.filename().string());
    readVtr(in, p, [&](int loop) { m_cells.take(loop); });
  }
  m_cells.adoptModuleTexts();
  readOptional(withExtension(vtrPath, ".uhr"),
               [&](const auto& bytes, const std::string& name) { p.SwitchPrograms = readUhr(bytes, name); });
  readOptional(withExtension(vtrPath, ".desc"),
               [&](const auto& bytes, const std::string&) { readDesc(asText(bytes), p.SignalDesc); });
  hasProjectData = readOptional(withExtension(vtrPath, ".vtp"), [&](const auto& bytes, const std::string& name) {
    p.ProjectData = readVtp(bytes, name);
  });
  // TextList is emptied, then read; reading over it keeps its strings' storage.
  if (!readOptional(withExtension(vtrPath, ".txl"),
                    [&](const auto& bytes, const std::string&) { readTxl(asText(bytes), p.TextList); }))
    p.TextList.clear();
  m_cells.rebuildConstants();
  p.Modified = false;
  p.CurrentLoop = 1;
}

LoadedProject loadProject(const Project& previous, const fs::path& programDir, const fs::path& vtrPath) {
  return ProjectLoader().load(previous, programDir, vtrPath);
}

} // namespace veltra::core
