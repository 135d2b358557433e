#include "core/persist/loop_record.h"

#include "core/persist/wire_table_check.h"

#include <algorithm>
#include <string>

namespace veltra::core {

namespace {

constexpr bool validConnectionField(std::int32_t n) { return n >= 0 && n <= kWires; }

// All four at once (a negative number becomes a huge unsigned one).
bool validConnectionFields(const TCell& c) {
  const auto u = [](std::int32_t n) { return static_cast<std::uint32_t>(n); };
  return std::max({u(c.XE), u(c.XA), u(c.YE), u(c.YA)}) <= static_cast<std::uint32_t>(kWires);
}

void writeCells(ByteWriter& out, const Project::LoopCells& cells) {
  for (int col = 0; col < kCols; ++col)
    for (int row = 0; row < kRows; ++row) {
      const TCell& c = cells[col][row];
      if (c.isEmpty()) continue;
      out.u8(static_cast<std::uint8_t>(col));
      out.u8(static_cast<std::uint8_t>(row));
      out.bytes(&c, sizeof c);
    }
  out.u8(kCellListEnd);
}

void readCells(ByteReader& in, Project::LoopCells& cells) {
  for (;;) {
    const std::uint8_t col = in.u8();
    if (col == kCellListEnd) return;
    const std::uint8_t row = in.u8();
    if (!validCol(col) || !validRow(row))
      in.fail("Ungültige Zellposition (" + std::to_string(col) + ", " + std::to_string(row) + ")");
    // Read in place: on failure the caller drops the whole target anyway.
    TCell& c = cells[col][row];
    in.read(&c, sizeof c);
    if (!validConnectionFields(c))
      for (std::int32_t n : {c.XE, c.XA, c.YE, c.YA})
        if (!validConnectionField(n)) in.fail("Ungültige Verbindungsnummer " + std::to_string(n));
  }
}

void readText(ByteReader& in, std::string& text) {
  const std::int32_t len = in.i32();
  if (len < 0) in.fail("Ungültige Beschreibungslänge " + std::to_string(len));
  in.readString(text, static_cast<std::size_t>(len));
}

void readWires(ByteReader& in, Project::LoopWires& wires, const char* kind) {
  // The quick check looks at the bytes while they are in the read buffer, in
  // cache, rather than in the table they are copied to.
  const std::span<const std::uint8_t> stored = in.peek(kWireTableSize);
  const bool plain = !stored.empty() && plainlyInGrid(stored.first<kWireTableSize>());
  in.read(&wires[1], kWireTableSize);
  if (plain) return;
  if (const int n = firstWireOutsideGrid(wires); n != 0)
    in.fail(std::string("Ungültige ") + kind + " Verbindung " + std::to_string(n));
}

} // namespace

LoopRef loopOf(Project& p, int loop) {
  return {p.Cells[loop], p.XWires[loop], p.YWires[loop], p.LoopText[loop], p.LoopSampleTime[loop]};
}

std::size_t maxLoopRecordSize(const Project& p, int loop) {
  return 4 + kCols * kRows * kCellEntrySize + 1 + 4 + p.LoopText[loop].size() + 2 * kWireTableSize;
}

void writeLoopRecord(ByteWriter& out, const Project& p, int loop) {
  const std::string& text = p.LoopText[loop];
  out.i32(p.LoopSampleTime[loop]);
  writeCells(out, p.Cells[loop]);
  out.i32(static_cast<std::int32_t>(text.size()));
  out.bytes(text.data(), text.size());
  out.bytes(&p.XWires[loop][1], kWireTableSize);
  out.bytes(&p.YWires[loop][1], kWireTableSize);
}

void readLoopRecord(ByteReader& in, const LoopRef& loop) {
  loop.sampleTime = in.i32();
  readCells(in, loop.cells);
  readText(in, loop.text);
  readWires(in, loop.xWires, "analoge");
  readWires(in, loop.yWires, "digitale");
}

} // namespace veltra::core
