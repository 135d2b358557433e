#pragma once

// Running veltra-cli as a user does, for the tests of its commands.

#include "core/util/file_io.h"

#include <gtest/gtest.h>

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

// A fresh, empty folder for the running test, named after it.
inline std::filesystem::path freshTestDir(const std::string& prefix) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    (prefix + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline CliRun runCli(const std::string& args, const std::filesystem::path& scratch) {
  return runProgram(VELTRA_CLI, args, scratch);
}

} // namespace veltra::core::test_support
