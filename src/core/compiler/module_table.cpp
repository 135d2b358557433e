#include "core/compiler/module_table.h"

#include "core/modules/catalogue.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace veltra::core {

// No type has a block beyond its params, so even a loop filled with the
// largest entry in every cell stays within the 16-bit loop length field:
// the loop block limit can never be reached before the table limit.
static_assert(kLoopHeaderSize + kCols * kRows * (kEntryHeaderSize + kParamsSize) <= kMaxLoopBlockLength);
static_assert(kMaxTableLength < kModuleTableBufferSize);

namespace {

// Appends bytes at the running table position. Every byte counts for the
// checksum, but only bytes that lie within the addressable table are stored,
// so a table that grows too large never touches memory past its limit.
class Emitter {
public:
  explicit Emitter(std::vector<std::uint8_t>& buffer) : m_buffer(buffer) {}

  std::int64_t pos() const { return m_pos; }
  const TableChecksum& checksum() const { return m_checksum; }

  void put(const void* data, std::size_t n) {
    putAt(m_pos, data, n);
    m_pos += static_cast<std::int64_t>(n);
  }
  void putI32(std::int32_t v) { put(&v, sizeof v); }
  void putZeros(std::size_t n) { m_pos += static_cast<std::int64_t>(n); }
  // Fills in a field of zeros that was emitted earlier.
  void patch(std::int64_t at, const void* data, std::size_t n) { putAt(at, data, n); }

private:
  void putAt(std::int64_t at, const void* data, std::size_t n) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < n; ++i) {
      const std::int64_t off = at + static_cast<std::int64_t>(i);
      m_checksum[static_cast<std::size_t>((off - kTimeSwitchBlockSize) & 3)] += bytes[i];
      if (off < kMaxTableLength) m_buffer[static_cast<std::size_t>(off)] = bytes[i];
    }
  }

  std::vector<std::uint8_t>& m_buffer;
  std::int64_t m_pos = kTimeSwitchBlockSize;
  TableChecksum m_checksum{};
};

std::int32_t rowField(const TCell& c, PortKind kind) {
  switch (kind) {
  case PortKind::XE:
    return c.XE;
  case PortKind::XA:
    return c.XA;
  case PortKind::YE:
    return c.YE;
  case PortKind::YA:
    return c.YA;
  }
  return 0;
}

// Inputs and gates whose output drives nothing do nothing in the controller.
bool passedOver(const TCell& top) {
  switch (top.letter) {
  case 'I':
  case 'O':
  case 'U':
  case 'X':
    return top.YA <= 0;
  default:
    return false;
  }
}

struct InvalidConnection {
  int count = 0;
  int loop = 0, col = 0, row = 0;
  std::int32_t value = 0;
};

// Writes the global number of every port's connection into the module's
// params. A port without a connection gets 0, so that a removed connection
// does not stay coupled in the controller; so does a row field that is no
// connection number at all (only in a damaged file), or a row that lies
// below the grid.
void fillConnectionFields(Project& p, const ModuleType& type, int loop, int col, int row, InvalidConnection& bad) {
  TCell& top = p.cell(loop, col, row);
  for (const PortDef& port : type.ports) {
    const int r = row + port.row - 1;
    const std::int32_t local = validRow(r) ? rowField(p.cell(loop, col, r), port.kind) : 0;
    std::int32_t global = 0;
    if (validWire(local)) {
      global = local + (loop - 1) * kWires;
    } else if (local != 0) {
      if (bad.count++ == 0) bad = {1, loop, col, r, local};
    }
    top.setI32(port.offset, global);
  }
}

std::string invalidConnectionMessage(const InvalidConnection& bad) {
  return std::to_string(bad.count) +
         " Anschluss/Anschlüsse mit ungültiger Verbindungsnummer wurden als unbelegt übernommen (zuerst Regelkreis " +
         std::to_string(bad.loop) + ", Zeile " + std::to_string(bad.row + 1) + ", Spalte " +
         std::to_string(bad.col + 1) + ": " + std::to_string(bad.value) + ").";
}

} // namespace

ModuleTable::ModuleTable() : m_buffer(kModuleTableBufferSize, 0) {}

std::span<const std::uint8_t> ModuleTable::tableBytes() const {
  return std::span<const std::uint8_t>(m_buffer).first(static_cast<std::size_t>(m_tableLength));
}

