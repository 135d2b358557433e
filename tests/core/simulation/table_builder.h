#pragma once

#include "core/compiler/module_table.h"
#include "core/model/project.h"
#include "core/modules/catalogue.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace veltra::core::test {

// The parameter block of one entry, set by offset as the byte tables give it.
struct EntryParams {
  std::array<std::uint8_t, kParamsSize> bytes{};
  EntryParams& i32(int off, std::int32_t v) { return put(off, v); }
  EntryParams& f64(int off, double v) { return put(off, v); }
  EntryParams& u8(int off, std::uint8_t v) { return put(off, v); }

private:
  template <typename T> EntryParams& put(int off, T v) {
    std::memcpy(bytes.data() + off, &v, sizeof v);
    return *this;
  }
};

// Writes module tables byte by byte, as the generator lays them out, so a
// test can say exactly what the controller gets (and damage it).
class TableBuilder {
public:
  TableBuilder() : m_bytes(kTimeSwitchBlockSize, 0) {}

  void loop(int number, std::int32_t sampleTime) {
    finishLoop();
    m_loopAt = m_bytes.size();
    m_bytes.resize(m_bytes.size() + kLoopHeaderSize, 0);
    std::memcpy(m_bytes.data() + m_loopAt, &number, 4);
    std::memcpy(m_bytes.data() + m_loopAt + 4, &sampleTime, 4);
  }

  // Adds an entry; the work memory field (if the type has one) gets the
  // next free area, as the generator hands them out, or `workAt`.
  void module(char letter, int column, int row, EntryParams params, int workAt = -1) {
    const ModuleType* t = moduleType(letter);
    if (t->workOffset >= 0) {
      params.i32(t->workOffset, workAt >= 0 ? workAt : m_work);
      if (workAt < 0) m_work += t->workSize;
    }
    const std::size_t at = m_bytes.size();
    m_bytes.resize(at + static_cast<std::size_t>(t->entryLength()), 0);
    m_bytes[at] = static_cast<std::uint8_t>(letter);
    const std::int32_t position = column * 16 + row, length = t->entryLength();
    std::memcpy(m_bytes.data() + at + 4, &position, 4);
    std::memcpy(m_bytes.data() + at + 8, &length, 4);
    std::memcpy(m_bytes.data() + at + 12, params.bytes.data(), t->blockSize);
  }

  void program(int n, int point, std::uint8_t state, std::int32_t mask, std::int32_t hour, std::int32_t minute) {
    const std::size_t at = static_cast<std::size_t>((n - 1) * kPointsPerProgram + (point - 1)) * 16;
    m_bytes[at] = state;
    std::memcpy(m_bytes.data() + at + 4, &mask, 4);
    std::memcpy(m_bytes.data() + at + 8, &hour, 4);
    std::memcpy(m_bytes.data() + at + 12, &minute, 4);
  }

  // The bytes of the ".mtb" file (no end marker).
  std::vector<std::uint8_t> bytes() {
    finishLoop();
    return m_bytes;
  }

private:
  void finishLoop() {
    if (m_loopAt == 0) return;
    const auto length = static_cast<std::uint16_t>(m_bytes.size() - m_loopAt);
    std::memcpy(m_bytes.data() + m_loopAt + 8, &length, 2);
    m_loopAt = 0;
  }

  std::vector<std::uint8_t> m_bytes;
  std::size_t m_loopAt = 0;
  std::int32_t m_work = 0;
};

// The params of a module whose ports are joined by row: analog input row k
// on analog connection k, analog output row k on 10 + k, digital input row
// k on digital connection k, digital output row k on 10 + k (connections of
// loop 1, whose global numbers are the same).
inline EntryParams wiredByRow(char letter) {
  EntryParams p;
  for (const PortDef& port : moduleType(letter)->ports) {
    const int g = port.row + (isInput(port.kind) ? 0 : 10);
    p.i32(port.offset, g);
  }
  return p;
}

} // namespace veltra::core::test
