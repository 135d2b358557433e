#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veltra::comsim {

struct Options {
  std::string block;    // empty: the default name
  bool replace = false; // take over an existing block of the name
  std::filesystem::path table;
  std::filesystem::path project;
  std::filesystem::path inputs; // empty: the default inputs (none with a plant)
  std::filesystem::path plant;  // the plant file of the controller simulation
  double speed = 1;             // simulated seconds per real second
  std::uint64_t seed = 1;       // of the plant's noise
  std::filesystem::path programDir;
  double statusSeconds = 5; // 0: no status lines
  bool help = false;
};

// The options after the program name. Throws core::Error with a German
// message for an unknown option, a missing value or a bad number.
Options parseOptions(const std::vector<std::string>& args, const std::filesystem::path& defaultProgramDir);

// What --help prints.
std::string helpText();

} // namespace veltra::comsim
