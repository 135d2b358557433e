#include "core/simulation/owned_slots.h"

#include <bit>

namespace veltra::core {

namespace {

char letterOf(BlockArea a) {
  switch (a) {
  case BlockArea::E:
    return 'E';
  case BlockArea::I:
    return 'I';
  case BlockArea::S:
    return 'S';
  case BlockArea::A:
    return 'A';
  case BlockArea::H:
    return 'H';
  case BlockArea::M:
    return 'M';
  case BlockArea::Q:
    return 'Q';
  default:
    return '?';
  }
}

} // namespace

bool OwnedSlots::mayWrite(BlockArea area, int n, std::uint64_t current, std::uint64_t next) {
  const auto key = std::pair{area, n};
  if (m_takenOver.count(key) != 0) return false;
  const auto it = m_written.find(key);
  if (it != m_written.end() && it->second != current) {
    m_takenOver[key] = true;
    m_takenOverNames.push_back(letterOf(area) + std::to_string(n));
    return false;
  }
  m_written[key] = next;
  return true;
}

bool OwnedSlots::writeAnalog(ServerBlock& block, BlockArea area, int n, double v) {
  const std::optional<double> current = block.analog(area, n);
  if (!current) return false;
  if (!mayWrite(area, n, std::bit_cast<std::uint64_t>(*current), std::bit_cast<std::uint64_t>(v))) return false;
  return block.setAnalog(area, n, v);
}

bool OwnedSlots::writeBit(ServerBlock& block, BlockArea area, int n, bool on) {
  const std::optional<std::uint8_t> current = block.byte(area, n);
  if (!current) return false;
  if (!mayWrite(area, n, *current, on ? 1 : 0)) return false;
  return block.setBit(area, n, on);
}

} // namespace veltra::core
