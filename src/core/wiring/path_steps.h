#pragma once

// The rules both path finders share: neighbour order, which neighbour may be
// entered, what a step costs and how a found path is written into the field.
// The two finders differ only in how they keep their lists.

#include "core/wiring/wire_field.h"

#include <cstdint>
#include <cstdlib>

namespace veltra::core::path_steps {

// Neighbours are examined in this order; the order decides ties.
enum Dir : int { kRight = 0, kUp = 1, kDown = 2, kLeft = 3 };
inline constexpr int kDx[4] = {1, 0, 0, -1};
inline constexpr int kDy[4] = {0, -1, 1, 0};

// The side of the current cell that faces the neighbour, and the side of the
// neighbour that faces back.
inline constexpr std::uint8_t TWireCell::*kOwnSide[4] = {&TWireCell::right, &TWireCell::top, &TWireCell::bottom,
                                                         &TWireCell::left};
inline constexpr std::uint8_t TWireCell::*kBackSide[4] = {&TWireCell::left, &TWireCell::bottom, &TWireCell::top,
                                                          &TWireCell::right};

inline constexpr bool isHorizontal(int dir) { return dir == kRight || dir == kLeft; }
inline constexpr bool freeOrOwn(std::uint8_t side, std::uint8_t id) { return side == 0 || side == id; }

// A neighbour is usable when it lies in the field, is no module area and
// neither side of the edge between the two carries another connection.
inline bool usable(const TWireCell& c, const TWireCell& n, int dir, std::uint8_t id) {
  return n.state != kBlocked && freeOrOwn(c.*kOwnSide[dir], id) && freeOrOwn(n.*kBackSide[dir], id);
}

inline constexpr int kStepCost = 10;
inline constexpr int kAlongLineCost = 2;
inline constexpr int kBendCost = 5;

// Cost of a first step onto a neighbour: cheap along a line of the same
// connection, so that branches merge into a tree; dearer for a bend.
inline int stepCost(const TWireCell& c, const TWireCell& n, int dir, bool enteredHorizontally) {
  const std::uint8_t own = c.*kOwnSide[dir];
  int cost = (own != 0 && own == n.*kBackSide[dir]) ? kAlongLineCost : kStepCost;
  if (isHorizontal(dir) != enteredHorizontally) cost += kBendCost;
  return cost;
}

inline int estimate(int x, int y, int tx, int ty) { return kStepCost * (std::abs(x - tx) + std::abs(y - ty)); }

// Joins the neighbouring sub-cells (cx, cy) and its parent (px, py) with a
// piece of line of connection `id`.
inline void markStep(WireField& field, int cx, int cy, int px, int py, std::uint8_t id) {
  TWireCell& c = field.at(cx, cy);
  TWireCell& p = field.at(px, py);
  if (px < cx) {
    c.left = id;
    p.right = id;
  } else if (px > cx) {
    c.right = id;
    p.left = id;
  } else if (py < cy) {
    c.top = id;
    p.bottom = id;
  } else {
    c.bottom = id;
    p.top = id;
  }
  c.state = kWire;
  p.state = kWire;
}

// Walks back from the target through the parents of the closed nodes and
// marks every step, the step onto the start included. `closedParent(x, y,
// px, py)` yields the parent of the closed node at (x, y) and is false when
// no closed node lies there; then the path counts as not found.
template <typename ClosedParent>
bool markPath(WireField& field, int sx, int sy, int tx, int ty, std::uint8_t id, ClosedParent closedParent) {
  int cx = tx, cy = ty, px = 0, py = 0;
  if (!closedParent(cx, cy, px, py)) return false;
  for (int guard = 0; guard < kFieldCells; ++guard) {
    int ppx = 0, ppy = 0;
    if (!inField(px, py) || !closedParent(px, py, ppx, ppy)) return false;
    markStep(field, cx, cy, px, py, id);
    if (px == sx && py == sy) return true;
    cx = px;
    cy = py;
    px = ppx;
    py = ppy;
  }
  return false;
}

} // namespace veltra::core::path_steps
