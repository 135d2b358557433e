#include "core/chart/stream_values.h"

#include "core/util/cp1252.h"
#include "core/util/error.h"

#include <cstring>
#include <limits>

namespace veltra::core {

namespace {

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

void appendLe(std::string& out, std::uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<char>(v >> (8 * i)));
}

std::string utf16ToUtf8(const std::uint8_t* p, std::size_t units) {
  std::string out;
  for (std::size_t i = 0; i < units; ++i) {
    std::uint32_t c = p[2 * i] | (std::uint32_t{p[2 * i + 1]} << 8);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units) {
      const std::uint32_t low = p[2 * i + 2] | (std::uint32_t{p[2 * i + 3]} << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c >= 0xD800 && c < 0xE000) c = 0xFFFD; // a lone surrogate
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

} // namespace

void StreamWriter::integer(std::int32_t v) {
  if (v >= -128 && v <= 127) {
    m_out.push_back(static_cast<char>(stream_type::kInt8));
    appendLe(m_out, static_cast<std::uint32_t>(v), 1);
  } else if (v >= -32768 && v <= 32767) {
    m_out.push_back(static_cast<char>(stream_type::kInt16));
    appendLe(m_out, static_cast<std::uint32_t>(v), 2);
  } else {
    m_out.push_back(static_cast<char>(stream_type::kInt32));
    appendLe(m_out, static_cast<std::uint32_t>(v), 4);
  }
}

void StreamWriter::extended(double v) {
  m_out.push_back(static_cast<char>(stream_type::kExtended));
  const Extended80 e = toExtended(v);
  m_out.append(reinterpret_cast<const char*>(e.data()), e.size());
}

void StreamWriter::extendedRun(std::span<const double> values) {
  const std::size_t at = m_out.size();
  m_out.resize(at + values.size() * 11);
  char* p = m_out.data() + at;
  for (double v : values) {
    *p++ = static_cast<char>(stream_type::kExtended);
    const Extended80 e = toExtended(v);
    std::memcpy(p, e.data(), e.size());
    p += e.size();
  }
}

void StreamWriter::string(std::string_view utf8) {
  if (!isAscii(utf8)) {
    m_out.push_back(static_cast<char>(stream_type::kUtf8String));
    appendLe(m_out, utf8.size(), 4);
  } else if (utf8.size() <= 255) {
    m_out.push_back(static_cast<char>(stream_type::kString));
    appendLe(m_out, utf8.size(), 1);
  } else {
    m_out.push_back(static_cast<char>(stream_type::kLString));
    appendLe(m_out, utf8.size(), 4);
  }
  m_out.append(utf8);
}

void StreamWriter::raw32(std::uint32_t v) { appendLe(m_out, v, 4); }

void StreamWriter::patch32(std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    m_out[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
}

void StreamReader::fail(const std::string& detail) const {
  throw Error("Die Graphikdatei \"" + m_fileName + "\" ist beschädigt: " + detail);
}

const std::uint8_t* StreamReader::take(std::size_t n) {
  if (n > remaining()) fail("sie endet vorzeitig");
  const std::uint8_t* p = m_bytes.data() + m_pos;
  m_pos += n;
  return p;
}

std::uint8_t StreamReader::u8() { return *take(1); }

std::uint8_t StreamReader::peekType() const {
  if (atEnd()) fail("sie endet vorzeitig");
  return m_bytes[m_pos];
}

void StreamReader::seek(std::size_t pos) {
  if (pos > m_bytes.size()) fail("sie endet vorzeitig");
  m_pos = pos;
}

std::uint32_t StreamReader::raw32() { return u32(); }

std::int32_t StreamReader::integer() {
  const std::size_t at = m_pos;
  switch (u8()) {
  case stream_type::kInt8:
    return static_cast<std::int8_t>(u8());
  case stream_type::kInt16: {
    const std::uint8_t* p = take(2);
    return static_cast<std::int16_t>(p[0] | (p[1] << 8));
  }
  case stream_type::kInt32:
    return static_cast<std::int32_t>(u32());
  case stream_type::kInt64: {
    const std::uint8_t* p = take(8);
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
      v |= std::uint64_t{p[i]} << (8 * i);
    const auto s = static_cast<std::int64_t>(v);
    if (s < std::numeric_limits<std::int32_t>::min() || s > std::numeric_limits<std::int32_t>::max())
      fail("Zahl außerhalb des Bereichs bei Byte " + std::to_string(at));
    return static_cast<std::int32_t>(s);
  }
  default:
    fail("Ganzzahl erwartet bei Byte " + std::to_string(at));
  }
}

double StreamReader::real() {
  const std::size_t at = m_pos;
  switch (u8()) {
  case stream_type::kExtended: {
    Extended80 e;
    std::memcpy(e.data(), take(10), 10);
    return fromExtended(e);
  }
  case stream_type::kDouble:
  case stream_type::kDate: {
    double d;
    std::memcpy(&d, take(8), 8);
    return d;
  }
  case stream_type::kSingle: {
    float f;
    std::memcpy(&f, take(4), 4);
    return f;
  }
  case stream_type::kInt8:
  case stream_type::kInt16:
  case stream_type::kInt32:
  case stream_type::kInt64:
    m_pos = at;
    return integer();
  default:
    fail("Gleitkommazahl erwartet bei Byte " + std::to_string(at));
  }
}

bool StreamReader::boolean() {
  const std::size_t at = m_pos;
  switch (u8()) {
  case stream_type::kFalse:
    return false;
  case stream_type::kTrue:
    return true;
  default:
    fail("Wahrheitswert erwartet bei Byte " + std::to_string(at));
  }
}

std::string StreamReader::string() {
  const std::size_t at = m_pos;
  switch (u8()) {
  case stream_type::kString:
  case stream_type::kIdent: {
    const std::size_t n = u8();
    return cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(take(n)), n));
  }
  case stream_type::kLString: {
    const std::size_t n = u32();
    return cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(take(n)), n));
  }
  case stream_type::kUtf8String: {
    const std::size_t n = u32();
    return std::string(reinterpret_cast<const char*>(take(n)), n);
  }
  case stream_type::kWString: {
    const std::size_t units = u32();
    if (units > remaining() / 2) fail("sie endet vorzeitig");
    return utf16ToUtf8(take(units * 2), units);
  }
  default:
    fail("Text erwartet bei Byte " + std::to_string(at));
  }
}

void StreamReader::skipValue() {
  const std::size_t at = m_pos;
  switch (u8()) {
  case stream_type::kNull:
  case stream_type::kFalse:
  case stream_type::kTrue:
  case stream_type::kNil:
    return;
  case stream_type::kInt8:
    take(1);
    return;
  case stream_type::kInt16:
    take(2);
    return;
  case stream_type::kInt32:
  case stream_type::kSingle:
    take(4);
    return;
  case stream_type::kInt64:
  case stream_type::kDouble:
  case stream_type::kDate:
  case stream_type::kCurrency:
    take(8);
    return;
  case stream_type::kExtended:
    take(10);
    return;
  case stream_type::kString:
  case stream_type::kIdent:
    take(u8());
    return;
  case stream_type::kLString:
  case stream_type::kUtf8String:
  case stream_type::kBinary:
    take(u32());
    return;
  case stream_type::kWString: {
    const std::size_t units = u32();
    if (units > remaining() / 2) fail("sie endet vorzeitig");
    take(units * 2);
    return;
  }
  default:
    fail("unbekannter Werttyp " + std::to_string(m_bytes[at]) + " bei Byte " + std::to_string(at));
  }
}

} // namespace veltra::core
