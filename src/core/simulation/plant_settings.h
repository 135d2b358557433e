#pragma once

#include "core/simulation/input_settings.h"
#include "core/simulation/plant_model.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace veltra::core {

// The plant file of a simulation, an INI file like "VTR.INI":
//
//   [Eingaenge]              ; generated inputs, as in the inputs file
//   E1 = sine 0 5 86400
//   I5 = const 0
//
//   [Strecke HK1]            ; one section per path, any name after "Strecke"
//   Eingang = A7             ; the controller output that drives it
//   Ausgang = E19            ; the input it moves
//   Verstaerkung = 0.6       ; gain (default 1)
//   Grundwert = 20           ; base value of the input (default 0)
//   Zeitkonstante = 300      ; s (default 0: no lag)
//   Totzeit = 30             ; s, whole (default 0)
//   Rauschen = 0.05          ; standard deviation (default 0)
//
// Names of sections and keys are case-insensitive; ";" and "#" start a
// comment. Throws Error naming the line of the first fault: an unknown
// section or key, a value that is no number or out of range, a signal
// that cannot be a source or target, a path without "Eingang" or
// "Ausgang", an input moved twice (by two paths, or by a path and a
// generator).
struct PlantSettings {
  std::vector<SimulatedInput> inputs;
  std::vector<PlantPath> paths;
};

PlantSettings parsePlantSettings(std::string_view text);
PlantSettings readPlantSettings(const std::filesystem::path& file);

// The longest dead time a path may have.
inline constexpr int kMaxDeadTime = 24 * 3600;

} // namespace veltra::core
