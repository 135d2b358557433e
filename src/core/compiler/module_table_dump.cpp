#include "core/compiler/module_table_dump.h"

#include "core/compiler/module_table.h"

#include <cstdio>
#include <cstring>

namespace veltra::core {

namespace {

using Bytes = std::span<const std::uint8_t>;

std::int32_t i32At(Bytes b, std::size_t off) {
  std::int32_t v = 0;
  std::memcpy(&v, b.data() + off, 4);
  return v;
}

std::uint16_t u16At(Bytes b, std::size_t off) {
  std::uint16_t v = 0;
  std::memcpy(&v, b.data() + off, 2);
  return v;
}

std::string format(const char* fmt, auto... args) {
  char line[160];
  std::snprintf(line, sizeof line, fmt, args...);
  return line;
}

// Hex lines of 16 bytes, each with its offset from `base` (within the entry).
void hexLines(std::string& out, Bytes b, const char* indent) {
  for (std::size_t i = 0; i < b.size(); i += 16) {
    out += indent;
    out += format("+%03zu:", i);
    for (std::size_t k = i; k < i + 16 && k < b.size(); ++k)
      out += format(" %02x", b[k]);
    out += '\n';
  }
}

void dumpTimeSwitchBlock(std::string& out, Bytes b) {
  out += format("Schaltuhren @0..%d\n", kTimeSwitchBlockSize - 1);
  for (int slot = 0; slot < kTimeSwitchBlockSize / 16; ++slot) {
    Bytes s = b.subspan(static_cast<std::size_t>(slot) * 16, 16);
    bool any = false;
    for (std::uint8_t v : s)
      any = any || v != 0;
    if (!any) continue;
    out += format("  Programm %d Punkt %d: Zustand %u Tage %d %02d:%02d", slot / 10 + 1, slot % 10 + 1, s[0],
                  i32At(s, 4), i32At(s, 8), i32At(s, 12));
    if (s[1] != 0 || s[2] != 0 || s[3] != 0) out += format(" FÜLLBYTES %02x %02x %02x", s[1], s[2], s[3]);
    out += '\n';
  }
}

void dumpEntries(std::string& out, Bytes b, std::size_t pos, std::size_t end) {
  while (pos < end) {
    if (end - pos < static_cast<std::size_t>(kEntryHeaderSize)) {
      out += format("  @%zu Rest ohne Eintragskopf:\n", pos);
      hexLines(out, b.subspan(pos, end - pos), "    ");
      return;
    }
    const std::uint8_t letter = b[pos];
    const std::int32_t position = i32At(b, pos + 4);
    const std::int32_t length = i32At(b, pos + 8);
    out += format("  @%zu %c Position %d (Spalte %d Zeile %d) Länge %d", pos,
                  letter >= 32 && letter < 127 ? letter : '?', position, position / 16, position % 16, length);
    if (b[pos + 1] != 0 || b[pos + 2] != 0 || b[pos + 3] != 0) out += " FÜLLBYTES";
    out += '\n';
    if (length < kEntryHeaderSize || static_cast<std::size_t>(length) > end - pos) {
      out += "    Eintragslänge passt nicht in den Block:\n";
      hexLines(out, b.subspan(pos + kEntryHeaderSize, end - pos - kEntryHeaderSize), "    ");
      return;
    }
    hexLines(out, b.subspan(pos + kEntryHeaderSize, static_cast<std::size_t>(length - kEntryHeaderSize)), "    ");
    pos += static_cast<std::size_t>(length);
  }
}

} // namespace

std::string dumpModuleTable(Bytes b) {
  std::string out = format("Modultabelle, %zu Bytes\n", b.size());
  if (b.size() < static_cast<std::size_t>(kTimeSwitchBlockSize)) {
    out += "Kürzer als der Schaltuhrblock:\n";
    hexLines(out, b, "  ");
    return out;
  }
  dumpTimeSwitchBlock(out, b);
  std::size_t pos = kTimeSwitchBlockSize;
  while (pos < b.size()) {
    if (b.size() - pos < static_cast<std::size_t>(kLoopHeaderSize)) {
      out += format("@%zu Rest ohne Regelkreiskopf:\n", pos);
      hexLines(out, b.subspan(pos), "  ");
      return out;
    }
    const std::size_t length = u16At(b, pos + 8);
    out += format("@%zu Regelkreis %d Abtastzeit %d Länge %zu", pos, i32At(b, pos), i32At(b, pos + 4), length);
    if (u16At(b, pos + 10) != 0) out += " FÜLLBYTES";
    out += '\n';
    if (length < static_cast<std::size_t>(kLoopHeaderSize) || length > b.size() - pos) {
      out += "  Blocklänge passt nicht in die Tabelle; der Rest:\n";
      hexLines(out, b.subspan(pos + kLoopHeaderSize), "  ");
      return out;
    }
    dumpEntries(out, b, pos + kLoopHeaderSize, pos + length);
    pos += length;
  }
  out += format("@%zu Ende\n", pos);
  return out;
}

} // namespace veltra::core
