#include "core/util/number_format.h"

#include <gtest/gtest.h>

#include <limits>

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

} // namespace
} // namespace veltra::core
