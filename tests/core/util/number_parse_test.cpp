#include "core/persist/persist_test_util.h"
#include "util/number_format.h"
#include "util/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace veltra::core {
namespace {

using Real = std::pair<const char*, std::optional<double>>;
class ParseReal : public ::testing::TestWithParam<Real> {};

TEST_P(ParseReal, AcceptsExactlyTheDecimalPointGrammar) {
  EXPECT_EQ(parseReal(GetParam().first), GetParam().second) << "'" << GetParam().first << "'";
}

constexpr std::nullopt_t no = std::nullopt;
INSTANTIATE_TEST_SUITE_P(Texts, ParseReal,
                         ::testing::Values(Real{"1.5", 1.5}, Real{"  -2.25\t", -2.25}, Real{"+3", 3}, Real{".5", 0.5},
                                           Real{"5.", 5}, Real{"1.5E-2", 0.015}, Real{"-1e+2", -100}, Real{"1,5", no},
                                           Real{"", no}, Real{"   ", no}, Real{".", no}, Real{"-", no}, Real{"1e", no},
                                           Real{"1e+", no}, Real{"e5", no}, Real{"1.2.3", no}, Real{"1 5", no},
                                           Real{"inf", no}, Real{"NAN", no}, Real{"0x10", no}, Real{"1e999", no},
                                           Real{"--1", no}, Real{"+-1", no}, Real{"1.5x", no}));

using Int = std::pair<const char*, std::optional<std::int32_t>>;
class ParseInt : public ::testing::TestWithParam<Int> {};

TEST_P(ParseInt, AcceptsSignedDecimalWithin32Bits) {
  EXPECT_EQ(parseInt(GetParam().first), GetParam().second) << "'" << GetParam().first << "'";
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseInt,
                         ::testing::Values(Int{" 42 ", 42}, Int{"\t-7", -7}, Int{"+8", 8},
                                           Int{"2147483647", 2147483647},
                                           Int{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                                           Int{"2147483648", no}, Int{"-2147483649", no}, Int{"1.0", no},
                                           Int{"1e2", no}, Int{"0x10", no}, Int{"", no}, Int{"-", no}, Int{"12a", no},
                                           Int{"99999999999999999999", no}));

TEST(ParseRealValues, NegativeZeroAndEveryShortestFormReadBack) {
  EXPECT_TRUE(std::signbit(parseReal("-0").value()));
  for (double v : {0.1, -0.3, 1.0 / 3, 2.5e-300, 1.7976931348623157e308, 1e20, 5e-324})
    EXPECT_EQ(parseReal(formatGeneral(v)), v) << formatGeneral(v);
}

TEST(ConversionMessages, NameTheTextAndTheKind) {
  EXPECT_EQ(test::errorText([] { toReal("1,5"); }), "'1,5' ist kein gültiger Gleitkommawert");
  EXPECT_EQ(test::errorText([] { toInt("1.5"); }), "'1.5' ist kein gültiger Integerwert");
  EXPECT_EQ(toInt("-12"), -12);
  EXPECT_EQ(toReal("2.5"), 2.5);
}

} // namespace
} // namespace veltra::core
