#include "persist/library_file.h"

#include "persist/rkl_reader.h"
#include "persist/rkl_writer.h"
#include "util/error.h"
#include "util/file_io.h"

#include <string>

namespace veltra::core {

namespace {

void checkLoop(int loop) {
  if (!validLoop(loop)) throw Error("Ungültige Regelkreisnummer " + std::to_string(loop));
}

void commit(Project& p, int loop, const LibraryLoop& lib) {
  p.Cells[loop] = lib.cells;
  p.XWires[loop] = lib.xWires;
  p.YWires[loop] = lib.yWires;
  p.LoopText[loop] = lib.text;
  p.LoopSampleTime[loop] = lib.sampleTime;
}

} // namespace

void saveLibrary(Project& p, int loop, const std::filesystem::path& path) {
  checkLoop(loop);
  p.clearErrors(loop);
  writeFileAtomic(path, writeRkl(p, loop));
}

void loadLibrary(Project& p, int loop, const std::filesystem::path& path) {
  checkLoop(loop);
  if (!p.loopIsEmpty(loop))
    throw Error("Regelkreis " + std::to_string(loop) +
                " ist nicht leer: eine Library kann nur in einen leeren Regelkreis geladen werden.");
  std::unique_ptr<LibraryLoop> lib = readRkl(readFileBytes(path), path.filename().string());
  commit(p, loop, *lib);
  p.clearErrors(loop);
  p.copySignalTextsIntoModules(loop);
  p.Modified = true;
}

} // namespace veltra::core
