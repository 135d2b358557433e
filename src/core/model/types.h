#pragma once

#include "core/model/limits.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace veltra::core {

static_assert(std::endian::native == std::endian::little,
              "records are written to files verbatim as little-endian bytes");

// A counted 8-bit string: one length byte, then 21 character bytes (code page
// 1252). Bytes after the length are not part of the text but are kept as read,
// so that a file loaded and saved again comes back unchanged.
struct TSignalText {
  std::uint8_t len;
  char chars[kTextLen];

  // A length byte above 21 (only possible in a damaged file) reads as 21.
  std::string_view view() const { return {chars, len <= kTextLen ? len : std::size_t{kTextLen}}; }
  std::string str() const { return std::string(view()); }
  bool empty() const { return len == 0; }
  // Keeps the first 21 bytes; the rest of the record is zeroed.
  void assign(std::string_view s) {
    std::size_t n = s.size() < kTextLen ? s.size() : kTextLen;
    std::memset(chars, 0, sizeof chars);
    if (n > 0) std::memcpy(chars, s.data(), n);
    len = static_cast<std::uint8_t>(n);
  }
  void clear() { assign({}); }
};
static_assert(sizeof(TSignalText) == 22 && alignof(TSignalText) == 1);
static_assert(std::is_trivial_v<TSignalText>);

// One grid cell, 172 bytes, written verbatim into project and library files.
struct TCell {
  std::uint8_t letter; // 'A'..'Z', '0'..'9' or '*' for an empty cell
  std::uint8_t height; // rows of the module, 0 in an empty cell
  std::uint8_t part;   // 1-based row of this cell within its module
  TSignalText text;
  std::uint8_t pad;
  std::int16_t error; // -n: faulty, with error text n; transient
  std::uint8_t params[kParamsSize];
  std::int32_t XE; // analog connection feeding this row, 0 = none
  std::int32_t XA; // analog connection driven by this row
  std::int32_t YE; // digital connection feeding this row
  std::int32_t YA; // digital connection driven by this row

  bool isEmpty() const { return letter == '*'; }
  bool isModuleLetter() const { return letter >= 'A' && letter <= 'Z'; }
  // Letters and digit cells are drawn and block the router.
  bool isDrawable() const { return isModuleLetter() || (letter >= '0' && letter <= '9'); }

  // Typed access into params; offsets out of the block read 0 and write nothing.
  std::int32_t i32(int off) const { return load<std::int32_t>(off); }
  double f64(int off) const { return load<double>(off); }
  std::uint8_t u8(int off) const { return load<std::uint8_t>(off); }
  void setI32(int off, std::int32_t v) { store(off, v); }
  void setF64(int off, double v) { store(off, v); }
  void setU8(int off, std::uint8_t v) { store(off, v); }

  // The empty state: letter '*', everything else zero.
  void clear() {
    std::memset(this, 0, sizeof *this);
    letter = '*';
  }

private:
  template <typename T> T load(int off) const {
    T v{};
    if (off >= 0 && off + static_cast<int>(sizeof(T)) <= kParamsSize) std::memcpy(&v, params + off, sizeof v);
    return v;
  }
  template <typename T> void store(int off, T v) {
    if (off >= 0 && off + static_cast<int>(sizeof(T)) <= kParamsSize) std::memcpy(params + off, &v, sizeof v);
  }
};
static_assert(sizeof(TCell) == 172 && std::is_trivial_v<TCell>);
static_assert(offsetof(TCell, letter) == 0 && offsetof(TCell, height) == 1 && offsetof(TCell, part) == 2);
static_assert(offsetof(TCell, text) == 3 && offsetof(TCell, pad) == 25 && offsetof(TCell, error) == 26);
static_assert(offsetof(TCell, params) == 28);
static_assert(offsetof(TCell, XE) == 156 && offsetof(TCell, XA) == 160);
static_assert(offsetof(TCell, YE) == 164 && offsetof(TCell, YA) == 168);

struct TWireEnd {
  std::int32_t col;
  std::int32_t row;
};

// One connection: its source cell and up to 20 destination cells; column -1
// marks the connection, or a destination slot, as free.
struct TWire {
  TWireEnd src;
  TWireEnd dest[kDests];

  bool isFree() const { return src.col < 0; }
  void clear() {
    src = {-1, -1};
    for (auto& d : dest)
      d = {-1, -1};
  }
};
static_assert(sizeof(TWire) == 168 && offsetof(TWire, dest) == 8);

struct TSwitchPoint {
  std::uint8_t state; // 1 "Ein", 0 "Aus"
  std::uint8_t pad[3];
  std::int32_t mask; // Monday 1 .. Sunday 64; below 1 = unused
  std::int32_t hour;
  std::int32_t minute;

  bool used() const { return mask >= 1; }
};
static_assert(sizeof(TSwitchPoint) == 16 && offsetof(TSwitchPoint, mask) == 4);
static_assert(offsetof(TSwitchPoint, hour) == 8 && offsetof(TSwitchPoint, minute) == 12);

// A counted string of N characters in N + 1 bytes, as in the project data sheet.
template <int N> struct TCounted {
  std::uint8_t len;
  char chars[N];

  std::string_view view() const { return {chars, len <= N ? len : static_cast<std::size_t>(N)}; }
  std::string str() const { return std::string(view()); }
  void assign(std::string_view s) {
    std::size_t n = s.size() < static_cast<std::size_t>(N) ? s.size() : static_cast<std::size_t>(N);
    std::memset(chars, 0, sizeof chars);
    if (n > 0) std::memcpy(chars, s.data(), n);
    len = static_cast<std::uint8_t>(n);
  }
};

// The project data sheet, 243 bytes, the whole content of a ".vtp" file.
struct TProjectData {
  TCounted<60> projectName;
  TCounted<20> designation;
  TCounted<20> engineer;
  TCounted<10> date;
  TCounted<40> customer;
  TCounted<40> street;
  TCounted<5> postalCode;
  TCounted<40> town;
};
static_assert(sizeof(TProjectData) == 243);
static_assert(offsetof(TProjectData, designation) == 61 && offsetof(TProjectData, engineer) == 82);
static_assert(offsetof(TProjectData, date) == 103 && offsetof(TProjectData, customer) == 114);
static_assert(offsetof(TProjectData, street) == 155 && offsetof(TProjectData, postalCode) == 196);
static_assert(offsetof(TProjectData, town) == 202);

} // namespace veltra::core
