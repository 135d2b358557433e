#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace veltra::core {

// Builds a file image in memory: little-endian numbers and raw bytes appended
// to one buffer, which is then written to disk in one piece.
class ByteWriter {
public:
  void reserve(std::size_t n) { m_out.reserve(n); }
  void i32(std::int32_t v) { bytes(&v, sizeof v); }
  void u8(std::uint8_t v) { m_out.push_back(static_cast<char>(v)); }
  void bytes(const void* src, std::size_t n) { m_out.append(static_cast<const char*>(src), n); }

  std::size_t size() const { return m_out.size(); }
  // Drops everything after the first n bytes.
  void truncate(std::size_t n) { m_out.resize(n); }
  std::string take() { return std::move(m_out); }

private:
  std::string m_out;
};

} // namespace veltra::core
