#include "persist/wire_table_check.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

namespace veltra::core {
namespace {

// Coordinates around the edges of the grid and of the 32-bit range, where a
// check that works on the bit patterns could slip.
const std::vector<std::int32_t> kCoordinates = {INT_MIN, INT_MIN + 1, -65536,     -17,         -16,    -15, -2, -1, 0,
                                                1,       13,          14,         15,          16,     17,  31, 32, 255,
                                                65535,   65536,       0x7FFFFFF0, INT_MAX - 1, INT_MAX};

// A table as the editor leaves it: connection 1 used with three
// destinations in the grid, all other slots free (-1, -1).
std::unique_ptr<Project::LoopWires> usualTable() {
  auto wires = std::make_unique<Project::LoopWires>();
  for (TWire& w : *wires)
    w.clear();
  (*wires)[1].src = {0, 0};
  (*wires)[1].dest[0] = {14, 14};
  (*wires)[1].dest[1] = {7, 0};
  (*wires)[1].dest[2] = {0, 13};
  return wires;
}

bool inGrid(std::int32_t col, std::int32_t row) { return validCol(col) && validRow(row); }

TEST(WireTableCheck, TheUsualTablePasses) { EXPECT_EQ(firstWireOutsideGrid(*usualTable()), 0); }

// Every pair of test coordinates at a destination slot of a used connection:
// rejected exactly when the column is not negative and the end lies outside
// the grid.
TEST(WireTableCheck, UsedDestinationSlot) {
  auto wires = usualTable();
  for (std::int32_t col : kCoordinates)
    for (std::int32_t row : kCoordinates) {
      (*wires)[1].dest[11] = {col, row};
      const bool bad = col >= 0 && !inGrid(col, row);
      ASSERT_EQ(firstWireOutsideGrid(*wires), bad ? 1 : 0) << col << ", " << row;
    }
}

TEST(WireTableCheck, SourceOfAUsedConnection) {
  auto wires = usualTable();
  for (std::int32_t col : kCoordinates)
    for (std::int32_t row : kCoordinates) {
      if (col < 0) continue; // the connection would be free
      (*wires)[100].src = {col, row};
      ASSERT_EQ(firstWireOutsideGrid(*wires), inGrid(col, row) ? 0 : 100) << col << ", " << row;
    }
}

TEST(WireTableCheck, AFreeConnectionMayHoldAnything) {
  auto wires = usualTable();
  for (std::int32_t col : kCoordinates)
    for (std::int32_t row : kCoordinates) {
      (*wires)[50].src = {-1 - (col & 0xFF), row};
      (*wires)[50].dest[19] = {col, row};
      ASSERT_EQ(firstWireOutsideGrid(*wires), 0) << col << ", " << row;
    }
}

TEST(WireTableCheck, NamesTheFirstBadConnection) {
  auto wires = usualTable();
  (*wires)[99].src = {3, 3};
  (*wires)[99].dest[0] = {3, 15};
  (*wires)[42].src = {15, 3};
  EXPECT_EQ(firstWireOutsideGrid(*wires), 42);
}

} // namespace
} // namespace veltra::core
