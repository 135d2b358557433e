#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <utility>

namespace veltra::core {

// Reads little-endian numbers and raw bytes from a file image in memory, or
// from data that arrive piece by piece through a buffer. Every read is
// checked against the end of the data: reading past it throws
// Error("Stream-Lesefehler"), so a truncated file can never make a reader
// touch memory it does not own.
class ByteReader {
public:
  // Fills `dst` with up to `n` bytes of the data; fewer only at their end.
  using Source = std::function<std::size_t(std::uint8_t* dst, std::size_t n)>;

  ByteReader(std::span<const std::uint8_t> bytes, std::string fileName)
      : m_window(bytes), m_fileName(std::move(fileName)) {}
  // Reads the data of `source` in pieces of up to buffer.size() bytes, so
  // that a large file passes through a small buffer that stays in cache.
  ByteReader(Source source, std::span<std::uint8_t> buffer, std::string fileName)
      : m_fileName(std::move(fileName)), m_source(std::move(source)), m_buffer(buffer) {}

  std::int32_t i32() {
    std::int32_t v;
    read(&v, sizeof v);
    return v;
  }
  std::uint8_t u8() {
    if (m_pos == m_window.size()) refill();
    return m_window[m_pos++];
  }
  void read(void* dst, std::size_t n) {
    if (n > m_window.size() - m_pos) return readAcross(static_cast<std::uint8_t*>(dst), n);
    if (n > 0) std::memcpy(dst, m_window.data() + m_pos, n);
    m_pos += n;
  }
  // The next `n` bytes without reading them, when they are all at hand in
  // one piece; an empty span otherwise.
  std::span<const std::uint8_t> peek(std::size_t n) const {
    return n <= m_window.size() - m_pos ? m_window.subspan(m_pos, n) : std::span<const std::uint8_t>();
  }
  // Replaces `into` with the next `n` bytes. `into` grows only with bytes
  // actually there, so a damaged length cannot claim more memory than the
  // data hold.
  void readString(std::string& into, std::size_t n);

  // Whether the data hold no further byte; may fetch the next piece.
  bool atEnd() { return m_pos == m_window.size() && !nextPiece(); }

  const std::string& fileName() const { return m_fileName; }

  // Rejects the file: throws Error("<what> in Datei <name>").
  [[noreturn]] void fail(const std::string& what) const;

private:
  // The slow path of read(): the bytes lie partly or wholly beyond the
  // current window.
  void readAcross(std::uint8_t* dst, std::size_t n);
  // Starts a new window with the next piece of the data; throws
  // "Stream-Lesefehler" when there is none.
  void refill();
  // Starts a new window with the next piece; false when there is none.
  bool nextPiece();
  [[noreturn]] static void throwTruncated();

  std::span<const std::uint8_t> m_window; // the bytes at hand
  std::size_t m_pos = 0;                  // next byte in m_window
  std::string m_fileName;
  Source m_source; // the rest of the data, if any
  std::span<std::uint8_t> m_buffer;
};

} // namespace veltra::core
