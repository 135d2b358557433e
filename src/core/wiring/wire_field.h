#pragma once

#include "core/model/limits.h"

#include <array>
#include <cstdint>

namespace veltra::core {

// The router works on sub-cells: five per grid cell in each direction.
inline constexpr int kSubPerCell = 5;
inline constexpr int kFieldSize = kCols * kSubPerCell; // 75
inline constexpr int kFieldCells = kFieldSize * kFieldSize;

inline constexpr bool inField(int i, int j) { return i >= 0 && i < kFieldSize && j >= 0 && j < kFieldSize; }

// State byte of a sub-cell.
inline constexpr std::uint8_t kFree = 0;
inline constexpr std::uint8_t kWire = 1;
inline constexpr std::uint8_t kBlocked = 2; // module area

// The byte naming a connection in the field: analog n is n, digital n is
// n + 128, so that ids below 128 are analog.
inline constexpr std::uint8_t analogId(int n) { return static_cast<std::uint8_t>(n); }
inline constexpr std::uint8_t digitalId(int n) { return static_cast<std::uint8_t>(n + 128); }

// Where lines meet a cell: the middle of its right edge (output) and of its
// left edge (input). Both lie inside the cell's module area.
inline constexpr int outputPointX(int col) { return kSubPerCell * col + 4; }
inline constexpr int inputPointX(int col) { return kSubPerCell * col; }
inline constexpr int pointY(int row) { return kSubPerCell * row + 2; }

// One sub-cell: its state and, per side, the id of the connection whose line
// leaves through that side (0 = none).
struct TWireCell {
  std::uint8_t state;
  std::uint8_t left;
  std::uint8_t right;
  std::uint8_t bottom;
  std::uint8_t top;

  bool operator==(const TWireCell&) const = default;
};
static_assert(sizeof(TWireCell) == 5);

// 75 x 75 sub-cells, indexed [i][j] with i the column (x) and j the row (y).
// A plain value: the owner keeps one per shown loop and rebuilds it.
class WireField {
public:
  using Column = std::array<TWireCell, kFieldSize>;

  Column& operator[](int i) { return m_cells[static_cast<std::size_t>(i)]; }
  const Column& operator[](int i) const { return m_cells[static_cast<std::size_t>(i)]; }
  TWireCell& at(int i, int j) { return (*this)[i][static_cast<std::size_t>(j)]; }
  const TWireCell& at(int i, int j) const { return (*this)[i][static_cast<std::size_t>(j)]; }

  bool operator==(const WireField&) const = default;

private:
  std::array<Column, kFieldSize> m_cells{};
};

} // namespace veltra::core
