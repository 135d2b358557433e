// veltra-cli: the headless companion of the program. Every command takes
// --program-dir DIR (default: the folder of this executable), exits 0 on
// success and 2 on an unreadable or invalid input file.
#include "cli.h"

#include <cstring>
#include <iostream>
#include <map>
#include <unistd.h>

namespace veltra::cli {

bool Args::has(const std::string& name) const {
  for (const auto& [k, v] : options)
    if (k == name) return true;
  return false;
}

std::string Args::value(const std::string& name, const std::string& fallback) const {
  for (const auto& [k, v] : options)
    if (k == name) return v;
  return fallback;
}

namespace {

using Command = int (*)(const Args&);

struct CommandInfo {
  Command run;
  const char* usage;
};

const std::map<std::string, CommandInfo>& commands() {
  static const std::map<std::string, CommandInfo> table = {
      {"info", {cmdInfo, "info PROJECT.vtr"}},
      {"save-as", {cmdSaveAs, "save-as PROJECT.vtr NEW.vtr"}},
      {"compile", {cmdCompile, "compile PROJECT.vtr -o TABLE.mtb"}},
      {"check", {cmdCheck, "check PROJECT.vtr"}},
      {"diff", {cmdDiff, "diff A.vtr B.vtr [--json]"}},
      {"xref", {cmdXref, "xref PROJECT.vtr"}},
      {"route", {cmdRoute, "route PROJECT.vtr --loop N [--literal]"}},
      {"chart",
       {cmdChart, "chart FILE.gra --json | -o OUT.png|.pdf [--size W×H]\n"
                  "  veltra-cli chart DAYFILE.csv --curve E1 --curve A3:#ff0000 ... [--project P.vtr] "
                  "(-o OUT.gra | -o OUT.png | -o OUT.pdf)"}},
      {"live", {cmdLive, "live PROJECT.vtr --loop N [--block NAME]"}},
      {"write", {cmdWrite, "write PROJECT.vtr SIGNAL=VALUE... [--block NAME]"}},
      {"record", {cmdRecord, "record PROJECT.vtr --dir DIR --interval S --count N [--block NAME]"}},
      {"simulate",
       {cmdSimulate, "simulate PROJECT.vtr --plant FILE --hours H [--start \"05.12.2026 06:00\"] --record DIR "
                     "[--interval S] [--seed N]"}},
#ifdef VELTRA_CLI_QT
      {"render", {cmdRender, "render PROJECT.vtr --loop N -o FILE.png [--design NAME]"}},
      {"print",
       {cmdPrint, "print PROJECT.vtr --pdf OUT.pdf [--sections projekt,regelkreise,querverweise,signallisten] "
                  "[--loop N | --all] [--xy] [--toc]"}},
#endif
  };
  return table;
}

// Options that take a value; every other "--x" is a flag.
bool takesValue(const std::string& name) {
  static const char* const kWithValue[] = {
      "--program-dir", "--loop",  "-o",      "--design",  "--pdf",   "--sections", "--size",  "--block",  "--dir",
      "--interval",    "--count", "--curve", "--project", "--plant", "--hours",    "--start", "--record", "--seed"};
  for (const char* v : kWithValue)
    if (name == v) return true;
  return false;
}

std::filesystem::path executableDir(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

int usage() {
  std::cerr << "Aufruf: veltra-cli BEFEHL [--program-dir ORDNER] ...\n";
  for (const auto& [name, info] : commands())
    std::cerr << "  veltra-cli " << info.usage << "\n";
  return kExitUsage;
}

} // namespace
} // namespace veltra::cli

int main(int argc, char** argv) {
  using namespace veltra::cli;
  if (argc < 2) return usage();
  auto it = commands().find(argv[1]);
  if (it == commands().end()) return usage();
  Args args;
  args.programDir = executableDir(argv[0]);
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a.size() > 1 && a[0] == '-') {
      std::string value;
      if (takesValue(a)) {
        if (i + 1 >= argc) return usage();
        value = argv[++i];
      }
      if (a == "--program-dir")
        args.programDir = value;
      else
        args.options.emplace_back(a, value);
    } else {
      args.positional.push_back(a);
    }
  }
  return it->second.run(args);
}
