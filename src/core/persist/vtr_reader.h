#pragma once

#include "core/model/project.h"
#include "core/persist/byte_reader.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace veltra::core {

// Reads a control loop file into `into`, replacing all its loops: the
// version is ignored; loop number 0 is skipped, a negative number ends the
// file (anything after it is ignored); each other number must be 1..200 and
// is followed by a loop record. A file whose first number after the zeros
// is out of range, or is the end mark with bytes after it before any loop
// record, is refused as "Die Datei <name> ist keine Projektdatei.". Every loop ends up as an empty loop (the
// loop part of InitRKreise) with the file's records read over it, whatever
// `into` held before. Throws Error ("Stream-Lesefehler" when the data end
// early, a message naming the fault and the file otherwise); `into` is then
// partly filled and should be dropped. `afterRecord`, when given, is called
// with the loop number right after each loop record has been read.
using AfterLoopRecord = std::function<void(int loop)>;
void readVtr(ByteReader& in, Project& into, const AfterLoopRecord& afterRecord = {});
void readVtr(std::span<const std::uint8_t> bytes, const std::string& fileName, Project& into);

} // namespace veltra::core
