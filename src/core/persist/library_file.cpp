#include "core/persist/library_file.h"

#include "core/persist/rkl_writer.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <string>

namespace veltra::core {

namespace {

void checkLoop(int loop) {
  if (!validLoop(loop)) throw Error("Ungültige Regelkreisnummer " + std::to_string(loop));
}

void checkEmpty(const Project& p, int loop) {
  checkLoop(loop);
  if (!p.loopIsEmpty(loop))
    throw Error("Regelkreis " + std::to_string(loop) +
                " ist nicht leer: eine Library kann nur in einen leeren Regelkreis geladen werden.");
}

} // namespace

void saveLibrary(Project& p, int loop, const std::filesystem::path& path) {
  checkLoop(loop);
  p.clearErrors(loop);
  writeFileAtomic(path, writeRkl(p, loop));
}

void loadLibrary(Project& p, int loop, const std::filesystem::path& path) {
  checkEmpty(p, loop);
  applyLibrary(p, loop, *readRkl(readFileBytes(path), path.filename().string()));
}

void applyLibrary(Project& p, int loop, const LibraryLoop& lib) {
  checkEmpty(p, loop);
  p.Cells[loop] = lib.cells;
  p.XWires[loop] = lib.xWires;
  p.YWires[loop] = lib.yWires;
  p.LoopText[loop] = lib.text;
  p.LoopSampleTime[loop] = lib.sampleTime;
  p.clearErrors(loop);
  p.copySignalTextsIntoModules(loop);
  p.Modified = true;
}

} // namespace veltra::core
