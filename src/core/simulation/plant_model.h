#pragma once

#include "core/online/server_block.h"
#include "core/simulation/noise_source.h"
#include "core/simulation/owned_slots.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veltra::core {

// One path of the plant: an output of the controller (A, H, V, F or, as 0 /
// 1, Q, M) drives an input (E, or I: on while the value is at least 0.5)
// through a first-order lag:
//   target = base + lag + noise,   lag follows gain × source(t − deadTime)
// with the time constant; noise is normal with the given standard deviation.
struct PlantPath {
  BlockArea sourceArea = BlockArea::A;
  int source = 1;
  BlockArea targetArea = BlockArea::E;
  int target = 1;
  double gain = 1;
  double base = 0;
  double timeConstant = 0; // s; 0: no lag
  int deadTime = 0;        // whole seconds
  double noise = 0;        // standard deviation
};

// The plant: every path advanced by one second per step. At the start the
// plant is at rest: every lag at 0 (the target at its base) and the source
// taken as 0 for the dead time.
class PlantModel {
public:
  PlantModel(std::vector<PlantPath> paths, std::uint64_t seed);

  // One second: reads the sources, writes the targets through `slots` (so a
  // target the tool took over stays the tool's).
  void step(ServerBlock& block, OwnedSlots& slots);
  const std::vector<PlantPath>& paths() const { return m_paths; }

private:
  struct State {
    double alpha; // share of the difference closed per second
    double lag = 0;
    std::vector<double> delay; // the last deadTime + 1 source values
    std::size_t next = 0;      // where the newest goes
  };

  std::vector<PlantPath> m_paths;
  std::vector<State> m_states;
  NoiseSource m_noise;
};

} // namespace veltra::core
