#include "core/util/number_format.h"
#include "core/util/number_parse.h"
#include "tests/core/persist/persist_test_util.h"

#include <cmath>

namespace veltra::core {
namespace {

constexpr std::nullopt_t no = std::nullopt;

TEST(ParseReal, AcceptsExactlyTheDecimalPointGrammar) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"1.5", 1.5},    {"  -2.25\t", -2.25}, {"+3", 3},     {".5", 0.5}, {"5.", 5},   {"1.5E-2", 0.015},
      {"-1e+2", -100}, {"1,5", no},          {"   ", no},   {".", no},   {"1e+", no}, {"1.2.3", no},
      {"inf", no},     {"0x10", no},         {"1e999", no}, {"--1", no}, {"1.5x", no}};
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(parseReal(text), expected) << "'" << text << "'";
  EXPECT_TRUE(std::signbit(parseReal("-0").value()));
  for (double v : {0.1, -0.3, 1.0 / 3, 2.5e-300, 1.7976931348623157e308, 1e20, 5e-324}) // shortest forms read back
    EXPECT_EQ(parseReal(formatGeneral(v)), v) << formatGeneral(v);
}

// The throwing forms name the text and the kind.
TEST(ParseInt, AcceptsSignedDecimalWithin32BitsAndTheThrowingFormsNameTheText) {
  // clang-format off
  const std::pair<const char*, std::optional<int>> cases[] = {
      {" 42 ", 42}, {"\t-7", -7}, {"+8", 8}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
      {"2147483648", no}, {"-2147483649", no}, {"1.0", no}, {"", no}, {"-", no}, {"12a", no}, {"99999999999999999999", no}};
  // clang-format on
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(parseInt(text), expected) << "'" << text << "'";
  EXPECT_EQ(test::errorText([] { toReal("1,5"); }), "'1,5' ist kein gültiger Gleitkommawert");
  EXPECT_EQ(test::errorText([] { toInt("1.5"); }), "'1.5' ist kein gültiger Integerwert");
  EXPECT_EQ(std::pair(toInt("-12"), toReal("2.5")), std::pair(-12, 2.5));
}

} // namespace
} // namespace veltra::core
