#pragma once

#include "core/wiring/wire_field.h"

#include <array>
#include <cstdint>

namespace veltra::core {

// The open list of the path search as an indexed four-ary heap that picks
// exactly the node a linear scan of the plain list would pick.
//
// The plain list is an ordered sequence: a new node is appended; taking the
// node at index k out moves the last node into index k. The scan chooses the
// smallest f, and among equal f index 0 first, then the highest index. So
// the heap orders by (f, rank of the list index) and follows every index
// change: an appended node gets the highest index, and the node moved by a
// removal gets a new index and with it a new rank. Lowering f keeps the
// index.
//
// Nodes are numbered 0 .. kFieldCells - 1; each may be in the list once.
class OpenListHeap {
public:
  void clear() { m_size = 0; }
  bool empty() const { return m_size == 0; }
  int size() const { return m_size; }

  // Appends `node` with `f` (0 or more) at the end of the list.
  void push(int node, int f);
  // Removes and returns the node the scan would choose.
  int popClosest();
  // Lowers the f of a node in the list; its index does not change.
  void lower(int node, int f);

  // Index of a node in the plain list it mirrors, and the node at an index.
  int listIndex(int node) const { return m_index[at(node)]; }
  int nodeAt(int index) const { return m_slot[at(index)]; }

private:
  static constexpr int kArity = 4; // fewer levels than a binary heap for the same compares
  static constexpr int kNodeBits = 13;
  static_assert(kFieldCells <= (1 << kNodeBits) - 1);
  static constexpr std::uint64_t kNodeMask = (1u << kNodeBits) - 1;

  static std::size_t at(int i) { return static_cast<std::size_t>(i); }
  // One number per entry, smaller first: f, then the rank of the list index
  // (index 0 best, then the higher indices), then the node itself.
  static std::uint64_t key(int f, int index, int node) {
    const std::uint64_t rank = index == 0 ? 0u : kNodeMask - static_cast<std::uint64_t>(index);
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(f)) << (2 * kNodeBits)) | (rank << kNodeBits) |
           static_cast<std::uint64_t>(node);
  }
  static int nodeOf(std::uint64_t key) { return static_cast<int>(key & kNodeMask); }

  void place(int pos, std::uint64_t key) {
    m_heap[at(pos)] = key;
    m_heapPos[at(nodeOf(key))] = pos;
  }
  void siftUp(int pos, std::uint64_t key);
  void siftDown(int pos, std::uint64_t key);
  void rekey(int node, std::uint64_t key);

  std::array<std::uint64_t, kFieldCells> m_heap;
  std::array<std::int32_t, kFieldCells> m_heapPos; // node -> heap position
  std::array<std::int32_t, kFieldCells> m_index;   // node -> list index
  std::array<std::int32_t, kFieldCells> m_slot;    // list index -> node
  std::array<std::int32_t, kFieldCells> m_f;       // node -> f
  int m_size = 0;
};

} // namespace veltra::core
