#include "core/wiring/open_list_heap.h"

namespace veltra::core {

void OpenListHeap::siftUp(int pos, std::uint64_t key) {
  while (pos > 0) {
    const int parent = (pos - 1) / kArity;
    const std::uint64_t p = m_heap[at(parent)];
    if (p <= key) break;
    place(pos, p);
    pos = parent;
  }
  place(pos, key);
}

void OpenListHeap::siftDown(int pos, std::uint64_t key) {
  for (;;) {
    const int first = kArity * pos + 1;
    if (first >= m_size) break;
    const int end = first + kArity < m_size ? first + kArity : m_size;
    int best = first;
    std::uint64_t bestKey = m_heap[at(first)];
    for (int c = first + 1; c < end; ++c)
      if (m_heap[at(c)] < bestKey) {
        bestKey = m_heap[at(c)];
        best = c;
      }
    if (key <= bestKey) break;
    place(pos, bestKey);
    pos = best;
  }
  place(pos, key);
}

void OpenListHeap::rekey(int node, std::uint64_t key) {
  const int pos = m_heapPos[at(node)];
  const std::uint64_t old = m_heap[at(pos)];
  if (key < old)
    siftUp(pos, key);
  else if (key > old)
    siftDown(pos, key);
}

void OpenListHeap::push(int node, int f) {
  const int index = m_size++;
  m_slot[at(index)] = node;
  m_index[at(node)] = index;
  m_f[at(node)] = f;
  siftUp(index, key(f, index, node));
}

int OpenListHeap::popClosest() {
  const int node = nodeOf(m_heap[0]);
  const int k = m_index[at(node)];
  const int last = --m_size;
  if (m_size > 0) siftDown(0, m_heap[at(last)]);
  // The plain list fills the gap with its last node, which changes that
  // node's index and so its rank among equal f.
  if (k != last) {
    const int moved = m_slot[at(last)];
    m_slot[at(k)] = moved;
    m_index[at(moved)] = k;
    rekey(moved, key(m_f[at(moved)], k, moved));
  }
  return node;
}

void OpenListHeap::lower(int node, int f) {
  m_f[at(node)] = f;
  rekey(node, key(f, m_index[at(node)], node));
}

} // namespace veltra::core
