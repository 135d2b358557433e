#include "core/persist/uhr_reader.h"

#include "core/persist/byte_reader.h"

namespace veltra::core {

SwitchProgramTable readUhr(std::span<const std::uint8_t> bytes, const std::string& fileName) {
  ByteReader in(bytes, fileName);
  SwitchProgramTable table;
  in.read(&table, sizeof table);
  return table;
}

} // namespace veltra::core
