#pragma once

#include "core/chart/chart_model.h"
#include "core/persist/project_file_set.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veltra::cli {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitBadInput = 2;
// diff: the two projects differ.
inline constexpr int kExitDifferent = 1;

struct Args {
  std::filesystem::path programDir; // --program-dir, default: the executable's folder
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> options; // "--loop" -> "3"; flags get ""

  bool has(const std::string& name) const;
  std::string value(const std::string& name, const std::string& fallback = {}) const;
};

// One function per command; each returns the process exit code and prints
// German error messages on stderr.
int cmdInfo(const Args& args);
// Loads a project as "Laden" does, with the program folder's lists. Throws
// core::Error (exit code kExitBadInput).
core::LoadedProject loadForCli(const Args& args, const std::filesystem::path& vtr);
// The same, for commands that go on after loading: prints the message and
// returns nothing when the project cannot be read.
std::optional<core::LoadedProject> loadOrReport(const Args& args, const std::filesystem::path& vtr);
int cmdSaveAs(const Args& args);
int cmdCompile(const Args& args);
int cmdCheck(const Args& args);
int cmdXref(const Args& args);
int cmdRoute(const Args& args);
// diff A.vtr B.vtr [--json]: exit 0 when the same, 1 when different.
int cmdDiff(const Args& args);
int cmdChart(const Args& args);
// chart DAYFILE.csv --curve E1 ... -o OUT.gra|.png|.pdf
int chartFromDay(const Args& args);
// The data memory size of the program folder's "VTR.INI".
int dataMemorySize(const Args& args);
// live, write and record: through the server block (exit 1 when the
// server does not run, its block is too small or the checksums differ).
int cmdLive(const Args& args);
int cmdWrite(const Args& args);
int cmdRecord(const Args& args);
// simulate: the project's table with a plant file on a virtual clock,
// recorded into day files.
int cmdSimulate(const Args& args);
// Only in builds with the Qt program (VELTRA_CLI_QT).
int cmdRender(const Args& args);
int cmdPrint(const Args& args);
// Draws a chart into a PNG or PDF file (a message and kExitUsage in a
// build without the Qt program).
int renderChartFile(const core::ChartModel& chart, const std::string& out, int width, int height);

} // namespace veltra::cli
