#pragma once

// Building projects for the compiler tests and benchmarks.

#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/model/project.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace veltra::core::test_support {

// A Project is about 15 MB: always on the heap.
inline std::unique_ptr<Project> newProject() { return std::make_unique<Project>(); }

// Places a module with its type's defaults; throws when the place is taken, so a layout slip shows at once.
inline TCell& place(Project& p, int loop, int col, int row, char letter) {
  if (!placeModule(p, loop, col, row, letter)) throw std::logic_error(std::string("cannot place ") + letter);
  TCell& top = p.cell(loop, col, row);
  createModuleDefaults(p, top);
  return top;
}

inline void connect(Project& p, int loop, bool analog, int n, int srcCol, int srcRow, int dstCol, int dstRow) {
  if (!addDestination(p, loop, analog, n, srcCol, srcRow, dstCol, dstRow)) throw std::logic_error("cannot connect");
}

// The little-endian 32-bit value of the table at `off`.
inline std::int32_t i32At(std::span<const std::uint8_t> b, std::size_t off) {
  std::int32_t v{};
  std::memcpy(&v, b.data() + off, sizeof v);
  return v;
}

} // namespace veltra::core::test_support
