#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace veltra::core {

// A readable listing of a module table (the bytes of a ".mtb" file): the
// used switching points, then every loop block with its header and each
// module entry with its parameter bytes in hex. Damaged structure is shown
// as such, never read past the given bytes. Meant for test failure messages
// and for looking into a table by hand.
std::string dumpModuleTable(std::span<const std::uint8_t> table);

} // namespace veltra::core
