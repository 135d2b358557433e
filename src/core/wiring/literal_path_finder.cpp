#include "core/wiring/literal_path_finder.h"

#include "core/wiring/path_steps.h"

namespace veltra::core {

using namespace path_steps;

int LiteralPathFinder::ClosestField() const {
  const int n = static_cast<int>(m_openList.size());
  int k = 0;
  for (int i = n - 1; i >= 1; --i)
    if (m_openList[static_cast<std::size_t>(i)].f < m_openList[static_cast<std::size_t>(k)].f) k = i;
  return k;
}

TPathNode LiteralPathFinder::MoveToClosedList(int k) {
  const auto idx = static_cast<std::size_t>(k);
  TPathNode c = m_openList[idx];
  m_openList[idx] = m_openList.back();
  m_openList.pop_back();
  ListAdd(m_closedList, c);
  return c;
}

int LiteralPathFinder::Exists(const std::vector<TPathNode>& list, int x, int y) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].x == x && list[i].y == y) return static_cast<int>(i);
  return -1;
}

void LiteralPathFinder::AddNewField(const WireField& field, const TPathNode& c, bool cHorizontal, int dir, int tx,
                                    int ty) {
  TPathNode n{};
  n.x = c.x + kDx[dir];
  n.y = c.y + kDy[dir];
  n.parentX = c.x;
  n.parentY = c.y;
  n.g = c.g + stepCost(field.at(c.x, c.y), field.at(n.x, n.y), dir, cHorizontal);
  n.h = estimate(n.x, n.y, tx, ty);
  n.f = n.g + n.h;
  ListAdd(m_openList, n);
}

void LiteralPathFinder::AdjustFieldData(const TPathNode& c, int m) {
  // A node reached again only gets the flat step cost.
  TPathNode& n = m_openList[static_cast<std::size_t>(m)];
  const int g = c.g + kStepCost;
  if (g < n.g) {
    n.g = g;
    n.f = g + n.h;
    n.parentX = c.x;
    n.parentY = c.y;
  }
}

bool LiteralPathFinder::FindPath(WireField& field, int sx, int sy, int tx, int ty, std::uint8_t id) {
  if (!inField(sx, sy) || !inField(tx, ty)) return false;
  m_openList.clear();
  m_closedList.clear();
  // The start counts as entered from the left.
  ListAdd(m_openList, TPathNode{sx, sy, 0, 0, 0, sx - 1, sy});
  for (;;) {
    const int k = ClosestField();
    const bool cHorizontal = enteredHorizontally(m_openList[static_cast<std::size_t>(k)]);
    const TPathNode c = MoveToClosedList(k);
    const TWireCell& cell = field.at(c.x, c.y);
    for (int dir = kRight; dir <= kLeft; ++dir) {
      const int nx = c.x + kDx[dir], ny = c.y + kDy[dir];
      if (!inField(nx, ny) || !usable(cell, field.at(nx, ny), dir, id)) continue;
      if (Exists(m_closedList, nx, ny) >= 0) continue;
      const int m = Exists(m_openList, nx, ny);
      if (m >= 0)
        AdjustFieldData(c, m);
      else
        AddNewField(field, c, cHorizontal, dir, tx, ty);
    }
    if (c.x == tx && c.y == ty) break;
    if (m_openList.empty()) return false;
  }
  return markPath(field, sx, sy, tx, ty, id, [this](int x, int y, int& px, int& py) {
    const int i = Exists(m_closedList, x, y);
    if (i < 0) return false;
    px = m_closedList[static_cast<std::size_t>(i)].parentX;
    py = m_closedList[static_cast<std::size_t>(i)].parentY;
    return true;
  });
}

} // namespace veltra::core
