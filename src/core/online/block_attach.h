#pragma once

#include "core/online/server_block.h"

#include <string>

namespace veltra::core {

inline constexpr char kServerNotRunning[] = "Server not running.";

enum class AttachStatus : std::uint8_t {
  Attached,
  NotRunning, // no block of that name
  TooSmall,   // a block smaller than kServerBlockSize: never read
  MapFailed,  // the block exists but cannot be mapped
};

struct AttachResult {
  AttachStatus status = AttachStatus::NotRunning;
  ServerBlock block;   // valid only when attached
  std::string message; // German, UTF-8; empty when attached
};

// The platform seam of the link: reach the named block of the communication
// server. A block once attached stays reachable until the attacher (for the
// shared-memory one: the process) ends, even when its server removes it.
class BlockAttacher {
public:
  virtual ~BlockAttacher() = default;
  virtual AttachResult attach(const std::string& name) = 0;
};

// The object name of a block: the default for an empty name, a leading '/'
// added when missing ("VTR_PC_MEM" and "/VTR_PC_MEM" name the same block).
std::string blockObjectName(const std::string& name);

// The refusals, shared by every attacher.
AttachResult notRunning();
AttachResult tooSmall(const std::string& name, std::size_t size);
AttachResult mapFailed(const std::string& name, const std::string& reason);

} // namespace veltra::core
