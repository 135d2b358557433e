#include "model/types.h"

#include <gtest/gtest.h>

#include <cstring>

namespace veltra::core {
namespace {

TEST(SignalText, AssignCutsTo21BytesAndZeroesTheRest) {
  TSignalText t;
  std::memset(&t, 0x55, sizeof t);
  t.assign("abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(t.len, 21);
  EXPECT_EQ(t.str(), "abcdefghijklmnopqrstu");
  t.assign("ab");
  EXPECT_EQ(t.len, 2);
  EXPECT_EQ(t.chars[2], 0);
  EXPECT_EQ(t.chars[20], 0);
}

TEST(SignalText, DamagedLengthByteReadsAs21) {
  TSignalText t{};
  t.len = 200;
  EXPECT_EQ(t.view().size(), 21u);
}

TEST(Cell, EmptyStateMatchesTheFileLayout) {
  TCell c;
  std::memset(&c, 0x77, sizeof c);
  c.clear();
  const auto* b = reinterpret_cast<const unsigned char*>(&c);
  EXPECT_EQ(b[0], '*');
  for (size_t i = 1; i < sizeof c; ++i)
    EXPECT_EQ(b[i], 0) << "byte " << i;
}

TEST(Cell, TypedParamAccessIsLittleEndianAtTheGivenOffset) {
  TCell c;
  c.clear();
  c.setI32(24, 0x01020304);
  c.setF64(8, 1.0);
  const auto* b = reinterpret_cast<const unsigned char*>(&c);
  EXPECT_EQ(b[28 + 24], 0x04);
  EXPECT_EQ(b[28 + 27], 0x01);
  // 1.0 is 3F F0 00 .. 00; its last byte is the exponent's high byte.
  EXPECT_EQ(b[28 + 8 + 7], 0x3F);
  EXPECT_EQ(b[28 + 8 + 6], 0xF0);
  EXPECT_EQ(c.i32(24), 0x01020304);
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

TEST(Cell, ConnectionFieldsFollowTheParams) {
  TCell c;
  c.clear();
  c.XE = 1;
  c.XA = 2;
  c.YE = 3;
  c.YA = 4;
  const auto* b = reinterpret_cast<const unsigned char*>(&c);
  EXPECT_EQ(b[156], 1);
  EXPECT_EQ(b[160], 2);
  EXPECT_EQ(b[164], 3);
  EXPECT_EQ(b[168], 4);
}

TEST(Wire, FreeSlotIsAllMinusOne) {
  TWire w;
  w.clear();
  const auto* v = reinterpret_cast<const std::int32_t*>(&w);
  for (int i = 0; i < 42; ++i)
    EXPECT_EQ(v[i], -1);
  EXPECT_TRUE(w.isFree());
}

TEST(ProjectData, CountedFieldsCutToTheirMaximum) {
  TProjectData d{};
  d.customer.assign(std::string(50, 'k'));
  EXPECT_EQ(d.customer.len, 40);
  d.projectName.assign("Schule");
  const auto* b = reinterpret_cast<const unsigned char*>(&d);
  EXPECT_EQ(b[0], 6);
  EXPECT_EQ(b[1], 'S');
}

} // namespace
} // namespace veltra::core
