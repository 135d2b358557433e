#include "core/util/number_format.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

TEST(FormatFixed, TwoDecimalsFiveDigits) {
  EXPECT_EQ(formatFixed(15.5, 5, 2), "15.50");
  EXPECT_EQ(formatFixed(10, 5, 2), "10.00");
  EXPECT_EQ(formatFixed(-0.004, 5, 2), "0.00");
  EXPECT_EQ(formatFixed(-12.345, 5, 2), "-12.35");
  EXPECT_EQ(formatFixed(99999.99, 5, 2), "99999.99");
  EXPECT_EQ(formatFixed(123456, 5, 2), "1.2346E+005");
  EXPECT_EQ(formatFixed(-999999.9, 5, 2), "-1.0000E+006");
  // The constant's label on its symbol.
  EXPECT_EQ(formatFixed(12.34, 4, 1), "12.3");
  EXPECT_EQ(formatFixed(1234.5, 4, 1), "1234.5");
  EXPECT_EQ(formatFixed(12346, 4, 1), "1.235E+004");
}

TEST(FormatGeneral, ShortestForm) {
  EXPECT_EQ(formatGeneral(1.0), "1");
  EXPECT_EQ(formatGeneral(0.5), "0.5");
  EXPECT_EQ(formatGeneral(-200), "-200");
  EXPECT_EQ(formatGeneral(1e20), "1E20");
  EXPECT_EQ(formatGeneral(100000), "100000");
  EXPECT_EQ(formatGeneral(1e14), "100000000000000");
  EXPECT_EQ(formatGeneral(1e15), "1E15");
  EXPECT_EQ(formatGeneral(0.0001), "0.0001");
  EXPECT_EQ(formatGeneral(-0.00012), "-0.00012");
  EXPECT_EQ(formatGeneral(1e-5), "1E-5");
  EXPECT_EQ(formatGeneral(-2.5e-7), "-2.5E-7");
  EXPECT_EQ(formatGeneral(123456789.125), "123456789.125");
  EXPECT_EQ(formatGeneral(1.7976931348623157e308), "1.7976931348623157E308");
  EXPECT_EQ(formatGeneral(0.0), "0");
  EXPECT_EQ(formatGeneral(-0.0), "-0");
  EXPECT_EQ(formatGeneral(32503), "32503");
}

} // namespace
} // namespace veltra::core
