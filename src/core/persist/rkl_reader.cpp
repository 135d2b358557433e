#include "core/persist/rkl_reader.h"

#include "core/persist/byte_reader.h"

namespace veltra::core {

LibraryLoop::LibraryLoop() {
  for (auto& column : cells)
    for (TCell& c : column)
      c.clear();
  for (TWire& w : xWires)
    w.clear();
  for (TWire& w : yWires)
    w.clear();
}

std::unique_ptr<LibraryLoop> readRkl(std::span<const std::uint8_t> bytes, const std::string& fileName) {
  ByteReader in(bytes, fileName);
  in.i32(); // version
  auto loop = std::make_unique<LibraryLoop>();
  readLoopRecord(in, loop->ref());
  return loop;
}

} // namespace veltra::core
