#include "core/util/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace veltra::core {

std::string formatFixed(double v, int precision, int digits) {
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", digits, v);
  std::string s = buf;
  const size_t start = s[0] == '-' ? 1 : 0;
  const size_t dot = s.find('.');
  const size_t intDigits = (dot == std::string::npos ? s.size() : dot) - start;
  if (static_cast<int>(intDigits) > precision) {
    int exp = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    double mant = v / std::pow(10.0, exp);
    const double scale = std::pow(10.0, precision - 1);
    if (std::fabs(std::round(mant * scale) / scale) >= 10.0) {
      mant /= 10.0;
      ++exp;
    }
    std::snprintf(buf, sizeof buf, "%.*fE%c%03d", precision - 1, mant, exp < 0 ? '-' : '+', std::abs(exp));
    return buf;
  }
  // A negative value that rounds to zero shows no sign.
  if (start == 1 && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string formatGeneral(double v) {
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
  // The shortest digits that read back as v, as d.ddde±x.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t e = sci.find('e');
  std::string_view mantissa = sci.substr(0, e);
  const bool negative = !mantissa.empty() && mantissa[0] == '-';
  if (negative) mantissa.remove_prefix(1);
  std::string digits;
  for (char c : mantissa)
    if (c != '.') digits += c;
  int exp = 0;
  std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exp);
  const int n = static_cast<int>(digits.size());
  std::string out = negative ? "-" : "";
  // Plain notation for everyday magnitudes (0.0001 .. 15 integer digits),
  // exponent form beyond: "1E20", "2.5E-7".
  if (exp > -5 && exp < 15) {
    if (exp < 0) {
      out += "0." + std::string(static_cast<std::size_t>(-exp - 1), '0') + digits;
    } else if (n <= exp + 1) {
      out += digits + std::string(static_cast<std::size_t>(exp + 1 - n), '0');
    } else {
      out +=
          digits.substr(0, static_cast<std::size_t>(exp + 1)) + "." + digits.substr(static_cast<std::size_t>(exp + 1));
    }
    return out;
  }
  out += digits.substr(0, 1);
  if (n > 1) out += "." + digits.substr(1);
  return out + "E" + std::to_string(exp);
}

namespace {

// The decimal digits (without sign, dot and trailing zeros) and the decimal
// exponent of the first digit of a text in to_chars' scientific form.
struct Decimal {
  char digits[24];
  int count = 0;
  int exp = 0;

  void stripZeros() {
    while (count > 1 && digits[count - 1] == '0')
      --count;
  }
};

Decimal splitScientific(const char* first, const char* last) {
  Decimal d;
  const char* p = first;
  if (p < last && *p == '-') ++p;
  for (; p < last && *p != 'e'; ++p)
    if (*p != '.' && d.count < static_cast<int>(sizeof d.digits)) d.digits[d.count++] = *p;
  // "e+05", "e-308": sign and at least two digits.
  const bool negative = p + 1 < last && p[1] == '-';
  int exp = 0;
  for (p += 2; p < last; ++p)
    exp = exp * 10 + (*p - '0');
  d.exp = negative ? -exp : exp;
  d.stripZeros();
  return d;
}

// Rounds the shortest digits of a double to `precision` digits where that
// is safe. Of the texts of the shortest length, to_chars gives the one
// closest to the double, so its digits are the double rounded to that
// length: they end in a half (a dropped "5" or "50") only when the double
// itself lies that close to one, on either side. Any other dropped digits
// round the same way as the double. False for a half: then only the exact
// conversion knows.
bool roundShortest(Decimal& d, int precision) {
  const int dropped = d.count - precision;
  if (dropped < 1 || dropped > 2) return false;
  // The dropped digits as hundredths of a unit of the last kept digit.
  int tail = (d.digits[precision] - '0') * 10;
  if (dropped == 2) tail += d.digits[precision + 1] - '0';
  if (tail == 50) return false;
  d.count = precision;
  if (tail > 50) {
    int i = precision - 1;
    while (i >= 0 && d.digits[i] == '9')
      d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else { // 99..9 became 100..0
      d.digits[0] = '1';
      d.count = 1;
      ++d.exp;
    }
  }
  d.stripZeros();
  return true;
}

} // namespace

std::string formatGeneralDigits(double v, int precision) {
  std::string out;
  appendGeneralDigits(out, v, precision);
  return out;
}

void appendGeneralDigits(std::string& out, double v, int precision) {
  if (std::isnan(v) || std::isinf(v)) {
    out += formatFixed(v, precision, 0);
    return;
  }
  if (v == 0.0) {
    out += '0';
    return;
  }
  char buf[64];
  // The shortest digits that read back as v equal v rounded to `precision`
  // digits whenever there are no more of them than that, for up to 15
  // digits: a normal double's error is far below half a unit of its 15th
  // digit. Longer ones are rounded from there unless they end in a half;
  // those, subnormal values with their few bits and more digits than a
  // double holds take the exact, slower conversion.
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  Decimal d = splitScientific(buf, res.ptr);
  const bool normal = std::fabs(v) >= std::numeric_limits<double>::min();
  if (d.count > precision || precision > 15 || !normal) {
    if (precision > 15 || !normal || !roundShortest(d, precision)) {
      res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision - 1);
      d = splitScientific(buf, res.ptr);
    }
    // Next to the largest double, rounding up can leave the range: such a
    // text would read back as no number. The digit below still shows the
    // value to `precision` digits.
    if (d.exp == std::numeric_limits<double>::max_exponent10) {
      std::string check(d.digits, static_cast<std::size_t>(d.count));
      check += "e" + std::to_string(d.exp - d.count + 1);
      double back = 0;
      if (std::from_chars(check.data(), check.data() + check.size(), back).ec == std::errc::result_out_of_range)
        --d.digits[d.count - 1];
    }
  }
  if (v < 0) out += '-';
  const char* digits = d.digits;
  const auto n = static_cast<std::size_t>(d.count);
  if (d.exp < -5 || d.exp >= precision) {
    out += digits[0];
    if (n > 1) {
      out += '.';
      out.append(digits + 1, n - 1);
    }
    out += 'E';
    const auto e = std::to_chars(buf, buf + sizeof buf, d.exp);
    out.append(buf, e.ptr);
  } else if (d.exp < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.exp - 1), '0');
    out.append(digits, n);
  } else if (n <= static_cast<std::size_t>(d.exp) + 1) {
    out.append(digits, n);
    out.append(static_cast<std::size_t>(d.exp) + 1 - n, '0');
  } else {
    const auto whole = static_cast<std::size_t>(d.exp) + 1;
    out.append(digits, whole);
    out += '.';
    out.append(digits + whole, n - whole);
  }
}

std::string formatFixedSignificant(double v, int precision, int digits) {
  if (std::isnan(v) || std::isinf(v) || v == 0.0) return formatFixed(v, precision, digits);
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision - 1);
  double rounded = v;
  std::from_chars(buf, res.ptr, rounded);
  return formatFixed(rounded, precision, digits);
}

} // namespace veltra::core
