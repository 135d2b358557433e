#include "util/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  std::string s(buf, res.ptr);
  for (char& c : s)
    if (c == 'e') c = 'E';
  // "1E+20" reads better without the plus sign.
  if (auto p = s.find("E+"); p != std::string::npos) s.erase(p + 1, 1);
  return s;
}

} // namespace veltra::core