void ModuleTable::copyTimeSwitchBlock(const Project& project) {
  std::uint8_t* out = m_buffer.data();
  for (const auto& program : project.SwitchPrograms)
    for (const TSwitchPoint& sp : program) {
      // Only the four values: the padding bytes of the model are not ours to pass on.
      out[0] = sp.state;
      std::memcpy(out + 4, &sp.mask, 4);
      std::memcpy(out + 8, &sp.hour, 4);
      std::memcpy(out + 12, &sp.minute, 4);
      out += sizeof(TSwitchPoint);
    }
}

CompileResult ModuleTable::ErzeugeModulTabelle(Project& project, int dataMemorySize) {
  std::fill(m_buffer.begin(), m_buffer.end(), std::uint8_t{0});
  m_tableLength = 0;
  m_workMemoryUsed = 0;
  m_checksum = {};
  m_anythingWritten = false;
  m_tooLarge = false;

  copyTimeSwitchBlock(project);
  Emitter out(m_buffer);
  InvalidConnection bad;

  for (int loop = 1; loop <= kLoops; ++loop) {
    if (project.loopIsEmpty(loop)) continue;
    m_anythingWritten = true;
    const std::int64_t headerPos = out.pos();
    out.putI32(loop);
    out.putI32(project.LoopSampleTime[loop]);
    out.putZeros(4); // length, patched below, and two zero bytes
    std::int64_t loopLength = kLoopHeaderSize;

    for (int col = 0; col < kCols; ++col)
      for (int row = 0; row < kRows; ++row) {
        TCell& top = project.cell(loop, col, row);
        if (top.part != 1 || !top.isModuleLetter() || passedOver(top)) continue;
        const ModuleType& type = *moduleType(static_cast<char>(top.letter));
        fillConnectionFields(project, type, loop, col, row, bad);
        if (type.workOffset >= 0) {
          top.setI32(type.workOffset, m_workMemoryUsed);
          m_workMemoryUsed += type.workSize;
        }
        const std::int32_t length = type.entryLength();
        out.put(&top.letter, 1);
        out.putZeros(3);
        out.putI32(col * 16 + row);
        out.putI32(length);
        out.put(top.params, type.blockSize);
        loopLength += length;
      }

    const auto length16 = static_cast<std::uint16_t>(loopLength);
    out.patch(headerPos + 8, &length16, sizeof length16);
  }

  // The end marker is the zero byte at out.pos(); it adds nothing to the checksum.
  CompileResult r;
  r.anythingWritten = m_anythingWritten;
  r.requiredLength = static_cast<std::int32_t>(std::min<std::int64_t>(out.pos(), INT32_MAX));
  r.workMemoryUsed = m_workMemoryUsed;
  m_checksum = out.checksum();
  r.checksum = m_checksum;

  if (out.pos() > kMaxTableLength) {
    m_tooLarge = true;
    r.tableTooLarge = true;
    // What was stored of the table is no table: nothing of it may be used.
    std::fill(m_buffer.begin() + kTimeSwitchBlockSize, m_buffer.begin() + kMaxTableLength + 1, std::uint8_t{0});
    r.messages.push_back("Die Modultabelle ist zu groß: " + std::to_string(out.pos()) + " Bytes (höchstens " +
                         std::to_string(kMaxTableLength) + ").");
  } else {
    m_tableLength = static_cast<std::int32_t>(out.pos());
  }
  r.tableLength = m_tableLength;

  if (!m_anythingWritten) r.messages.push_back("Kein Regelkreis enthält Module; die Modultabelle ist leer.");
  if (m_workMemoryUsed > dataMemorySize) {
    r.workMemoryExceeded = true;
    r.messages.push_back("Der Arbeitsspeicher der Steuerung reicht nicht: die Module brauchen " +
                         std::to_string(m_workMemoryUsed) + " Bytes, der Datenspeicher hat " +
                         std::to_string(dataMemorySize) + " Bytes.");
  }
  if (bad.count > 0) r.messages.push_back(invalidConnectionMessage(bad));
  r.success = m_anythingWritten && !r.tableTooLarge && !r.workMemoryExceeded;
  return r;
}

TableChecksum tableChecksum(std::span<const std::uint8_t> table) {
  TableChecksum words{};
  for (std::size_t off = kTimeSwitchBlockSize; off < table.size(); ++off)
    words[(off - kTimeSwitchBlockSize) & 3] += table[off];
  return words;
}

TableChecksum ModuleTable::BuildChecksum(Project& project, int dataMemorySize) {
  ErzeugeModulTabelle(project, dataMemorySize);
  return m_checksum;
}

} // namespace veltra::core
