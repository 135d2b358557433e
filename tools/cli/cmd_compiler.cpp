// compile, check and xref: "Tabelle erzeugen" and "Querverweis" without windows.
#include "cli.h"

#include "core/app/settings.h"
#include "core/compiler/cross_reference.h"
#include "core/compiler/duplicate_outputs.h"
#include "core/compiler/module_table_files.h"
#include "core/compiler/table_command.h"
#include "core/util/error.h"

#include <iostream>

namespace veltra::cli {

using namespace veltra::core;

namespace {

constexpr int kExitDuplicates = 1;
constexpr int kExitTooLarge = 3;

} // namespace

int dataMemorySize(const Args& args) {
  std::string dir = args.programDir.string();
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return loadSettings(dir).DataMemorySize;
}

int cmdCompile(const Args& args) {
  const std::string out = args.value("-o");
  if (args.positional.size() != 1 || out.empty()) return kExitUsage;
  std::optional<LoadedProject> loaded = loadOrReport(args, args.positional[0]);
  if (!loaded) return kExitBadInput;
  Project& p = *loaded->project;
  const int memory = dataMemorySize(args);
  auto table = std::make_unique<ModuleTable>();
  TableCommandResult result = runTableCommand(p, *table, memory);
  if (!result.checkPassed) {
    for (const std::string& line : result.faultLines)
      std::cout << line << "\n";
    return kExitDuplicates;
  }
  const CompileResult& compiled = *result.compile;
  if (compiled.tableTooLarge) {
    for (const std::string& m : compiled.messages)
      std::cerr << m << "\n";
    return kExitTooLarge;
  }
  try {
    writeModuleTableFiles(*table, out);
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  const TableChecksum& c = compiled.checksum;
  std::cout << "checksum: " << c[0] << " " << c[1] << " " << c[2] << " " << c[3] << "\n"
            << "length: " << compiled.tableLength << "\n"
            << "work memory: " << compiled.workMemoryUsed << " of " << memory << "\n";
  for (const std::string& m : compiled.messages)
    std::cerr << m << "\n";
  return kExitOk;
}

int cmdCheck(const Args& args) {
  if (args.positional.size() != 1) return kExitUsage;
  try {
    LoadedProject loaded = loadForCli(args, args.positional[0]);
    const std::vector<std::string> lines = duplicateOutputLines(*loaded.project);
    for (const std::string& line : lines)
      std::cout << line << "\n";
    return lines.empty() ? kExitOk : kExitDuplicates;
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return kExitBadInput;
  }
}

int cmdXref(const Args& args) {
  if (args.positional.size() != 1) return kExitUsage;
  try {
    LoadedProject loaded = loadForCli(args, args.positional[0]);
    for (const std::string& line : crossReferenceLines(*loaded.project))
      std::cout << line << "\n";
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

} // namespace veltra::cli
