// Time switch file reader: short input throws Error, anything else gives
// back its first 5120 bytes when written.
#include "core/persist/uhr_reader.h"
#include "core/persist/uhr_writer.h"
#include "core/util/error.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltra::core;
  try {
    const std::string image = writeUhr(readUhr(std::span(data, size), "fuzz.uhr"));
    if (image.size() != 5120 || std::memcmp(image.data(), data, image.size()) != 0) std::abort();
  } catch (const Error&) {
    if (size >= 5120) std::abort();
  }
  return 0;
}
