#include "core/util/lenient_int.h"

#include <limits>

namespace veltra::core {

namespace {

int digitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9')
    v = c - '0';
  else if (c >= 'a' && c <= 'f')
    v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    v = c - 'A' + 10;
  return v < base ? v : -1;
}

constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();

} // namespace

std::int64_t lenientInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    int d = digitValue(text[i], base);
    if (d < 0) break;
    value = value * base + d;
    if (value > kLimit + 1) value = kLimit + 1;
  }
  if (negative) value = -value;
  if (value > kLimit) value = kLimit;
  return value;
}

bool strictInt(std::string_view text, std::int64_t& value) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ')
    ++b;
  while (e > b && text[e - 1] == ' ')
    --e;
  text = text.substr(b, e - b);
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size()) return false;
  std::int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > kLimit + 1) return false;
  }
  v = negative ? -v : v;
  if (v > kLimit || v < -kLimit - 1) return false;
  value = v;
  return true;
}

} // namespace veltra::core
