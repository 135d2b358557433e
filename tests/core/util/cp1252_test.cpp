#include "core/util/cp1252.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

// Both ends of the 0x80..0x9F block, an undefined byte (kept as its C1 control), Latin-1, ASCII.
TEST(Cp1252, ConvertsBothWays) {
  const std::string cp = "a\x80\x81\x8A\x9F\xA0\xE4\xFF", utf8 = "a\u20AC\u0081\u0160\u0178\u00A0\u00E4\u00FF";
  EXPECT_EQ(cp1252ToUtf8(cp), utf8);
  EXPECT_EQ(utf8ToCp1252(utf8), cp);
  EXPECT_EQ(utf8ToCp1252("\u4E2D|\xC3|\xE2\x82"), "?|?|??"); // no code page form; broken sequences
}

} // namespace
} // namespace veltra::core
