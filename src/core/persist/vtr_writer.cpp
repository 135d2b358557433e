#include "core/persist/vtr_writer.h"

#include "core/persist/byte_writer.h"
#include "core/persist/loop_record.h"

#include <array>

namespace veltra::core {

std::string writeVtr(const Project& p) {
  std::array<bool, kLoops + 1> used{};
  std::size_t capacity = 8;
  for (int loop = 1; loop <= kLoops; ++loop) {
    used[loop] = !p.loopIsEmpty(loop);
    if (used[loop]) capacity += 4 + maxLoopRecordSize(p, loop);
  }
  ByteWriter out;
  out.reserve(capacity);
  out.i32(kVtrVersion);
  for (int loop = 1; loop <= kLoops; ++loop) {
    if (!used[loop]) continue;
    out.i32(loop);
    writeLoopRecord(out, p, loop);
  }
  out.i32(kVtrEndMarker);
  return out.take();
}

} // namespace veltra::core
