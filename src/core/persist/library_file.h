#pragma once

#include "core/model/project.h"
#include "core/persist/rkl_reader.h"

#include <filesystem>

namespace veltra::core {

// "Library speichern": clears the error codes of `loop` and writes it as a
// library file; a loop without modules gives a 0-byte file. The previous
// file survives a failure. Throws Error(`Datei "<name>" kann nicht erstellt
// werden. <reason>`).
void saveLibrary(Project& p, int loop, const std::filesystem::path& path);

// "Library laden": reads a library into `loop`, which must hold no module
// (otherwise throws, naming the loop, and reads nothing). The whole file is
// read before the loop is touched, so a damaged or short file
// ("Stream-Lesefehler") leaves the project unchanged. Afterwards the loop
// has the library's modules, connections, description and sample time,
// error codes 0 and, in its signal modules, the descriptions of `p`; FWert
// is not rebuilt. Sets Modified.
void loadLibrary(Project& p, int loop, const std::filesystem::path& path);

// The part of loadLibrary after the file has been read: copies `lib` into
// the empty `loop` and takes the descriptions of `p` into its signal
// modules. Throws, changing nothing, when the loop holds a module.
void applyLibrary(Project& p, int loop, const LibraryLoop& lib);

} // namespace veltra::core
