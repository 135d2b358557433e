#pragma once

#include "core/simulation/signal_source.h"

#include "core/online/server_block.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace veltra::core {

// A simulated input of the controller: analog input E n or digital input
// I n with the source of its value. A digital input is on while its
// source's value is at least 0.5.
struct SimulatedInput {
  char letter; // 'E' or 'I'
  int n;
  std::shared_ptr<const SignalSource> source; // stateless, so copies may share it

  BlockArea area() const { return letter == 'E' ? BlockArea::E : BlockArea::I; }
};

// The settings file of simulated inputs, one signal a line:
//   E1 = sine 5 8 600      # mean, amplitude, period in s [, phase in degrees]
//   E6 = ramp 40 60 900    # from, to, period in s (then again from `from`)
//   E9 = step 20 25 120    # before, after, at s
//   I5 = square 0 1 120 0.25  # low, high, period in s [, part of the period high]
//   I7 = const 1
// "=" may be left out; "#" or ";" starts a comment; blank lines are
// ignored. Throws Error naming the line of the first fault (unknown
// signal or kind, a parameter that is no number, a period not above 0, a
// signal given twice).
// `fileLabel` begins each message ("Eingangsdatei, Zeile 3: ...").
std::vector<SimulatedInput> parseInputSettings(std::string_view text, std::string_view fileLabel = "Eingangsdatei");
std::vector<SimulatedInput> readInputSettings(const std::filesystem::path& file);

// The inputs simulated when no settings file is given: the outdoor and
// flow temperatures and a few fault and button inputs of the sample
// heating plant.
extern const std::string_view kDefaultInputSettings;

} // namespace veltra::core
