#pragma once

#include "block_feeder.h"

#include "core/simulation/plant_simulation.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltra::comsim {

// The controller: runs the published module table with its plant. At
// every update it catches up second by second with the stand-in's clock,
// which `--speed` makes run faster than real time.
class ControllerFeeder : public BlockFeeder {
public:
  ControllerFeeder(core::ExecutableTable table, core::PlantSettings plant, std::uint64_t seed);

  void update(core::ServerBlock& block, const SimulationTime& t) override;
  std::string status(const core::ServerBlock& block) const override;
  const std::vector<std::string>& takenOver() const override { return m_takenOver; }

private:
  core::ExecutableTable m_table;
  core::PlantSettings m_plant;
  std::uint64_t m_seed;
  std::size_t m_loops;
  std::unique_ptr<core::PlantSimulation> m_sim; // from the first update, which fixes the start
  std::vector<std::string> m_takenOver;         // after the last update
};

} // namespace veltra::comsim
