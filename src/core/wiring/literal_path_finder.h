#pragma once

#include "core/wiring/path_finder.h"
#include "core/wiring/path_node.h"

#include <vector>

namespace veltra::core {

// The search exactly as designed: an open and a closed list kept as plain
// sequences and searched linearly. Slow, but its order is the definition of
// every tie; the fast finder must reproduce it.
class LiteralPathFinder final : public PathFinder {
public:
  bool FindPath(WireField& field, int sx, int sy, int tx, int ty, std::uint8_t id) override;

private:
  void ListAdd(std::vector<TPathNode>& list, const TPathNode& node) { list.push_back(node); }
  // Takes OpenList[k] out (the last node fills its place) and appends it to
  // ClosedList.
  TPathNode MoveToClosedList(int k);
  // Index of the open node with the smallest f: index 0 first, then from
  // the last index down to 1; only a strictly smaller f replaces the choice.
  int ClosestField() const;
  // Index of the node at (x, y) in `list`, -1 when there is none.
  static int Exists(const std::vector<TPathNode>& list, int x, int y);
  void AddNewField(const WireField& field, const TPathNode& c, bool cHorizontal, int dir, int tx, int ty);
  void AdjustFieldData(const TPathNode& c, int m);

  std::vector<TPathNode> m_openList;
  std::vector<TPathNode> m_closedList;
};

} // namespace veltra::core
