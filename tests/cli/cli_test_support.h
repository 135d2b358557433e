#pragma once

// Running veltra-cli as a user does, for the tests of its commands.

#include "core/util/file_io.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace veltra::core::test_support {

struct CliRun {
  int code = -1;
  std::string out, err;
};

// Runs a program with the given arguments (already quoted where needed);
// stderr goes through a file in `scratch`.
inline CliRun runProgram(const std::string& program, const std::string& args, const std::filesystem::path& scratch) {
  const std::filesystem::path errFile = scratch / "stderr.txt";
  const std::string cmd = program + " " + args + " 2>" + errFile.string();
  CliRun r;
  FILE* pipe = popen(cmd.c_str(), "r");
  char buf[4096];
  for (size_t n = 0; (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
    r.out.append(buf, n);
  const int status = pclose(pipe);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.err = readFileText(errFile);
  return r;
}

inline CliRun runCli(const std::string& args, const std::filesystem::path& scratch) {
  return runProgram(VELTRA_CLI, args, scratch);
}

} // namespace veltra::core::test_support
