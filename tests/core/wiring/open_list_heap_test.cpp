#include "core/wiring/open_list_heap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace veltra::core {
namespace {

// Random runs against the plain open list, with few distinct f values so
// that almost every choice is a tie: of equal f, index 0 first, then the
// highest index; a popped node's place goes to the last node.
TEST(OpenListHeap, AgreesWithThePlainListOnRandomRuns) {
  struct Entry {
    int node, f;
  };
  std::vector<Entry> plain;
  auto popPlain = [&] {
    std::size_t k = 0;
    for (std::size_t i = plain.size() - 1; i >= 1; --i)
      if (plain[i].f < plain[k].f) k = i;
    const int node = plain[k].node;
    plain[k] = plain.back();
    plain.pop_back();
    return node;
  };
  auto heap = std::make_unique<OpenListHeap>();
  std::mt19937_64 rng(12345);
  for (int run = 0; run < 200; ++run) {
    heap->clear();
    plain.clear();
    std::vector<int> fresh(kFieldCells);
    std::iota(fresh.begin(), fresh.end(), 0);
    std::shuffle(fresh.begin(), fresh.end(), rng);
    const int fRange = 1 + static_cast<int>(rng() % 6);
    for (int step = 0; step < 3000; ++step) {
      const int op = static_cast<int>(rng() % 10);
      if (op < 5 && !fresh.empty()) {
        plain.push_back({fresh.back(), static_cast<int>(rng() % static_cast<unsigned>(fRange)) * 10});
        fresh.pop_back();
        heap->push(plain.back().node, plain.back().f);
      } else if (op < 7 && !plain.empty()) {
        Entry& e = plain[rng() % plain.size()];
        if (e.f > 0) heap->lower(e.node, e.f -= 10);
      } else if (!plain.empty()) {
        ASSERT_EQ(heap->popClosest(), popPlain()) << "run " << run << " step " << step;
      }
      ASSERT_EQ(heap->size(), static_cast<int>(plain.size()));
    }
    for (std::size_t i = 0; i < plain.size(); ++i) {
      ASSERT_EQ(heap->listIndex(plain[i].node), static_cast<int>(i));
      ASSERT_EQ(heap->nodeAt(static_cast<int>(i)), plain[i].node);
    }
    while (!plain.empty())
      ASSERT_EQ(heap->popClosest(), popPlain());
  }
}

} // namespace
} // namespace veltra::core
