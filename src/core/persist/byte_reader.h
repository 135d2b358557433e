#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <utility>

namespace veltra::core {

// Reads little-endian numbers and raw bytes from a file image in memory.
// Every read is checked against the end of the image: reading past it throws
// Error("Stream-Lesefehler"), so a truncated file can never make a reader
// touch memory it does not own.
class ByteReader {
public:
  ByteReader(std::span<const std::uint8_t> bytes, std::string fileName)
      : m_bytes(bytes), m_fileName(std::move(fileName)) {}

  std::int32_t i32() {
    std::int32_t v;
    read(&v, sizeof v);
    return v;
  }
  std::uint8_t u8() {
    need(1);
    return m_bytes[m_pos++];
  }
  void read(void* dst, std::size_t n) {
    need(n);
    if (n > 0) std::memcpy(dst, m_bytes.data() + m_pos, n);
    m_pos += n;
  }
  std::span<const std::uint8_t> take(std::size_t n) {
    need(n);
    auto s = m_bytes.subspan(m_pos, n);
    m_pos += n;
    return s;
  }

  std::size_t remaining() const { return m_bytes.size() - m_pos; }
  const std::string& fileName() const { return m_fileName; }

  // Rejects the file: throws Error("<what> in Datei <name>").
  [[noreturn]] void fail(const std::string& what) const;

private:
  void need(std::size_t n) const {
    if (n > remaining()) throwTruncated();
  }
  [[noreturn]] static void throwTruncated();

  std::span<const std::uint8_t> m_bytes;
  std::size_t m_pos = 0;
  std::string m_fileName;
};

} // namespace veltra::core
