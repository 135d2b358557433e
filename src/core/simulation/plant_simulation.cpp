#include "core/simulation/plant_simulation.h"

namespace veltra::core {

PlantSimulation::PlantSimulation(ExecutableTable table, PlantSettings plant, std::uint64_t seed,
                                 const LocalDateTime& start, int workMemorySize)
    : m_controller(std::move(table), workMemorySize), m_inputs(std::move(plant.inputs)),
      m_plant(std::move(plant.paths), seed), m_start(start), m_now(start) {}

LocalDateTime PlantSimulation::now() const { return m_now; }

std::vector<std::string> PlantSimulation::takenOver() const {
  std::vector<std::string> names = m_slots.takenOver();
  const std::vector<std::string>& outputs = m_controller.takenOver();
  names.insert(names.end(), outputs.begin(), outputs.end());
  return names;
}

void PlantSimulation::start(ServerBlock& block) {
  m_second = 0;
  m_now = m_start;
  m_controller.start(block, m_now);
}

void PlantSimulation::step(ServerBlock& block) {
  const double t = static_cast<double>(m_second);
  for (const SimulatedInput& in : m_inputs) {
    const double v = in.source->value(t);
    if (in.letter == 'E')
      m_slots.writeAnalog(block, in.area(), in.n, v);
    else
      m_slots.writeBit(block, in.area(), in.n, v >= 0.5);
  }
  m_plant.step(block, m_slots);
  m_controller.step(block, m_second, m_now);
  ++m_second;
  m_now = addSeconds(m_start, m_second);
}

} // namespace veltra::core
