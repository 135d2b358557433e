#pragma once

#include "core/model/limits.h"
#include "core/model/types.h"

#include <vector>

namespace veltra::core {

// What the signal name files "ASignale.txt", "ESignale.txt", "ISignale.txt",
// "QSignale.txt" and "VSignale.txt" give a reset project: entry n is line n
// of the file, entry 0 is unused. persist reads them (readSignalDefaults);
// the model itself reads no files.
struct SignalDefaults {
  std::vector<TSignalText> A = std::vector<TSignalText>(kSignals + 1);
  std::vector<TSignalText> E = std::vector<TSignalText>(kSignals + 1);
  std::vector<TSignalText> I = std::vector<TSignalText>(kSignals + 1);
  std::vector<TSignalText> Q = std::vector<TSignalText>(kSignals + 1);
  std::vector<TSignalText> V = std::vector<TSignalText>(kVSignals + 1);
};

} // namespace veltra::core
