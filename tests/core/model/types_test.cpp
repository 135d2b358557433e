#include "core/model/types.h"

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
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&t), sizeof t), std::string("\x02"
                                                                                  "ab") +
                                                                          std::string(19, '\0'));
  t.len = 200;
  EXPECT_EQ(t.view().size(), 21u);
}

TEST(Cell, EmptyStateAndParamsMatchTheFileLayout) {
  TCell c;
  std::memset(&c, 0x77, sizeof c);
  c.clear();
  const auto* b = reinterpret_cast<const unsigned char*>(&c);
  EXPECT_EQ(std::string(b, b + sizeof c), '*' + std::string(sizeof c - 1, '\0'));
  c.setI32(24, 0x01020304);
  c.setF64(8, 1.0);
  EXPECT_EQ(std::string(b + 28 + 8, b + 28 + 28),
            std::string("\0\0\0\0\0\0\xF0\x3F", 8) + std::string(8, '\0') + "\x04\x03\x02\x01");
}

TEST(Cell, ParamAccessOutsideTheBlockIsHarmless) {
  TCell c;
  c.clear();
  c.setI32(126, 5); // would cross the end of params
  c.setF64(-4, 1.0);
  EXPECT_EQ(std::tuple(c.i32(126), c.XE, c.f64(200)), std::tuple(0, 0, 0.0));
}

} // namespace
} // namespace veltra::core
