#include "core/persist/wire_table_check.h"

#include <cstdint>
#include <cstring>

namespace veltra::core {

// Every end, read as one little-endian 64-bit word w (column in the low
// half, row in the high half), passes when w + 1 and w + 2^32 + 1 have no
// bits beyond the low four of either half. The column is then -1..14; for a
// column of 0..14 the row is 0..14, and a column of -1 marks an unused slot
// whatever the row (its carry shifts the row's window to -1..13). So a table
// that passes is sound; the cells of the grid and the (-1, -1) of free slots
// always pass.
bool plainlyInGrid(std::span<const std::uint8_t, kWireTableSize> stored) {
  constexpr std::size_t kEnds = kWireTableSize / sizeof(std::uint64_t);
  static_assert(kEnds % 4 == 0);
  // Four chains, so that the OR of one end does not wait for the previous.
  std::uint64_t acc[4] = {};
  for (std::size_t i = 0; i < kEnds; i += 4)
    for (std::size_t k = 0; k < 4; ++k) {
      std::uint64_t w;
      std::memcpy(&w, stored.data() + (i + k) * sizeof w, sizeof w);
      acc[k] |= (w + 1) | (w + (std::uint64_t{1} << 32) + 1);
    }
  return ((acc[0] | acc[1] | acc[2] | acc[3]) & 0xFFFFFFF0FFFFFFF0) == 0;
}

namespace {

bool endInGrid(const TWireEnd& e) { return validCol(e.col) && validRow(e.row); }

bool wireInGrid(const TWire& w) {
  if (!endInGrid(w.src)) return false;
  for (const TWireEnd& d : w.dest)
    if (d.col >= 0 && !endInGrid(d)) return false;
  return true;
}

} // namespace

int firstWireOutsideGrid(const Project::LoopWires& wires) {
  if (plainlyInGrid(std::span<const std::uint8_t, kWireTableSize>(reinterpret_cast<const std::uint8_t*>(&wires[1]),
                                                                  kWireTableSize)))
    return 0;
  for (int n = 1; n <= kWires; ++n)
    if (!wires[n].isFree() && !wireInGrid(wires[n])) return n;
  return 0;
}

} // namespace veltra::core
