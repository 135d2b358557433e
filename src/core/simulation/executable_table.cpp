#include "core/simulation/executable_table.h"

#include "core/modules/catalogue.h"
#include "core/online/server_block.h"
#include "core/util/error.h"

#include <algorithm>
#include <string>

namespace veltra::core {

namespace {

[[noreturn]] void damaged(const std::string& what) { throw Error("Die Modultabelle ist beschädigt: " + what); }

std::int32_t readI32(std::span<const std::uint8_t> b, std::size_t at) {
  std::int32_t v;
  std::memcpy(&v, b.data() + at, sizeof v);
  return v;
}

std::string where(int loop, const ExecModule& m) {
  return "Regelkreis " + std::to_string(loop) + ", Modul " + m.letter + " in Spalte " + std::to_string(m.column + 1) +
         ", Zeile " + std::to_string(m.row + 1);
}

void takePorts(int loop, ExecModule& m, const ModuleType& type) {
  for (const PortDef& port : type.ports) {
    const std::int32_t g = m.i32(port.offset);
    if (g < 0 || g > kGlobalConnections)
      damaged(where(loop, m) + ": Verbindung " + std::to_string(g) + " liegt außerhalb 1.." +
              std::to_string(kGlobalConnections) + ".");
    std::array<std::int32_t, 6>& rows = port.kind == PortKind::XE   ? m.xe
                                        : port.kind == PortKind::XA ? m.xa
                                        : port.kind == PortKind::YE ? m.ye
                                                                    : m.ya;
    rows.at(port.row) = g;
  }
}

void checkModule(int loop, const ExecModule& m, const ModuleType& type, int workMemorySize) {
  // The signal or program number at offset 0 of the signal modules (S
  // included); W's program may also be 0, no program.
  if (type.signalGroup || m.letter == 'W') {
    const int first = m.letter == 'W' ? 0 : 1;
    const int last = type.signalGroup ? groupSize(*type.signalGroup) : kPrograms;
    const std::int32_t n = m.i32(0);
    if (n < first || n > last)
      damaged(where(loop, m) + ": Nummer " + std::to_string(n) + " liegt außerhalb " + std::to_string(first) + ".." +
              std::to_string(last) + ".");
  }
  if (m.workSize > 0) {
    const long long end = static_cast<long long>(m.workOffset) + m.workSize;
    if (m.workOffset < 0 || end > workMemorySize)
      damaged(where(loop, m) + ": der Arbeitsspeicher ab Byte " + std::to_string(m.workOffset) + " (" +
              std::to_string(m.workSize) + " Bytes) liegt außerhalb der " + std::to_string(workMemorySize) +
              " Bytes der Steuerung.");
  }
}

} // namespace

ExecutableTable readExecutableTable(std::span<const std::uint8_t> bytes, int workMemorySize) {
  if (bytes.size() < static_cast<std::size_t>(kTimeSwitchBlockSize))
    damaged("sie ist kürzer als der Schaltuhrblock (" + std::to_string(bytes.size()) + " von " +
            std::to_string(kTimeSwitchBlockSize) + " Bytes).");
  ExecutableTable table;
  std::memcpy(table.programs.data(), bytes.data(), kTimeSwitchBlockSize);

  std::size_t pos = kTimeSwitchBlockSize;
  int previousLoop = 0;
  while (pos < bytes.size() && bytes[pos] != 0) {
    if (pos + kLoopHeaderSize > bytes.size())
      damaged("der Kopf des Regelkreisblocks an Byte " + std::to_string(pos) + " reicht über das Tabellenende.");
    const std::int32_t loop = readI32(bytes, pos);
    if (!validLoop(loop))
      damaged("an Byte " + std::to_string(pos) + " steht der Regelkreis " + std::to_string(loop) +
              ", erlaubt sind 1.." + std::to_string(kLoops) + ".");
    if (loop <= previousLoop)
      damaged("Regelkreis " + std::to_string(loop) + " folgt auf Regelkreis " + std::to_string(previousLoop) +
              "; die Regelkreise müssen aufsteigen.");
    previousLoop = loop;
    const std::size_t length = static_cast<std::size_t>(bytes[pos + 8]) | static_cast<std::size_t>(bytes[pos + 9]) << 8;
    if (length < static_cast<std::size_t>(kLoopHeaderSize) || pos + length > bytes.size())
      damaged("der Block von Regelkreis " + std::to_string(loop) + " (" + std::to_string(length) + " Bytes ab Byte " +
              std::to_string(pos) + ") passt nicht in die Tabelle.");
    ExecLoop& l = table.loops.emplace_back();
    l.number = loop;
    l.storedSampleTime = readI32(bytes, pos + 4);
    l.sampleTime = std::max<std::int32_t>(1, l.storedSampleTime);

    const std::size_t end = pos + length;
    std::size_t at = pos + kLoopHeaderSize;
    while (at < end) {
      if (at + kEntryHeaderSize > end)
        damaged("in Regelkreis " + std::to_string(loop) + " reicht der Modulkopf an Byte " + std::to_string(at) +
                " über das Ende des Regelkreisblocks.");
      const char letter = static_cast<char>(bytes[at]);
      const ModuleType* type = moduleType(letter);
      if (type == nullptr)
        damaged("in Regelkreis " + std::to_string(loop) + " steht an Byte " + std::to_string(at) +
                " kein Modulbuchstabe (Wert " + std::to_string(bytes[at]) + ").");
      const std::int32_t position = readI32(bytes, at + 4);
      const std::int32_t entryLength = readI32(bytes, at + 8);
      ExecModule& m = l.modules.emplace_back();
      m.letter = letter;
      m.column = static_cast<std::uint8_t>((position >> 4) & 0xF);
      m.row = static_cast<std::uint8_t>(position & 0xF);
      if (position < 0 || position >= 15 * 16 || m.column > 14 || m.row > 14)
        damaged("in Regelkreis " + std::to_string(loop) + " liegt das Modul " + letter + " an Byte " +
                std::to_string(at) + " außerhalb des Rasters (Position " + std::to_string(position) + ").");
      if (entryLength != type->entryLength())
        damaged(where(loop, m) + ": die Eintragslänge ist " + std::to_string(entryLength) + " statt " +
                std::to_string(type->entryLength()) + " Bytes.");
      if (at + static_cast<std::size_t>(entryLength) > end)
        damaged(where(loop, m) + ": der Eintrag reicht über das Ende des Regelkreisblocks.");
      std::memcpy(m.params.data(), bytes.data() + at + kEntryHeaderSize, type->blockSize);
      if (type->workSize > 0) {
        m.workSize = type->workSize;
        m.workOffset = m.i32(type->workOffset);
      }
      takePorts(loop, m, *type);
      checkModule(loop, m, *type, workMemorySize);
      if (m.workSize > 0) table.workMemoryNeeded = std::max(table.workMemoryNeeded, m.workOffset + m.workSize);
      at += static_cast<std::size_t>(entryLength);
    }
    pos = end;
  }
  if (pos > static_cast<std::size_t>(kMaxTableLength))
    damaged("sie ist " + std::to_string(pos) + " Bytes lang; eine Steuerung fasst höchstens " +
            std::to_string(kMaxTableLength) + " Bytes.");
  // The generator's buffer carries zero bytes after the end marker; a file
  // ends before it. Anything else there is not a table we wrote.
  if (std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(pos), bytes.end(), [](std::uint8_t b) { return b != 0; }))
    damaged("hinter dem letzten Regelkreis (Byte " + std::to_string(pos) + ") stehen noch Daten.");
  return table;
}

} // namespace veltra::core
