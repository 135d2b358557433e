#include "core/online/in_process_blocks.h"

namespace veltra::core {

ServerBlock InProcessBlocks::create(const std::string& name, std::size_t size) {
  m_memory.push_back(std::make_unique<std::vector<std::uint8_t>>(size, 0));
  std::vector<std::uint8_t>* bytes = m_memory.back().get();
  m_named[blockObjectName(name)] = bytes;
  return ServerBlock(*bytes);
}

void InProcessBlocks::remove(const std::string& name) { m_named.erase(blockObjectName(name)); }

AttachResult InProcessBlocks::attach(const std::string& requested) {
  ++m_attachCalls;
  const std::string name = blockObjectName(requested);
  const auto it = m_named.find(name);
  if (it == m_named.end()) return notRunning();
  if (it->second->size() < kServerBlockSize) return tooSmall(name, it->second->size());
  return {AttachStatus::Attached, ServerBlock(*it->second), {}};
}

} // namespace veltra::core
