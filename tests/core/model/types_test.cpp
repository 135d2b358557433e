#include "model/types.h"

#include <gtest/gtest.h>

#include <cstring>

namespace veltra::core {
namespace {

TEST(SignalText, AssignCutsTo21BytesZeroesTheRestAndADamagedLengthReadsAs21) {
  TSignalText t;
  std::memset(&t, 0x55, sizeof t);
  t.assign("abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(t.str(), "abcdefghijklmnopqrstu");
  t.assign("ab");
  EXPECT_EQ(t.len, 2);
  EXPECT_EQ(std::string(t.chars + 2, t.chars + 21), std::string(19, '\0'));
  t.len = 200;
  EXPECT_EQ(t.view().size(), 21u);
}

TEST(Cell, EmptyStateAndParamsMatchTheFileLayout) {
  TCell c;
  std::memset(&c, 0x77, sizeof c);
  c.clear();
  const auto* b = reinterpret_cast<const unsigned char*>(&c);
  EXPECT_EQ(b[0], '*');
  EXPECT_EQ(std::string(b + 1, b + sizeof c), std::string(sizeof c - 1, '\0'));
  c.setI32(24, 0x01020304);
  c.setF64(8, 1.0);
  EXPECT_EQ(b[28 + 24], 0x04);
  EXPECT_EQ(b[28 + 27], 0x01);
  EXPECT_EQ(b[28 + 8 + 7], 0x3F); // 1.0 is 3F F0 00 .. 00, little-endian
  EXPECT_EQ(b[28 + 8 + 6], 0xF0);
}

TEST(Cell, ParamAccessOutsideTheBlockIsHarmless) {
  TCell c;
  c.clear();
  c.setI32(126, 5); // would cross the end of params
  c.setF64(-4, 1.0);
  EXPECT_EQ(c.i32(126), 0);
  EXPECT_EQ(c.XE, 0);
  EXPECT_EQ(c.f64(200), 0.0);
}

} // namespace
} // namespace veltra::core
