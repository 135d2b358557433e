#include "core/wiring/fast_path_finder.h"

#include "core/wiring/path_steps.h"

#include <limits>
#include <type_traits>

namespace veltra::core {

using namespace path_steps;

namespace {
// Node number offsets of the neighbours, in the order of path_steps::Dir.
constexpr int kNodeStep[4] = {kFieldSize, -1, 1, -kFieldSize};
} // namespace

void FastPathFinder::beginSearch() {
  if (++m_search == 0) {
    for (NodeState& n : m_nodes)
      n.search = 0;
    m_search = 1;
  }
  m_open.clear();
  m_closedCount = 0;
}

void FastPathFinder::beginBatch(const WireField& field) {
  m_batchField = &field;
  if (m_regionCount > std::numeric_limits<std::uint32_t>::max() - 2 * kMaxRegions) {
    m_regionLabel.fill(0);
    m_regionCount = 0;
  }
  forgetRegions();
}

void FastPathFinder::endBatch() {
  m_batchField = nullptr;
  forgetRegions();
}

FastPathFinder::Region* FastPathFinder::regionOf(int n) {
  const std::uint32_t label = m_regionLabel[at(n)];
  if (label <= m_regionBase || label > m_regionCount) return nullptr;
  Region& r = m_regions[label - m_regionBase - 1];
  return r.alive ? &r : nullptr;
}

bool FastPathFinder::knownUnreachable(int start, int target, std::uint8_t id) {
  const Region* r = regionOf(start);
  return r != nullptr && m_regionLabel[at(target)] != m_regionLabel[at(start)] && !r->leaks.test(id);
}

void FastPathFinder::rememberFailure(const WireField& field, std::uint8_t id) {
  if (m_regionCount - m_regionBase >= static_cast<std::uint32_t>(kMaxRegions)) return;
  const std::uint32_t label = ++m_regionCount;
  Region& region = m_regions[label - m_regionBase - 1];
  region.leaks.reset();
  region.alive = true;
  const TWireCell* cells = &field.at(0, 0);
  for (int k = 0; k < m_closedCount; ++k) {
    const int c = m_closed[at(k)];
    // An area that overlaps the new one no longer holds all its sub-cells.
    if (Region* old = regionOf(c)) old->alive = false;
    m_regionLabel[at(c)] = label;
    const int cx = c / kFieldSize, cy = c - cx * kFieldSize;
    for (int dir = kRight; dir <= kLeft; ++dir) {
      if (!inField(cx + kDx[dir], cy + kDy[dir])) continue;
      const int n = c + kNodeStep[dir];
      if (isClosed(n) || cells[n].state == kBlocked) continue;
      // This edge was closed to `id` by a side of another connection; that
      // connection could still pass.
      const std::uint8_t own = cells[c].*kOwnSide[dir], back = cells[n].*kBackSide[dir];
      if (own != 0 && own != id) region.leaks.set(own);
      if (back != 0 && back != id) region.leaks.set(back);
    }
  }
}

bool FastPathFinder::search(const WireField& field, int start, int target, int tx, int ty, std::uint8_t id) {
  beginSearch();
  const TWireCell* cells = &field.at(0, 0);
  m_nodes[at(start)] = {m_search, 0, -1, kOpen};
  m_open.push(start, 0);
  for (;;) {
    const int c = m_open.popClosest();
    NodeState& cs = m_nodes[at(c)];
    cs.where = kClosed;
    m_closed[at(m_closedCount++)] = c;
    // Nothing after the target is looked at, so its neighbours need not be.
    if (c == target) return true;
    const int cx = c / kFieldSize, cy = c - cx * kFieldSize;
    // The start counts as entered from the left.
    const bool cHorizontal = cs.parent < 0 || cs.parent / kFieldSize != cx;
    const int cg = cs.g;
    const TWireCell& cell = cells[c];
    // The four neighbours in their fixed order, each step with its own
    // constants.
    auto visit = [&](auto dirConstant) {
      constexpr int dir = decltype(dirConstant)::value;
      const int nx = cx + kDx[dir], ny = cy + kDy[dir];
      if (!inField(nx, ny)) return;
      const int n = c + kNodeStep[dir];
      const TWireCell& ncell = cells[n];
      if (!usable(cell, ncell, dir, id)) return;
      NodeState& ns = m_nodes[at(n)];
      if (ns.search == m_search) {
        if (ns.where == kClosed) return;
        // Reached again while open: only the flat step cost.
        const int g = cg + kStepCost;
        if (g < ns.g) {
          ns.g = g;
          ns.parent = static_cast<std::int16_t>(c);
          m_open.lower(n, g + estimate(nx, ny, tx, ty));
        }
      } else {
        const int g = cg + stepCost(cell, ncell, dir, cHorizontal);
        ns = {m_search, g, static_cast<std::int16_t>(c), kOpen};
        m_open.push(n, g + estimate(nx, ny, tx, ty));
      }
    };
    visit(std::integral_constant<int, kRight>{});
    visit(std::integral_constant<int, kUp>{});
    visit(std::integral_constant<int, kDown>{});
    visit(std::integral_constant<int, kLeft>{});
    if (m_open.empty()) return false;
  }
}

bool FastPathFinder::FindPath(WireField& field, int sx, int sy, int tx, int ty, std::uint8_t id) {
  if (!inField(sx, sy) || !inField(tx, ty)) return false;
  // A start that is its own target finds no parent in the closed list.
  if (sx == tx && sy == ty) return false;
  const int start = node(sx, sy), target = node(tx, ty);
  const bool remember = m_batchField == &field;
  if (remember && knownUnreachable(start, target, id)) return false;
  if (!search(field, start, target, tx, ty, id)) {
    if (remember) rememberFailure(field, id);
    return false;
  }
  // Marking turns a start inside a module area into wire, which opens a way
  // no remembered area has accounted for.
  if (field.at(sx, sy).state == kBlocked) forgetRegions();
  return markPath(field, sx, sy, tx, ty, id, [&](int x, int y, int& px, int& py) {
    const int n = node(x, y);
    if (!isClosed(n)) return false;
    const int p = m_nodes[at(n)].parent;
    if (p < 0) {
      px = sx - 1;
      py = sy;
    } else {
      px = p / kFieldSize;
      py = p % kFieldSize;
    }
    return true;
  });
}

} // namespace veltra::core
