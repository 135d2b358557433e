#include "core/wiring/path_finder.h"

#include "core/wiring/fast_path_finder.h"
#include "core/wiring/literal_path_finder.h"

namespace veltra::core {

std::unique_ptr<PathFinder> makePathFinder(RouterKind kind) {
  if (kind == RouterKind::Literal) return std::make_unique<LiteralPathFinder>();
  return std::make_unique<FastPathFinder>();
}

} // namespace veltra::core
