#pragma once

// The largest module table there is: right under the 32,767-byte limit,
// spread over all 200 loops. Shared by the compiler and the simulation
// benchmarks.

#include "core/compiler/module_table.h"
#include "core/modules/catalogue.h"
#include "tests/core/compiler/compiler_test_support.h"

#include <memory>

namespace veltra::bench {

using namespace veltra::core;

// Slot k of a loop: every other column, three rows per slot.
inline constexpr int kSlots = 35;
inline int slotCol(int k) { return 1 + 2 * (k % 7); }
inline int slotRow(int k) { return 3 * (k / 7); }

// Adds one module per loop in rounds (E, R, D, then a mix) as long as the
// table stays within its limit, and wires E -> R -> D in every loop.
inline std::unique_ptr<Project> largestTableProject() {
  using namespace test_support;
  auto p = newProject();
  const char cycle[] = "ERDAGKTZNQBCLPY";
  int length = kTimeSwitchBlockSize;
  bool added = true;
  for (int k = 0; k < kSlots && added; ++k) {
    added = false;
    const char letter = cycle[k % (sizeof cycle - 1)];
    const int entry = moduleType(letter)->entryLength() + (k == 0 ? kLoopHeaderSize : 0);
    for (int loop = 1; loop <= kLoops; ++loop) {
      if (length + entry > kMaxTableLength) break;
      place(*p, loop, slotCol(k), slotRow(k), letter);
      length += entry;
      added = true;
    }
  }
  for (int loop = 1; loop <= kLoops; ++loop) {
    if (p->cell(loop, slotCol(1), 0).letter == 'R') connect(*p, loop, true, 1, slotCol(0), 0, slotCol(1), 0);
    if (p->cell(loop, slotCol(2), 0).letter == 'D') connect(*p, loop, true, 2, slotCol(1), 0, slotCol(2), 0);
  }
  return p;
}

} // namespace veltra::bench
