#include "util/error.h"
#include "util/number_format.h"
#include "util/number_parse.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace veltra::core {
namespace {

struct RealCase {
  const char* text;
  bool valid;
  double value;
};

class ParseRealTest : public ::testing::TestWithParam<RealCase> {};

TEST_P(ParseRealTest, AcceptsExactlyTheDecimalPointGrammar) {
  const RealCase& c = GetParam();
  std::optional<double> v = parseReal(c.text);
  ASSERT_EQ(v.has_value(), c.valid) << "'" << c.text << "'";
  if (c.valid) {
    EXPECT_EQ(*v, c.value) << "'" << c.text << "'";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseRealTest,
    ::testing::Values(RealCase{"1", true, 1}, RealCase{"1.5", true, 1.5}, RealCase{"  -2.25\t", true, -2.25},
                      RealCase{"+3", true, 3}, RealCase{".5", true, 0.5}, RealCase{"5.", true, 5},
                      RealCase{"1e3", true, 1000}, RealCase{"1.5E-2", true, 0.015}, RealCase{"-1e+2", true, -100},
                      RealCase{"0.1", true, 0.1}, RealCase{"1,5", false, 0}, RealCase{"", false, 0},
                      RealCase{"   ", false, 0}, RealCase{".", false, 0}, RealCase{"-", false, 0},
                      RealCase{"1e", false, 0}, RealCase{"1e+", false, 0}, RealCase{"e5", false, 0},
                      RealCase{"abc", false, 0}, RealCase{"1.2.3", false, 0}, RealCase{"1 5", false, 0},
                      RealCase{"inf", false, 0}, RealCase{"NAN", false, 0}, RealCase{"0x10", false, 0},
                      RealCase{"1e999", false, 0}, RealCase{"--1", false, 0}, RealCase{"+-1", false, 0},
                      RealCase{"1.5x", false, 0}));

TEST(ParseReal, NegativeZeroKeepsItsSign) {
  std::optional<double> v = parseReal("-0");
  ASSERT_TRUE(v);
  EXPECT_TRUE(std::signbit(*v));
}

TEST(ParseReal, ReadsBackEveryShortestForm) {
  const double values[] = {0.1, -0.3, 1.0 / 3, 2.5e-300, 1.7976931348623157e308, -123456.789, 1e20, 5e-324};
  for (double v : values) {
    std::optional<double> back = parseReal(formatGeneral(v));
    ASSERT_TRUE(back) << formatGeneral(v);
    EXPECT_EQ(*back, v) << formatGeneral(v);
  }
}

TEST(ParseReal, IgnoresTheProcessLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old != nullptr ? old : "C";
  // de_DE may be missing; then the C locale is tested twice, which is harmless.
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(parseReal("1.5"), 1.5);
  EXPECT_FALSE(parseReal("1,5"));
  std::setlocale(LC_NUMERIC, saved.c_str());
}

struct IntCase {
  const char* text;
  bool valid;
  std::int32_t value;
};

class ParseIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseIntTest, AcceptsSignedDecimalWithin32Bits) {
  const IntCase& c = GetParam();
  std::optional<std::int32_t> v = parseInt(c.text);
  ASSERT_EQ(v.has_value(), c.valid) << "'" << c.text << "'";
  if (c.valid) {
    EXPECT_EQ(*v, c.value);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseIntTest,
                         ::testing::Values(IntCase{"0", true, 0}, IntCase{" 42 ", true, 42}, IntCase{"\t-7", true, -7},
                                           IntCase{"+8", true, 8}, IntCase{"2147483647", true, 2147483647},
                                           IntCase{"-2147483648", true, std::numeric_limits<std::int32_t>::min()},
                                           IntCase{"2147483648", false, 0}, IntCase{"-2147483649", false, 0},
                                           IntCase{"1.0", false, 0}, IntCase{"1e2", false, 0}, IntCase{"$10", false, 0},
                                           IntCase{"0x10", false, 0}, IntCase{"", false, 0}, IntCase{"-", false, 0},
                                           IntCase{"12a", false, 0}, IntCase{"99999999999999999999", false, 0}));

TEST(ConversionMessages, NameTheTextAndTheKind) {
  EXPECT_EQ(realConversionMessage("abc"), "'abc' ist kein gültiger Gleitkommawert");
  EXPECT_EQ(intConversionMessage("1.5"), "'1.5' ist kein gültiger Integerwert");
  try {
    toReal("1,5");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'1,5' ist kein gültiger Gleitkommawert");
  }
  EXPECT_THROW(toInt("x"), Error);
  EXPECT_EQ(toInt("-12"), -12);
  EXPECT_EQ(toReal("2.5"), 2.5);
}

} // namespace
} // namespace veltra::core
