#include "core/online/server_block.h"

#include <cstring>

namespace veltra::core {

namespace {

constexpr bool areasFollowEachOther() {
  for (std::size_t i = 0; i + 1 < kBlockLayout.size(); ++i) {
    if (kBlockLayout[i].area != static_cast<BlockArea>(i)) return false;
    // The server keeps its own data between Q and the time switch outputs,
    // and S has 36 byte slots of which 1..32 are used.
    if (kBlockLayout[i].area == BlockArea::Q || kBlockLayout[i].area == BlockArea::S) continue;
    if (kBlockLayout[i].end() != kBlockLayout[i + 1].base) return false;
  }
  return true;
}
static_assert(areasFollowEachOther());
static_assert(layoutOf(BlockArea::Q).end() == 262756 && layoutOf(BlockArea::S).base == 502760);
static_assert(layoutOf(BlockArea::S).base + 36 == layoutOf(BlockArea::SwitchPrograms).base);
static_assert(layoutOf(BlockArea::SwitchPrograms).end() == 507916 && kServerBlockSize == 507920);
static_assert(sizeof(SwitchProgramTable) == kTimeSwitchBlockSize);

constexpr bool sizesMatchElements() {
  for (const BlockAreaLayout& l : kBlockLayout) {
    const std::size_t want = l.element == BlockElement::Double ? 8 : l.element == BlockElement::Word32 ? 4 : 1;
    if (l.size != want) return false;
  }
  return true;
}
static_assert(sizesMatchElements());

} // namespace

ServerBlock::ServerBlock(std::span<std::uint8_t> bytes)
    : m_bytes(bytes.size() >= kServerBlockSize ? bytes.data() : nullptr) {}

bool ServerBlock::setAnalog(BlockArea area, long long n, double v) {
  std::uint8_t* p = slot(area, n, BlockElement::Double);
  if (p == nullptr) return false;
  std::memcpy(p, &v, sizeof v);
  return true;
}

bool ServerBlock::setBit(BlockArea area, long long n, bool on) {
  std::uint8_t* p = slot(area, n, BlockElement::Bit);
  if (p == nullptr) return false;
  *p = on ? 1 : 0;
  return true;
}

std::optional<double> ServerBlock::analogConnection(int loop, long long k) const {
  const int g = globalConnection(loop, k);
  if (g == 0) return std::nullopt;
  return analog(BlockArea::AnalogConnection, g);
}

std::optional<bool> ServerBlock::digitalConnection(int loop, long long k) const {
  const int g = globalConnection(loop, k);
  if (g == 0) return std::nullopt;
  return bit(BlockArea::DigitalConnection, g);
}

void ServerBlock::clearConnections(int loop) {
  for (int k = 1; k <= kWires; ++k) {
    const int g = globalConnection(loop, k);
    setAnalog(BlockArea::AnalogConnection, g, 0.0);
    setBit(BlockArea::DigitalConnection, g, false);
  }
}

TableChecksum ServerBlock::checksum() const {
  TableChecksum words{};
  for (int k = 0; k < 4; ++k)
    if (const std::uint8_t* p = slot(BlockArea::Checksum, k, BlockElement::Word32))
      std::memcpy(&words[static_cast<std::size_t>(k)], p, 4);
  return words;
}

void ServerBlock::setChecksum(const TableChecksum& words) {
  for (int k = 0; k < 4; ++k)
    if (std::uint8_t* p = slot(BlockArea::Checksum, k, BlockElement::Word32))
      std::memcpy(p, &words[static_cast<std::size_t>(k)], 4);
}

void ServerBlock::readSwitchPrograms(SwitchProgramTable& out) const {
  if (m_bytes == nullptr) return;
  std::memcpy(out.data(), m_bytes + layoutOf(BlockArea::SwitchPrograms).base, sizeof out);
}

void ServerBlock::writeSwitchPrograms(std::span<const std::uint8_t, kTimeSwitchBlockSize> bytes) {
  if (m_bytes == nullptr) return;
  std::memcpy(m_bytes + layoutOf(BlockArea::SwitchPrograms).base, bytes.data(), bytes.size());
}

} // namespace veltra::core
