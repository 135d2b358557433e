#pragma once

#include "core/online/server_block.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace veltra::core {

// The slots a simulation writes. A slot whose value differs from what was
// written there last was written by someone else, the tool's "Wert ändern"
// or "Bit ändern": from then on the simulation leaves it alone, as a
// controller keeps a value forced on it.
class OwnedSlots {
public:
  // Writes `v` unless the slot was taken over; false when it was.
  bool writeAnalog(ServerBlock& block, BlockArea area, int n, double v);
  bool writeBit(ServerBlock& block, BlockArea area, int n, bool on);
  // "E5 I3": the slots taken over, in the order it was noticed.
  const std::vector<std::string>& takenOver() const { return m_takenOverNames; }

private:
  bool mayWrite(BlockArea area, int n, std::uint64_t current, std::uint64_t next);

  std::map<std::pair<BlockArea, int>, std::uint64_t> m_written;
  std::map<std::pair<BlockArea, int>, bool> m_takenOver;
  std::vector<std::string> m_takenOverNames;
};

} // namespace veltra::core
