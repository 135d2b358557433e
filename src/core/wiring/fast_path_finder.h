#pragma once

#include "core/wiring/open_list_heap.h"
#include "core/wiring/path_finder.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace veltra::core {

// The production search: the same steps as LiteralPathFinder, with the open
// list in an OpenListHeap and list membership in a per-sub-cell table.
// Nothing is allocated per search; the tables are reused and invalidated by
// a search counter instead of being cleared.
//
// Within a batch it also remembers the reach of every failed search: a
// failed search has closed every sub-cell reachable from its start, and as
// routing only ever takes sides away from other connections (a side goes
// from 0 to an id, never back), that area can only shrink. A later search
// that starts inside such an area, has its target outside it, and whose id
// appears on none of the sides that closed the area off, must fail too, and
// is answered at once.
class FastPathFinder final : public PathFinder {
public:
  bool FindPath(WireField& field, int sx, int sy, int tx, int ty, std::uint8_t id) override;
  void beginBatch(const WireField& field) override;
  void endBatch() override;

private:
  enum : std::uint8_t { kOpen = 1, kClosed = 2 };
  static constexpr int kMaxRegions = 4096;

  // What the current search knows of a sub-cell; valid while `search` is the
  // current search number. Node numbers are x * 75 + y, the layout of the
  // field's [i][j] array.
  struct NodeState {
    std::uint32_t search;
    std::int32_t g;
    std::int16_t parent; // node number, -1 for the start
    std::uint8_t where;  // kOpen or kClosed
  };

  struct Region {
    std::bitset<256> leaks; // ids on the sides that closed the area off
    bool alive;
  };

  static int node(int x, int y) { return x * kFieldSize + y; }
  static std::size_t at(int i) { return static_cast<std::size_t>(i); }
  void beginSearch();
  bool search(const WireField& field, int start, int target, int tx, int ty, std::uint8_t id);
  bool isClosed(int n) const { return m_nodes[at(n)].search == m_search && m_nodes[at(n)].where == kClosed; }

  Region* regionOf(int n);
  bool knownUnreachable(int start, int target, std::uint8_t id);
  void rememberFailure(const WireField& field, std::uint8_t id);
  void forgetRegions() { m_regionBase = m_regionCount; }

  std::array<NodeState, kFieldCells> m_nodes{};
  std::array<std::int32_t, kFieldCells> m_closed{}; // nodes in the order they were closed
  int m_closedCount = 0;
  OpenListHeap m_open;
  std::uint32_t m_search = 0;

  const WireField* m_batchField = nullptr;
  std::array<std::uint32_t, kFieldCells> m_regionLabel{}; // region number of a sub-cell
  std::array<Region, kMaxRegions> m_regions{};
  std::uint32_t m_regionCount = 0; // numbers handed out so far
  std::uint32_t m_regionBase = 0;  // numbers up to this one are void
};

} // namespace veltra::core
