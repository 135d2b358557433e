// Project data sheet reader: short input throws Error, anything else gives
// back its first 243 bytes when written, and every field reads within bounds.
#include "core/persist/vtp_reader.h"
#include "core/persist/vtp_writer.h"
#include "core/util/error.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltra::core;
  try {
    const TProjectData d = readVtp(std::span(data, size), "fuzz.vtp");
    const std::size_t chars = d.projectName.str().size() + d.designation.str().size() + d.engineer.str().size() +
                              d.date.str().size() + d.customer.str().size() + d.street.str().size() +
                              d.postalCode.str().size() + d.town.str().size();
    if (chars > 235) std::abort();
    const std::string image = writeVtp(d);
    if (image.size() != 243 || std::memcmp(image.data(), data, image.size()) != 0) std::abort();
  } catch (const Error&) {
    if (size >= 243) std::abort();
  }
  return 0;
}
