#include "core/persist/byte_reader.h"

#include "core/util/error.h"

#include <algorithm>

namespace veltra::core {

void ByteReader::fail(const std::string& what) const { throw Error(what + " in Datei " + m_fileName); }

void ByteReader::throwTruncated() { throw Error("Stream-Lesefehler"); }

bool ByteReader::nextPiece() {
  const std::size_t got = m_source && !m_buffer.empty() ? m_source(m_buffer.data(), m_buffer.size()) : 0;
  if (got == 0) return false;
  m_window = m_buffer.first(got);
  m_pos = 0;
  return true;
}

void ByteReader::refill() {
  if (!nextPiece()) throwTruncated();
}

void ByteReader::readAcross(std::uint8_t* dst, std::size_t n) {
  for (;;) {
    const std::size_t part = std::min(n, m_window.size() - m_pos);
    if (part > 0) std::memcpy(dst, m_window.data() + m_pos, part);
    m_pos += part;
    dst += part;
    n -= part;
    if (n == 0) return;
    refill();
  }
}

void ByteReader::readString(std::string& into, std::size_t n) {
  if (n <= m_window.size() - m_pos) {
    into.assign(reinterpret_cast<const char*>(m_window.data() + m_pos), n);
    m_pos += n;
    return;
  }
  // Grows with the bytes actually there, so a damaged length cannot demand
  // more memory than the file holds.
  into.clear();
  while (n > 0) {
    if (m_pos == m_window.size()) refill();
    const std::size_t part = std::min(n, m_window.size() - m_pos);
    into.append(reinterpret_cast<const char*>(m_window.data() + m_pos), part);
    m_pos += part;
    n -= part;
  }
}

} // namespace veltra::core
