#pragma once

#include "core/online/server_block.h"
#include "core/simulation/controller_simulation.h"
#include "core/simulation/owned_slots.h"
#include "core/simulation/plant_model.h"
#include "core/simulation/plant_settings.h"
#include "core/util/clock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veltra::core {

// A controller with its plant on one virtual clock of whole seconds. Each
// step is one second, in this order: the generated inputs at that second,
// the plant paths (moved by the outputs of the second before), then the
// controller (time switch outputs and every loop that is due).
class PlantSimulation {
public:
  PlantSimulation(ExecutableTable table, PlantSettings plant, std::uint64_t seed, const LocalDateTime& start,
                  int workMemorySize = kDefaultDataMemorySize);

  // The controller loads its table; second 0 is next.
  void start(ServerBlock& block);
  void step(ServerBlock& block);

  // The second the next step runs, counted from the start.
  long long second() const { return m_second; }
  // Local time at second().
  LocalDateTime now() const;
  const ControllerSimulation& controller() const { return m_controller; }
  // Inputs and outputs the tool took over ("E19 Q3").
  std::vector<std::string> takenOver() const;

private:
  ControllerSimulation m_controller;
  std::vector<SimulatedInput> m_inputs;
  PlantModel m_plant;
  OwnedSlots m_slots;
  LocalDateTime m_start;
  LocalDateTime m_now;
  long long m_second = 0;
};

} // namespace veltra::core
