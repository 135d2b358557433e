// Signal description file reader: any text reads without fault; the tables
// written and read again give the same file.
#include "core/model/project.h"
#include "core/persist/desc_reader.h"
#include "core/persist/desc_writer.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltra::core;
  static auto first = std::make_unique<SignalTables>();
  static auto second = std::make_unique<SignalTables>();
  first->clear();
  readDesc(std::string_view(reinterpret_cast<const char*>(data), size), *first);
  const std::string text = writeDesc(*first);
  second->clear();
  readDesc(text, *second);
  if (writeDesc(*second) != text) std::abort();
  return 0;
}
