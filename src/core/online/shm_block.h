#pragma once

#include "core/online/block_attach.h"

#include <memory>
#include <string>

namespace veltra::core {

// The tool's side: POSIX shared memory opened read-write and mapped whole.
// Mappings are never released; the block stays readable after its server
// removed it (the memory lives on until the last mapping goes).
class ShmAttacher : public BlockAttacher {
public:
  AttachResult attach(const std::string& name) override;
};

// The server's side: creates the block of kServerBlockSize zero bytes and
// removes its name again in the destructor (or earlier with remove()).
class SharedBlockOwner {
public:
  // Throws Error when a block of that name exists (unless `replace`, which
  // removes it first) or the block cannot be created and mapped.
  SharedBlockOwner(const std::string& name, bool replace);
  ~SharedBlockOwner();
  SharedBlockOwner(const SharedBlockOwner&) = delete;
  SharedBlockOwner& operator=(const SharedBlockOwner&) = delete;

  const std::string& name() const { return m_name; }
  ServerBlock& block() { return m_block; }
  // Unlinks the name; the mapping stays valid. Safe to call twice and from
  // the end of the program after a signal.
  void remove();

private:
  std::string m_name;
  void* m_memory = nullptr;
  ServerBlock m_block;
  bool m_linked = false;
};

// Whether a block of that name exists (for messages and tests).
bool sharedBlockExists(const std::string& name);

} // namespace veltra::core
