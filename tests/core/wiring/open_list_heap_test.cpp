#include "wiring/open_list_heap.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace veltra::core {
namespace {

// The plain open list the heap stands for.
struct PlainList {
  struct Entry {
    int node;
    int f;
  };
  std::vector<Entry> list;

  int closest() const {
    int k = 0;
    for (int i = static_cast<int>(list.size()) - 1; i >= 1; --i)
      if (list[static_cast<std::size_t>(i)].f < list[static_cast<std::size_t>(k)].f) k = i;
    return k;
  }
  int pop() {
    const int k = closest();
    const int node = list[static_cast<std::size_t>(k)].node;
    list[static_cast<std::size_t>(k)] = list.back();
    list.pop_back();
    return node;
  }
  int find(int node) const {
    for (std::size_t i = 0; i < list.size(); ++i)
      if (list[i].node == node) return static_cast<int>(i);
    return -1;
  }
};

class OpenListHeapTest : public ::testing::Test {
protected:
  std::unique_ptr<OpenListHeap> heap = std::make_unique<OpenListHeap>();
};

TEST_F(OpenListHeapTest, EqualFPrefersIndexZeroThenHighestIndex) {
  heap->push(10, 5);
  heap->push(11, 5);
  heap->push(12, 5);
  heap->push(13, 5);
  // Index 0 first; its place goes to the last node, 13, which is now index 0.
  EXPECT_EQ(heap->popClosest(), 10);
  EXPECT_EQ(heap->listIndex(13), 0);
  EXPECT_EQ(heap->popClosest(), 13);
  EXPECT_EQ(heap->listIndex(12), 0);
  EXPECT_EQ(heap->popClosest(), 12);
  EXPECT_EQ(heap->popClosest(), 11);
  EXPECT_TRUE(heap->empty());
}

TEST_F(OpenListHeapTest, MovedNodeLosesItsHighRank) {
  heap->push(1, 3);                 // index 0
  heap->push(2, 7);                 // 1
  heap->push(3, 7);                 // 2
  heap->push(4, 9);                 // 3
  heap->push(5, 7);                 // 4
  EXPECT_EQ(heap->popClosest(), 1); // node 5 moves to index 0
  EXPECT_EQ(heap->popClosest(), 5); // index 0 among the 7s; node 4 moves to 0
  EXPECT_EQ(heap->popClosest(), 3); // 4 has 9; among 2 (1) and 3 (2) the higher index
  heap->push(6, 7);                 // index 2
  EXPECT_EQ(heap->popClosest(), 6);
  EXPECT_EQ(heap->popClosest(), 2);
  EXPECT_EQ(heap->popClosest(), 4);
}

TEST_F(OpenListHeapTest, LoweredNodeKeepsItsIndex) {
  heap->push(1, 9);
  heap->push(2, 8);
  heap->push(3, 8);
  heap->lower(1, 8);
  EXPECT_EQ(heap->listIndex(1), 0);
  EXPECT_EQ(heap->popClosest(), 1);
  heap->lower(2, 4);
  EXPECT_EQ(heap->popClosest(), 2);
}

// Random runs with few distinct f values, so that almost every choice is a tie.
TEST_F(OpenListHeapTest, AgreesWithThePlainListOnRandomRuns) {
  std::mt19937_64 rng(12345);
  for (int run = 0; run < 200; ++run) {
    heap->clear();
    PlainList plain;
    std::vector<int> fresh(kFieldCells);
    for (int i = 0; i < kFieldCells; ++i)
      fresh[static_cast<std::size_t>(i)] = i;
    std::shuffle(fresh.begin(), fresh.end(), rng);
    std::size_t nextFresh = 0;
    const int fRange = 1 + static_cast<int>(rng() % 6);
    for (int step = 0; step < 3000; ++step) {
      const int op = static_cast<int>(rng() % 10);
      if (op < 5 && nextFresh < fresh.size()) {
        const int node = fresh[nextFresh++];
        const int f = static_cast<int>(rng() % static_cast<unsigned>(fRange)) * 10;
        heap->push(node, f);
        plain.list.push_back({node, f});
      } else if (op < 7 && !plain.list.empty()) {
        auto& e = plain.list[rng() % plain.list.size()];
        if (e.f > 0) {
          e.f -= 10;
          heap->lower(e.node, e.f);
        }
      } else if (!plain.list.empty()) {
        const int expected = plain.pop();
        ASSERT_EQ(heap->popClosest(), expected) << "run " << run << " step " << step;
      }
      ASSERT_EQ(heap->size(), static_cast<int>(plain.list.size()));
    }
    for (std::size_t i = 0; i < plain.list.size(); ++i) {
      ASSERT_EQ(heap->listIndex(plain.list[i].node), static_cast<int>(i));
      ASSERT_EQ(heap->nodeAt(static_cast<int>(i)), plain.list[i].node);
    }
    while (!plain.list.empty())
      ASSERT_EQ(heap->popClosest(), plain.pop());
  }
}

} // namespace
} // namespace veltra::core
