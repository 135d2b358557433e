#include "core/util/number_parse.h"

#include "core/util/error.h"
#include "core/util/lenient_int.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace veltra::core {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

// Length of the run of digits at `i`.
std::size_t digitsAt(std::string_view s, std::size_t i) {
  std::size_t n = 0;
  while (i + n < s.size() && isDigit(s[i + n]))
    ++n;
  return n;
}

} // namespace

std::optional<double> parseReal(std::string_view text) {
  std::string_view s = trimmed(text);
  // The grammar is checked here; from_chars alone would also take "inf",
  // "nan" and hexadecimal forms.
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t numberStart = i;
  const std::size_t intDigits = digitsAt(s, i);
  i += intDigits;
  std::size_t fracDigits = 0;
  if (i < s.size() && s[i] == '.') {
    fracDigits = digitsAt(s, i + 1);
    i += 1 + fracDigits;
  }
  if (intDigits + fracDigits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expDigits = digitsAt(s, j);
    if (expDigits == 0) return std::nullopt;
    i = j + expDigits;
  }
  if (i != s.size()) return std::nullopt;
  double value = 0;
  const char* first = s.data() + numberStart;
  const char* last = s.data() + s.size();
  // from_chars wants a digit or '.' first and no '+' in the mantissa.
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int32_t> parseInt(std::string_view text) {
  std::int64_t v = 0;
  if (!strictInt(trimmed(text), v)) return std::nullopt;
  return static_cast<std::int32_t>(v);
}

std::string realConversionMessage(std::string_view text) {
  return "'" + std::string(text) + "' ist kein gültiger Gleitkommawert";
}

std::string intConversionMessage(std::string_view text) {
  return "'" + std::string(text) + "' ist kein gültiger Integerwert";
}

double toReal(std::string_view text) {
  if (std::optional<double> v = parseReal(text)) return *v;
  throw Error(realConversionMessage(text));
}

std::int32_t toInt(std::string_view text) {
  if (std::optional<std::int32_t> v = parseInt(text)) return *v;
  throw Error(intConversionMessage(text));
}

} // namespace veltra::core
