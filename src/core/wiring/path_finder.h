#pragma once

#include "core/wiring/wire_field.h"

#include <cstdint>
#include <memory>

namespace veltra::core {

// Which search does the routing. Both give the same field to the byte; the
// literal one keeps plain lists searched from end to end and serves as the
// reference the fast one is tested against.
enum class RouterKind : std::uint8_t { Fast, Literal };

// The A* search of one line and, when it succeeds, the marking of the path.
class PathFinder {
public:
  virtual ~PathFinder() = default;
  // Searches from (sx, sy) to (tx, ty) for connection `id`; both points lie
  // inside the field. On success the path is marked in `field`; on failure
  // the field is unchanged.
  virtual bool FindPath(WireField& field, int sx, int sy, int tx, int ty, std::uint8_t id) = 0;

  // Between these two calls `field` is changed by nothing but the searches
  // and FindeWeg's contact sides, so a finder may reuse what earlier
  // searches on it learned.
  virtual void beginBatch(const WireField& field) { (void)field; }
  virtual void endBatch() {}
};

std::unique_ptr<PathFinder> makePathFinder(RouterKind kind);

} // namespace veltra::core
