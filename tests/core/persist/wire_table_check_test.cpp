#include "core/persist/wire_table_check.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

namespace veltra::core::test {
namespace {

// Around the edges of the grid and of the 32-bit range, where a check that
// works on the bit patterns could slip.
const std::vector<std::int32_t> kCoordinates = {INT_MIN, INT_MIN + 1, -65536,     -17,         -16,    -15, -2, -1, 0,
                                                1,       13,          14,         15,          16,     17,  31, 32, 255,
                                                65535,   65536,       0x7FFFFFF0, INT_MAX - 1, INT_MAX};

// Connection 1 used with destinations in the grid, the others free; then
// every pair of coordinates at a used destination slot, a used source and
// a free connection. Bad exactly where a used end lies outside the grid.
TEST(WireTableCheck, RejectsExactlyTheUsedEndsOutsideTheGrid) {
  auto wires = std::make_unique<Project::LoopWires>();
  for (TWire& w : *wires)
    w.clear();
  (*wires)[1].src = {0, 0};
  (*wires)[1].dest[0] = {14, 14};
  (*wires)[1].dest[1] = {7, 0};
  EXPECT_EQ(firstWireOutsideGrid(*wires), 0);
  for (std::int32_t col : kCoordinates)
    for (std::int32_t row : kCoordinates) {
      const bool inGrid = validCol(col) && validRow(row);
      (*wires)[1].dest[11] = {col, row};
      ASSERT_EQ(firstWireOutsideGrid(*wires), col >= 0 && !inGrid ? 1 : 0) << col << ", " << row;
      (*wires)[1].dest[11] = {-1, -1};
      (*wires)[50].src = {-1 - (col & 0xFF), row};
      (*wires)[50].dest[19] = {col, row};
      ASSERT_EQ(firstWireOutsideGrid(*wires), 0) << col << ", " << row;
      (*wires)[50].clear();
      if (col < 0) continue; // the connection would be free
      (*wires)[100].src = {col, row};
      ASSERT_EQ(firstWireOutsideGrid(*wires), inGrid ? 0 : 100) << col << ", " << row;
      (*wires)[100].clear();
    }
  (*wires)[99].src = {3, 3};
  (*wires)[99].dest[0] = {3, 15};
  (*wires)[42].src = {15, 3};
  EXPECT_EQ(firstWireOutsideGrid(*wires), 42); // the first bad one
}

} // namespace
} // namespace veltra::core::test
