#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace veltra::core {

// The position of the first CR or LF in `text` at or after `from`, or
// text.size() when there is none.
inline std::size_t findLineEnd(std::string_view text, std::size_t from) {
  const auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
  // Eight bytes at a time while none of them lies below 14 (LF is 10, CR 13);
  // the classic test for a byte below n marks the lowest such byte exactly.
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighs = 0x8080808080808080;
  static_assert(std::endian::native == std::endian::little, "the lowest byte comes first");
  std::size_t i = from;
  while (i + 8 <= text.size()) {
    std::uint64_t w;
    std::memcpy(&w, text.data() + i, sizeof w);
    const std::uint64_t low = (w - kOnes * 14) & ~w & kHighs;
    if (low == 0) {
      i += 8;
      continue;
    }
    const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(low)) / 8;
    if (isLineEnd(text[at])) return at;
    i = at + 1; // another control character
  }
  for (; i < text.size(); ++i)
    if (isLineEnd(text[i])) return i;
  return text.size();
}

// Calls f(line) for every line of `text`, split at CR LF, LF or CR; a final
// line without line end counts, an empty text has no lines. When f returns
// bool, false stops the walk.
template <typename F> void forEachLine(std::string_view text, F&& f) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = findLineEnd(text, start);
    const std::string_view line = text.substr(start, end - start);
    if constexpr (std::is_same_v<decltype(f(line)), bool>) {
      if (!f(line)) return;
    } else {
      f(line);
    }
    if (end == text.size()) return;
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

} // namespace veltra::core
