#include "server_stand_in.h"

namespace veltra::comsim {

void ServerStandIn::publish(const core::TableChecksum& checksum,
                            std::span<const std::uint8_t, core::kTimeSwitchBlockSize> programs) {
  m_block.setChecksum(checksum);
  m_block.writeSwitchPrograms(programs);
}

void ServerStandIn::update(const SimulationTime& t) {
  for (const auto& f : m_feeders)
    f->update(m_block, t);
}

std::string ServerStandIn::statusLine(const std::string& blockName, const SimulationTime& t) const {
  const core::TableChecksum c = m_block.checksum();
  std::string line = core::formatDateTime(t.now, core::DateTimeFormats{}.longTime) + "  " + blockName + "  Prüfsumme";
  for (std::uint32_t w : c)
    line += " " + std::to_string(static_cast<std::int32_t>(w));
  std::string taken;
  for (const auto& f : m_feeders) {
    const std::string s = f->status(m_block);
    if (!s.empty()) line += "  " + s;
    for (const std::string& name : f->takenOver())
      taken += " " + name;
  }
  if (!taken.empty()) line += "  vom Werkzeug gesetzt:" + taken;
  return line;
}

} // namespace veltra::comsim
