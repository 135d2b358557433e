#include "core/persist/vtr_reader.h"

#include "core/persist/loop_record.h"
#include "core/util/error.h"

#include <array>

namespace veltra::core {

namespace {

[[noreturn]] void throwNotAProject(const ByteReader& in) {
  throw Error("Die Datei " + in.fileName() + " ist keine Projektdatei.");
}

} // namespace

void readVtr(ByteReader& in, Project& into, const AfterLoopRecord& afterRecord) {
  // The first record of a loop gives all of it: the description, sample
  // time and both connection tables whole, and the cells it does not name
  // are empty; so a loop is emptied only when its first record comes, with
  // the tables about to be written anyway. A further record of the same loop
  // only overwrites. The loops the file does not name are reset at the end.
  std::array<bool, kLoops + 1> named{};
  bool anyRecord = false;
  in.i32(); // version
  for (;;) {
    const std::int32_t loop = in.i32();
    // Files in the field may carry anything after their end mark, and an
    // empty project is nothing but version and end mark; but an end mark
    // before any loop with bytes after it, or a first loop number out of
    // range, is what a file of other content looks like.
    if (loop < 0) {
      if (!anyRecord && !in.atEnd()) throwNotAProject(in);
      break;
    }
    if (loop == 0) continue;
    if (!validLoop(loop)) {
      if (!anyRecord) throwNotAProject(in);
      in.fail("Ungültige Regelkreisnummer " + std::to_string(loop));
    }
    anyRecord = true;
    if (!named[loop]) into.emptyCells(loop);
    named[loop] = true;
    readLoopRecord(in, loopOf(into, loop));
    if (afterRecord) afterRecord(loop);
  }
  for (int loop = 1; loop <= kLoops; ++loop)
    if (!named[loop]) into.resetLoop(loop);
}

void readVtr(std::span<const std::uint8_t> bytes, const std::string& fileName, Project& into) {
  ByteReader in(bytes, fileName);
  readVtr(in, into);
}

} // namespace veltra::core
