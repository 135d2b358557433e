#include "persist/vtr_reader.h"

#include "persist/byte_reader.h"
#include "persist/loop_record.h"

namespace veltra::core {

void readVtr(std::span<const std::uint8_t> bytes, const std::string& fileName, Project& into) {
  ByteReader in(bytes, fileName);
  in.i32(); // version
  for (;;) {
    const std::int32_t loop = in.i32();
    if (loop < 0) return;
    if (loop == 0) continue;
    if (!validLoop(loop)) in.fail("Ungültige Regelkreisnummer " + std::to_string(loop));
    readLoopRecord(in, loopOf(into, loop));
  }
}

} // namespace veltra::core
