#pragma once

#include "core/online/block_attach.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace veltra::core {

// Blocks in this process's memory, for tests and benchmarks: the same
// attach behaviour as shared memory (unknown name, too small, attached),
// and a removed block stays readable for whoever attached it.
class InProcessBlocks : public BlockAttacher {
public:
  // A block of `size` zero bytes under `name` (replacing one of that name).
  ServerBlock create(const std::string& name, std::size_t size = kServerBlockSize);
  // The name goes; the memory stays for views already handed out.
  void remove(const std::string& name);
  AttachResult attach(const std::string& name) override;
  int attachCalls() const { return m_attachCalls; }

private:
  std::map<std::string, std::vector<std::uint8_t>*> m_named;
  std::vector<std::unique_ptr<std::vector<std::uint8_t>>> m_memory;
  int m_attachCalls = 0;
};

} // namespace veltra::core
