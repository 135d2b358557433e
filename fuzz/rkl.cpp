// Library file reader: any input either loads or throws Error; a loaded
// library saved again reads back to the same file.
#include "core/model/project.h"
#include "core/persist/library_file.h"
#include "core/persist/rkl_reader.h"
#include "core/persist/rkl_writer.h"
#include "core/util/error.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

namespace {

std::span<const std::uint8_t> bytesOf(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltra::core;
  static auto p = std::make_unique<Project>();
  std::unique_ptr<LibraryLoop> lib;
  try {
    lib = readRkl(std::span(data, size), "fuzz.rkl");
  } catch (const Error&) {
    return 0;
  }
  p->clearLoop(1);
  p->clearLoop(2);
  applyLibrary(*p, 1, *lib);
  const std::string image = writeRkl(*p, 1);
  if (image.empty()) return 0; // a library without modules saves as 0 bytes
  applyLibrary(*p, 2, *readRkl(bytesOf(image), "x"));
  if (writeRkl(*p, 2) != image) std::abort();
  return 0;
}
