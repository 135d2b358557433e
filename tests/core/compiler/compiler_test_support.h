#pragma once

// Building projects for the compiler tests and benchmarks.

#include "model/connection_ops.h"
#include "model/module_ops.h"
#include "model/project.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace veltra::core::test_support {

// A Project is about 15 MB: always on the heap.
inline std::unique_ptr<Project> newProject() { return std::make_unique<Project>(); }

// Places a module with its type's defaults; throws when the place is taken
// or not allowed, so a mistake in a test's layout shows at once.
inline TCell& place(Project& p, int loop, int col, int row, char letter) {
  if (!placeModule(p, loop, col, row, letter))
    throw std::logic_error(std::string("cannot place ") + letter + " at loop " + std::to_string(loop) + " col " +
                           std::to_string(col) + " row " + std::to_string(row));
  TCell& top = p.cell(loop, col, row);
  createModuleDefaults(p, top);
  return top;
}

inline void connect(Project& p, int loop, bool analog, int n, int srcCol, int srcRow, int dstCol, int dstRow) {
  if (!addDestination(p, loop, analog, n, srcCol, srcRow, dstCol, dstRow))
    throw std::logic_error("cannot connect " + std::to_string(n));
}

inline std::int32_t i32At(std::span<const std::uint8_t> b, std::size_t off) {
  std::int32_t v = 0;
  std::memcpy(&v, b.data() + off, 4);
  return v;
}

inline std::uint16_t u16At(std::span<const std::uint8_t> b, std::size_t off) {
  std::uint16_t v = 0;
  std::memcpy(&v, b.data() + off, 2);
  return v;
}

} // namespace veltra::core::test_support
