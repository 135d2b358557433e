#include "core/persist/rkl_writer.h"

#include "core/persist/byte_writer.h"
#include "core/persist/loop_record.h"

namespace veltra::core {

std::string writeRkl(const Project& p, int loop) {
  if (p.loopIsEmpty(loop)) return {};
  ByteWriter out;
  out.reserve(4 + maxLoopRecordSize(p, loop));
  out.i32(kRklVersion);
  writeLoopRecord(out, p, loop);
  return out.take();
}

} // namespace veltra::core
