// info and save-as: a project as "Laden" reads it and "Speichern" writes it.
#include "cli.h"
#include "json_writer.h"

#include "core/persist/project_file_set.h"
#include "core/persist/signal_lists.h"
#include "core/persist/vtp_writer.h"
#include "core/util/cp1252.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <iostream>
#include <map>
#include <sstream>

namespace veltra::cli {

using namespace veltra::core;

LoadedProject loadForCli(const Args& args, const std::filesystem::path& vtr) {
  auto empty = std::make_unique<Project>();
  // The error texts belong to the program, not to the project; a missing
  // list only matters to commands that show error texts.
  try {
    empty->ErrorTexts = readErrorTexts(findCaseInsensitive(args.programDir, "Fehlertexte.txt"));
  } catch (const Error&) {
  }
  return loadProject(*empty, args.programDir, vtr);
}

std::optional<LoadedProject> loadOrReport(const Args& args, const std::filesystem::path& vtr) {
  try {
    return loadForCli(args, vtr);
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return std::nullopt;
  }
}

namespace {

std::string infoJson(const Project& p) {
  std::ostringstream loops;
  std::map<char, int> byLetter;
  int modules = 0, analog = 0, digital = 0, destinations = 0, points = 0;
  bool firstLoop = true;
  for (int loop = 1; loop <= kLoops; ++loop) {
    bool any = false;
    for (int c = 0; c < kCols; ++c)
      for (int r = 0; r < kRows; ++r) {
        const TCell& cell = p.cell(loop, c, r);
        if (cell.isEmpty()) continue;
        any = true;
        if (cell.part == 1) {
          ++modules;
          ++byLetter[static_cast<char>(cell.letter)];
        }
      }
    if (any) {
      loops << (firstLoop ? "" : ", ") << loop;
      firstLoop = false;
    }
    for (int n = 1; n <= kWires; ++n) {
      for (const TWire* w : {&p.XWires[loop][n], &p.YWires[loop][n]}) {
        if (w->isFree()) continue;
        ++(w == &p.XWires[loop][n] ? analog : digital);
        for (const TWireEnd& d : w->dest)
          if (d.col >= 0) ++destinations;
      }
    }
  }
  for (const auto& program : p.SwitchPrograms)
    for (const TSwitchPoint& pt : program)
      if (pt.used()) ++points;
  std::ostringstream letters;
  bool first = true;
  for (const auto& [letter, count] : byLetter) {
    letters << (first ? "" : ", ") << jsonString(cp1252ToUtf8(std::string(1, letter))) << ": " << count;
    first = false;
  }
  std::ostringstream out;
  out << "{\n"
      << "  \"loops\": [" << loops.str() << "],\n"
      << "  \"modules\": " << modules << ",\n"
      << "  \"modules_by_letter\": {" << letters.str() << "},\n"
      << "  \"analog_connections\": " << analog << ",\n"
      << "  \"digital_connections\": " << digital << ",\n"
      << "  \"destinations\": " << destinations << ",\n"
      << "  \"switch_points\": " << points << ",\n"
      << "  \"texts\": " << p.TextList.size() << ",\n"
      << "  \"project_name\": " << jsonString(cp1252ToUtf8(p.ProjectData.projectName.view())) << "\n"
      << "}\n";
  return out.str();
}

} // namespace

int cmdInfo(const Args& args) {
  if (args.positional.size() != 1) return kExitUsage;
  try {
    LoadedProject loaded = loadForCli(args, args.positional[0]);
    std::cout << infoJson(*loaded.project);
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

int cmdSaveAs(const Args& args) {
  if (args.positional.size() != 2) return kExitUsage;
  std::optional<LoadedProject> loaded = loadOrReport(args, args.positional[0]);
  if (!loaded) return kExitBadInput;
  try {
    const std::filesystem::path target = args.positional[1];
    saveProject(*loaded->project, target);
    if (loaded->hasProjectData) saveProjectData(loaded->project->ProjectData, withExtension(target, ".vtp"));
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return kExitOk;
}

} // namespace veltra::cli
