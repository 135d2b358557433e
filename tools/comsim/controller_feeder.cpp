#include "controller_feeder.h"

#include <cmath>

namespace veltra::comsim {

ControllerFeeder::ControllerFeeder(core::ExecutableTable table, core::PlantSettings plant, std::uint64_t seed)
    : m_table(std::move(table)), m_plant(std::move(plant)), m_seed(seed), m_loops(m_table.loops.size()) {}

void ControllerFeeder::update(core::ServerBlock& block, const SimulationTime& t) {
  const long long due = static_cast<long long>(std::floor(t.seconds));
  if (!m_sim) {
    // The local time at second 0 of the stand-in's clock.
    const core::LocalDateTime start = core::addSeconds(t.now, -due);
    m_sim = std::make_unique<core::PlantSimulation>(std::move(m_table), std::move(m_plant), m_seed, start);
    m_sim->start(block);
  }
  while (m_sim->second() <= due)
    m_sim->step(block);
  m_takenOver = m_sim->takenOver();
}

std::string ControllerFeeder::status(const core::ServerBlock&) const {
  const long long s = m_sim ? m_sim->second() : 0;
  return "Steuerung: " + std::to_string(m_loops) + " Regelkreise, " + std::to_string(s) + " s simuliert";
}

} // namespace veltra::comsim
