#pragma once

// The densest control loops the placement rules allow, shared by the router
// benchmark and the drawing benchmark.
//
// A loop holds at most 120 module cells (no two modules side by side), and
// no cell row has more than one input and one output. So at most 120 of the
// 200 connection numbers can be used, and using every output leaves one
// destination per connection. Hence two loops on the same 120 modules: one
// with every port in use, one with connections of 20 destinations.

#include "tests/core/wiring/loop_builder.h"

#include <algorithm>
#include <random>

namespace veltra::bench {

using namespace veltra::core;

// The most modules the placement rules allow: every row of the columns 0, 2,
// .., 14 holds a one-row module (a module needs free cells left and right of
// it). Even rows carry analog modules, odd rows digital ones; each has one
// input and one output (A, H, M, Q at the edges, G and T inside).
inline void placeDensestModules(Project& p, int loop) {
  p.clearLoop(loop);
  for (int c = 0; c < kCols; c += 2)
    for (int r = 0; r < kRows; ++r) {
      testing::placeWithDefaults(p, loop, c, r, testing::oneRowModule(c, r % 2 == 0));
    }
}

// Densest loop with every port in use: each of the 120 outputs drives a
// connection (60 analog, 60 digital) and feeds the input of the same kind in
// the next module column, in reversed row order, so that all lines of a
// channel cross each other; the last column feeds column 0, whose inputs are
// never routed.
inline void buildDensestLoop(Project& p, int loop) {
  placeDensestModules(p, loop);
  int nextNumber[2] = {1, 1};
  for (int c = 0; c < kCols; c += 2) {
    const int dc = (c + 2) % (kCols + 1);
    for (int r = 0; r < kRows; ++r) {
      const bool analog = r % 2 == 0;
      // With 15 rows the reversed row keeps the parity, and so the kind.
      addDestination(p, loop, analog, nextNumber[analog ? 0 : 1]++, c, r, dc, kRows - 1 - r);
    }
  }
}

// Densest loop with wide fan-out: the same 120 modules; every input is fed,
// by connections of up to 20 destinations spread over the whole loop, most
// of them out of reach of their source (the module columns wall the field
// into channels), so the router explores whole channels in vain.
inline void buildDensestFanOutLoop(Project& p, int loop) {
  placeDensestModules(p, loop);
  testing::LoopPorts ports = testing::collectPorts(p, loop);
  std::mt19937_64 rng(20240611);
  std::shuffle(ports.inputs.begin(), ports.inputs.end(), rng);
  for (bool analog : {true, false}) {
    int n = 0, used = kDests;
    std::size_t nextSource = 0;
    testing::PortRef src{};
    for (const testing::PortRef& dst : ports.inputs) {
      if (dst.analog != analog) continue;
      if (used == kDests) {
        while (ports.outputs[nextSource].analog != analog)
          ++nextSource;
        src = ports.outputs[nextSource++];
        ++n;
        used = 0;
      }
      addDestination(p, loop, analog, n, src.col, src.row, dst.col, dst.row);
      ++used;
    }
  }
}

} // namespace veltra::bench
