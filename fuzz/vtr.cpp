// Control loop file reader: any input either loads or throws Error, the same
// whether it is read from one image or in small pieces; what loads is
// written again, and reading that image gives the same image. Taking each
// loop right after its record (as loading does) gives the same tables as the
// passes over the whole project after the file.
#include "core/model/project.h"
#include "core/persist/byte_reader.h"
#include "core/persist/cell_contributions.h"
#include "core/persist/project_file_set.h"
#include "core/persist/vtr_reader.h"
#include "core/persist/vtr_writer.h"
#include "core/util/error.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>

namespace {

using namespace veltra::core;

// Two projects for the whole run (a new 15 MB project per input would be
// far too slow); reading a control loop file replaces all their loops.
Project& project(int i) {
  static std::unique_ptr<Project> p[2] = {std::make_unique<Project>(), std::make_unique<Project>()};
  return *p[i];
}

bool sameTables(const Project& a, const Project& b) {
  for (SignalGroup g : kAllGroups) {
    auto x = a.SignalDesc.group(g);
    auto y = b.SignalDesc.group(g);
    if (std::memcmp(x.data(), y.data(), x.size_bytes()) != 0) return false;
  }
  return a.FWert == b.FWert;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Project& whole = project(0);
  Project& pieces = project(1);
  for (Project* p : {&whole, &pieces}) {
    p->SignalDesc.clear();
    p->FWert.fill(0.0);
  }
  std::string wholeError;
  try {
    readVtr(std::span(data, size), "fuzz.vtr", whole);
  } catch (const Error& e) {
    wholeError = e.what();
  }

  // Piece sizes from 1 to 64 bytes, chosen by the input, so that the piece
  // boundaries fall anywhere in the records.
  std::uint8_t buffer[64];
  const std::size_t pieceSize = 1 + (size > 0 ? data[0] : 0) % sizeof buffer;
  std::size_t offset = 0;
  ByteReader in(
      [&](std::uint8_t* dst, std::size_t n) {
        n = std::min(n, size - offset);
        std::memcpy(dst, data + offset, n);
        offset += n;
        return n;
      },
      {buffer, pieceSize}, "fuzz.vtr");
  CellContributions cells;
  cells.start(pieces);
  std::string piecesError;
  try {
    readVtr(in, pieces, [&](int loop) { cells.take(loop); });
  } catch (const Error& e) {
    piecesError = e.what();
  }
  if (piecesError != wholeError) std::abort();
  if (!wholeError.empty()) return 0;

  adoptModuleTexts(whole);
  whole.BildeFRArray();
  whole.setzeAlleFWerte();
  cells.adoptModuleTexts();
  cells.rebuildConstants();
  const std::string image = writeVtr(whole);
  if (writeVtr(pieces) != image || !sameTables(whole, pieces)) std::abort();

  readVtr(std::span(reinterpret_cast<const std::uint8_t*>(image.data()), image.size()), "x", pieces);
  if (writeVtr(pieces) != image) std::abort();
  return 0;
}
