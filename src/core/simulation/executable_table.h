#pragma once

#include "core/compiler/module_table.h"
#include "core/model/project.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace veltra::core {

// One module entry of a module table, checked and ready to run: its
// parameter block (the entry's bytes, the rest of the 128 zero) and the
// place of its working memory.
struct ExecModule {
  char letter = 0;
  std::uint8_t column = 0; // 0..14
  std::uint8_t row = 0;    // 0..14, the top cell
  std::int32_t workOffset = -1;
  std::uint16_t workSize = 0;
  std::array<std::uint8_t, kParamsSize> params{};
  // The global connection numbers of the ports by row (1..5; 0 = not
  // connected), taken from the connection fields the catalogue names.
  std::array<std::int32_t, 6> xe{}, xa{}, ye{}, ya{};

  std::int32_t i32(int off) const { return load<std::int32_t>(off); }
  double f64(int off) const { return load<double>(off); }
  std::uint8_t u8(int off) const { return load<std::uint8_t>(off); }

private:
  template <typename T> T load(int off) const {
    T v{};
    if (off >= 0 && off + static_cast<int>(sizeof(T)) <= kParamsSize) std::memcpy(&v, params.data() + off, sizeof v);
    return v;
  }
};

struct ExecLoop {
  int number = 0;     // 1..200
  int sampleTime = 1; // seconds, at least 1
  std::int32_t storedSampleTime = 0;
  std::vector<ExecModule> modules; // in table order
};

// A module table as the controller runs it.
struct ExecutableTable {
  SwitchProgramTable programs{};
  std::vector<ExecLoop> loops;       // in table order, ascending loop numbers
  std::int32_t workMemoryNeeded = 0; // the end of the highest working memory area
};

// Reads the bytes of a ".mtb" file (or the generator's buffer, end marker
// and zero bytes after it included). A table that a controller could not
// run safely is refused with a German message (Error) that names the loop
// and module: shorter than the time switch block, longer than the 32,767
// bytes a controller addresses, loop blocks or entries that leave the table,
// loop numbers out of order, unknown letters, entry lengths that do not
// belong to the letter, positions off the grid, connection or signal
// numbers out of range, working memory outside `workMemorySize` bytes, or
// data after the end marker. Nothing outside `bytes` is ever read.
ExecutableTable readExecutableTable(std::span<const std::uint8_t> bytes, int workMemorySize = kDefaultDataMemorySize);

} // namespace veltra::core
