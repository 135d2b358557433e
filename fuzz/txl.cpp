// Text annotation file reader: any text reads without fault, and the list
// written and read again is the same list.
#include "core/persist/txl_reader.h"
#include "core/persist/txl_writer.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltra::core;
  const auto list = readTxl(std::string_view(reinterpret_cast<const char*>(data), size));
  if (readTxl(writeTxl(list)) != list) std::abort();
  return 0;
}
