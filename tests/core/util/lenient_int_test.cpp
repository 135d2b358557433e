#include "core/util/lenient_int.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

TEST(LenientInt, DigitsUpToTheFirstOtherCharacter) {
  EXPECT_EQ(lenientInt("12abc"), 12);
  EXPECT_EQ(lenientInt("  -7"), -7);
  EXPECT_EQ(lenientInt("+201"), 201);
  EXPECT_EQ(lenientInt("abc"), 0);
  EXPECT_EQ(lenientInt(""), 0);
  EXPECT_EQ(lenientInt("$1F"), 31);
  EXPECT_EQ(lenientInt("0x10"), 16);
  EXPECT_EQ(lenientInt("99999999999999999999"), 2147483647);
  EXPECT_EQ(lenientInt("-99999999999999999999"), -2147483648LL);
}

TEST(StrictInt, OnlyWholeIntegers) {
  std::int64_t v = -1;
  EXPECT_TRUE(strictInt("15", v) && v == 15);
  EXPECT_TRUE(strictInt(" -3 ", v) && v == -3);
  for (const char* bad : {"", "1.5", "12abc", "-", "3000000000"})
    EXPECT_FALSE(strictInt(bad, v)) << bad;
}

} // namespace
} // namespace veltra::core
