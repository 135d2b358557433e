#pragma once

// Control loops for the router's tests and benchmarks: modules placed by the
// editor's rules, connections between real catalogue ports.

#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/model/project.h"
#include "core/modules/catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <random>
#include <vector>

namespace veltra::core::testing {

// Places a module and gives it its type's defaults, as the editor does.
inline bool placeWithDefaults(Project& p, int loop, int col, int row, char letter) {
  if (!placeModule(p, loop, col, row, letter)) return false;
  createModuleDefaults(p, p.cell(loop, col, row));
  return true;
}

// A connection point of a module: the grid cell of its row and its kind.
struct PortRef {
  int col;
  int row;
  bool analog;
};
struct LoopPorts {
  std::vector<PortRef> outputs;
  std::vector<PortRef> inputs;
};

// Every port of the modules of `loop`, column by column, in catalogue order.
inline LoopPorts collectPorts(const Project& p, int loop) {
  LoopPorts ports;
  for (int c = 0; c < kCols; ++c)
    for (int r = 0; r < kRows; ++r) {
      const TCell& top = p.cell(loop, c, r);
      const ModuleType* type = top.part == 1 ? moduleType(static_cast<char>(top.letter)) : nullptr;
      if (type == nullptr) continue;
      for (const PortDef& port : type->ports)
        (isInput(port.kind) ? ports.inputs : ports.outputs).push_back({c, r + port.row - 1, isAnalog(port.kind)});
    }
  return ports;
}

// Shape of a generated loop; every count is an upper bound.
struct LoopShape {
  int wallColumns = 0; // 0..8 columns, two apart, of one-row modules
  int wallHolePerMille = 0;
  int modules = 20;
  int analogConnections = 20;
  int digitalConnections = 20;
  int maxDests = 20;
  int nearness = 1;        // a destination is the nearest of this many random free inputs
  int doubledPerMille = 0; // a destination copied into another slot
  int gapPerMille = 0;     // a used slot freed again
};

inline int uniform(std::mt19937_64& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// One-row modules with an input and an output, for walls and dense loops.
inline char oneRowModule(int col, bool analog) {
  if (col == 0) return analog ? 'H' : 'M';
  if (col == kCols - 1) return analog ? 'A' : 'Q';
  return analog ? 'G' : 'T';
}

// Fills `loop` (emptied first) with random modules and connections. Walls
// cut the field into channels five sub-cells wide; holes join them.
inline void generateLoop(Project& p, int loop, std::mt19937_64& rng, const LoopShape& shape) {
  p.clearLoop(loop);
  if (shape.wallColumns > 0) {
    const int firstWall = uniform(rng, 0, kCols - 1 - 2 * (shape.wallColumns - 1));
    for (int w = 0; w < shape.wallColumns; ++w)
      for (int c = firstWall + 2 * w, r = 0; r < kRows; ++r)
        if (uniform(rng, 0, 999) >= shape.wallHolePerMille)
          placeWithDefaults(p, loop, c, r, oneRowModule(c, uniform(rng, 0, 1) == 0));
  }
  for (int attempt = 0, placed = 0; attempt < shape.modules * 8 && placed < shape.modules; ++attempt) {
    const char letter = static_cast<char>('A' + uniform(rng, 0, 25));
    if (placeWithDefaults(p, loop, uniform(rng, 0, kCols - 1), uniform(rng, 0, kRows - 1), letter)) ++placed;
  }
  LoopPorts ports = collectPorts(p, loop);
  std::shuffle(ports.outputs.begin(), ports.outputs.end(), rng);
  for (bool analog : {true, false}) {
    std::vector<PortRef> inputs;
    std::copy_if(ports.inputs.begin(), ports.inputs.end(), std::back_inserter(inputs),
                 [&](const PortRef& in) { return in.analog == analog; });
    std::vector<int> numbers(kWires);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), rng);
    const int wanted = analog ? shape.analogConnections : shape.digitalConnections;
    int made = 0;
    for (const PortRef& src : ports.outputs) {
      if (made >= wanted || inputs.empty()) break;
      if (src.analog != analog) continue;
      const int n = numbers[static_cast<std::size_t>(made)];
      const int dests = uniform(rng, 0, 3) == 0 ? uniform(rng, 1, shape.maxDests) : uniform(rng, 1, 3);
      int added = 0;
      for (int tries = 0; added < dests && tries < 4 * dests && !inputs.empty(); ++tries) {
        std::size_t best = inputs.size();
        int bestDistance = 0;
        for (int k = 0; k < shape.nearness; ++k) {
          const auto pick = static_cast<std::size_t>(uniform(rng, 0, static_cast<int>(inputs.size()) - 1));
          const int distance = std::abs(inputs[pick].col - src.col) + std::abs(inputs[pick].row - src.row);
          if (best == inputs.size() || distance < bestDistance) best = pick, bestDistance = distance;
        }
        const PortRef dst = inputs[best];
        inputs[best] = inputs.back();
        inputs.pop_back();
        if (addDestination(p, loop, analog, n, src.col, src.row, dst.col, dst.row)) ++added;
      }
      if (added == 0) continue;
      ++made;
      TWire& w = (analog ? p.XWires : p.YWires)[static_cast<std::size_t>(loop)][static_cast<std::size_t>(n)];
      for (int k = 0; k < kDests; ++k) {
        TWireEnd& d = w.dest[k];
        if (d.col < 0) continue;
        if (uniform(rng, 0, 999) < shape.doubledPerMille) w.dest[uniform(rng, 0, kDests - 1)] = d;
        if (k > 0 && uniform(rng, 0, 999) < shape.gapPerMille) d = {-1, -1};
      }
    }
  }
}

} // namespace veltra::core::testing
