#include "core/util/number_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

// Rounded to the significant digits first, then shown with the decimals.
TEST(FormatFixedSignificant, LiveValueForm) {
  const std::pair<double, const char*> cases[] = {
      {21.456, "21.46"},
      {12345.678, "12345.70"},
      {123456.4, "123456.00"},
      {999999.4, "999999.00"},
      {999999.7, "1.00000E+006"},
      {-12345.678, "-12345.70"},
      {0.0, "0.00"},
      {-0.001, "0.00"},
      {0.005, "0.01"},
      {1e-9, "0.00"},
      {20.0, "20.00"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const auto& [v, text] : cases)
    EXPECT_EQ(formatFixedSignificant(v, 6, 2), text) << v;
}

TEST(FormatGeneralDigits, PrecisionDecidesTheExponentForm) {
  EXPECT_EQ(formatGeneralDigits(123456, 5), "1.2346E5");
  EXPECT_EQ(formatGeneralDigits(12345, 5), "12345");
  EXPECT_EQ(formatGeneralDigits(0.1 + 0.2, 17), "0.30000000000000004");
  EXPECT_EQ(formatGeneralDigits(0.1, 17), "0.10000000000000001");
  EXPECT_EQ(formatGeneralDigits(0.1, 15), "0.1");
  std::string out = "a;";
  appendGeneralDigits(out, 2.5, 15);
  EXPECT_EQ(out, "a;2.5");
}

double read(const std::string& text) {
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

// Against the exact conversion: the text of 15 digits names the same decimal
// as "%.14e" does, for doubles of every magnitude and for digits that end
// close to a half of the 15th place, where rounding from the shortest form
// would go wrong.
TEST(FormatGeneralDigits, FifteenDigitsAsTheExactConversionRoundsThem) {
  std::mt19937_64 rng(42);
  std::uniform_int_distribution<std::uint64_t> bits;
  std::uniform_int_distribution<int> digit(0, 9);
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    const double v = std::bit_cast<double>(bits(rng));
    if (std::isfinite(v) && std::fabs(v) < 1e308) values.push_back(v);
  }
  for (int i = 0; i < 20000; ++i) { // d.dddddddddddddd then "4", "5" or "6" and more digits
    std::string text = std::to_string(1 + digit(rng) % 9) + ".";
    for (int k = 0; k < 14; ++k)
      text += static_cast<char>('0' + digit(rng));
    text += static_cast<char>('4' + digit(rng) % 3);
    text += static_cast<char>('0' + digit(rng));
    text += "e" + std::to_string(digit(rng) * 7 - 30);
    values.push_back(read(text));
  }
  for (double v : values) {
    char exact[64];
    const auto r = std::to_chars(exact, exact + sizeof exact, v, std::chars_format::scientific, 14);
    const std::string text = formatGeneralDigits(v, 15);
    ASSERT_EQ(read(text), read(std::string(exact, r.ptr))) << text << " for " << std::string(exact, r.ptr);
  }
}

} // namespace
} // namespace veltra::core
