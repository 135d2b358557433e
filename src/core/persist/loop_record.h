#pragma once

#include "core/model/project.h"
#include "core/persist/byte_reader.h"
#include "core/persist/byte_writer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace veltra::core {

// The tables of one control loop, by reference, so that a loop record can be
// read straight into a project or into a staging copy.
struct LoopRef {
  Project::LoopCells& cells;
  Project::LoopWires& xWires;
  Project::LoopWires& yWires;
  std::string& text;
  std::int32_t& sampleTime;
};

LoopRef loopOf(Project& p, int loop);

// The body of a loop record, shared by the control loop file (after the loop
// number) and the library file (after the version): sample time, one
// 174-byte entry (column, row, TCell) per non-empty cell, columns outer,
// byte 0xFF, description length and bytes, the 100 analog and the 100
// digital TWire records.
inline constexpr std::uint8_t kCellListEnd = 0xFF;
inline constexpr std::size_t kCellEntrySize = 2 + sizeof(TCell);
inline constexpr std::size_t kWireTableSize = kWires * sizeof(TWire);

// Upper bound of the bytes writeLoopRecord appends for `loop`.
std::size_t maxLoopRecordSize(const Project& p, int loop);

void writeLoopRecord(ByteWriter& out, const Project& p, int loop);

// Reads a record body into `loop`: cell entries overwrite the cells they
// name, the other cells are left alone. Rejects cell positions outside the
// grid, negative description lengths, connection numbers outside 0..100 and
// used connection ends outside the grid; a record that ends early throws
// "Stream-Lesefehler". On failure `loop` may be partly written: read into a
// copy that is discarded on error.
void readLoopRecord(ByteReader& in, const LoopRef& loop);

} // namespace veltra::core
