#pragma once

#include "core/model/project.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veltra::core {

// Layout of the module table the controller executes.
inline constexpr int kModuleTableBufferSize = 262144;
inline constexpr int kTimeSwitchBlockSize = 5120; // 32 programs x 10 points x 16 bytes
inline constexpr int kMaxTableLength = 32767;     // the controller addresses the table with 16 bits
inline constexpr int kMaxLoopBlockLength = 65535; // 16-bit length field of a loop header
inline constexpr int kLoopHeaderSize = 12;
inline constexpr int kEntryHeaderSize = 12;
inline constexpr int kDefaultDataMemorySize = 262144;

using TableChecksum = std::array<std::uint32_t, 4>;

// The checksum of a table as stored in a ".mtb" file: byte i after the time
// switch block is added to word i mod 4 (the end marker after the file's
// bytes is zero and adds nothing).
TableChecksum tableChecksum(std::span<const std::uint8_t> table);

// What one run of the generator produced. `messages` are German UTF-8 texts
// for the engineer (empty when there is nothing to say).
struct CompileResult {
  bool anythingWritten = false;    // at least one loop block
  bool tableTooLarge = false;      // refused: nothing may be written to a file
  bool workMemoryExceeded = false; // WorkMemoryUsed > DataMemorySize; the table is still usable
  std::int32_t tableLength = 0;    // offset of the end marker; 0 when refused
  std::int32_t requiredLength = 0; // the length the table needs; above kMaxTableLength when refused
  std::int32_t workMemoryUsed = 0;
  // For a refused table, the checksum of the table the project would need:
  // it still identifies the project and matches no table a controller holds.
  TableChecksum checksum{};
  std::vector<std::string> messages;
  // A table worth loading into the controller: something was written, it
  // fits, and the working memory suffices.
  bool success = false;
};

// The module table generator. Owns the 262,144-byte buffer, reused by every
// run; nothing of an earlier run survives a new one.
class ModuleTable {
public:
  ModuleTable();

  // Builds the table from the project. Fills the connection fields and work
  // memory fields of the compiled modules' params in place (the controller
  // and the live view read them), but does not set Modified.
  CompileResult ErzeugeModulTabelle(Project& project, int dataMemorySize = kDefaultDataMemorySize);
  // The same run, for callers that only need the checksum.
  TableChecksum BuildChecksum(Project& project, int dataMemorySize = kDefaultDataMemorySize);

  // The table as written to the ".mtb" file: the first TableLength bytes.
  std::span<const std::uint8_t> tableBytes() const;
  // The whole buffer, end marker included at tableBytes().size().
  std::span<const std::uint8_t> buffer() const { return m_buffer; }
  std::int32_t TableLength() const { return m_tableLength; }
  std::int32_t WorkMemoryUsed() const { return m_workMemoryUsed; }
  const TableChecksum& Checksum() const { return m_checksum; }
  // Whether the last run produced a table that may be written to a file.
  bool canBeWritten() const { return m_anythingWritten && !m_tooLarge; }

private:
  void copyTimeSwitchBlock(const Project& project);

  std::vector<std::uint8_t> m_buffer;
  std::int32_t m_tableLength = 0;
  std::int32_t m_workMemoryUsed = 0;
  TableChecksum m_checksum{};
  bool m_anythingWritten = false;
  bool m_tooLarge = false;
};

} // namespace veltra::core
