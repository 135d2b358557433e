#pragma once

#include "core/chart/extended_float.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace veltra::core {

// The value encoding of the chart file: a type byte, then the payload.
namespace stream_type {
inline constexpr std::uint8_t kNull = 0, kList = 1, kInt8 = 2, kInt16 = 3, kInt32 = 4, kExtended = 5, kString = 6,
                              kIdent = 7, kFalse = 8, kTrue = 9, kBinary = 10, kSet = 11, kLString = 12, kNil = 13,
                              kCollection = 14, kSingle = 15, kCurrency = 16, kDate = 17, kWString = 18, kInt64 = 19,
                              kUtf8String = 20, kDouble = 21;
}

// Appends values to a file image.
class StreamWriter {
public:
  void reserve(std::size_t n) { m_out.reserve(n); }
  // The smallest of the 1-, 2- and 4-byte forms that holds v.
  void integer(std::int32_t v);
  void extended(double v);
  void boolean(bool v) { m_out.push_back(static_cast<char>(v ? stream_type::kTrue : stream_type::kFalse)); }
  // UTF-8 text: a short string up to 255 bytes, a long one beyond; text with
  // characters outside 7-bit ASCII as UTF-8 string.
  void string(std::string_view utf8);
  void raw32(std::uint32_t v);
  // Appends n extended values (type byte and ten bytes each) in one go.
  void extendedRun(std::span<const double> values);

  std::size_t size() const { return m_out.size(); }
  void patch32(std::size_t at, std::uint32_t v);
  std::string take() { return std::move(m_out); }

private:
  std::string m_out;
};

// Reads values from a file image. Every read is checked: past the end, or a
// type byte that is not the kind asked for, throws Error with the German
// message of a damaged chart file.
class StreamReader {
public:
  StreamReader(std::span<const std::uint8_t> bytes, std::string fileName)
      : m_bytes(bytes), m_fileName(std::move(fileName)) {}

  std::int32_t integer();
  double real();
  bool boolean();
  // UTF-8; short and long strings are code page 1252 bytes when they hold
  // characters outside 7-bit ASCII.
  std::string string();
  std::uint32_t raw32();
  // Skips one value of any type whose size the encoding tells.
  void skipValue();
  // The type byte of the next value without reading it.
  std::uint8_t peekType() const;

  std::size_t position() const { return m_pos; }
  std::size_t remaining() const { return m_bytes.size() - m_pos; }
  bool atEnd() const { return m_pos == m_bytes.size(); }
  void seek(std::size_t pos);

  // Throws Error: the file is damaged, with a German `detail`.
  [[noreturn]] void fail(const std::string& detail) const;

private:
  std::uint8_t u8();
  const std::uint8_t* take(std::size_t n);
  std::uint32_t u32() {
    const std::uint8_t* p = take(4);
    return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
  }

  std::span<const std::uint8_t> m_bytes;
  std::size_t m_pos = 0;
  std::string m_fileName;
};

} // namespace veltra::core
