#pragma once

#include <cstdint>

namespace veltra::core {

// One node of the path search: sub-cell, cost so far, estimate to the
// target, their sum and the sub-cell the node was reached from.
struct TPathNode {
  std::int32_t x;
  std::int32_t y;
  std::int32_t g;
  std::int32_t h;
  std::int32_t f;
  std::int32_t parentX;
  std::int32_t parentY;
};
static_assert(sizeof(TPathNode) == 28);

// Where the node's parent lies as seen from the node: 'L' left, 'R' right,
// 'O' above, 'U' below (also for a parent on the node itself).
constexpr char GetRichtung(const TPathNode& n) {
  if (n.x > n.parentX) return 'L';
  if (n.x < n.parentX) return 'R';
  if (n.y > n.parentY) return 'O';
  return 'U';
}

constexpr bool enteredHorizontally(const TPathNode& n) {
  const char r = GetRichtung(n);
  return r == 'L' || r == 'R';
}

} // namespace veltra::core
