#include "persist/uhr_reader.h"

#include "persist/uhr_writer.h"
#include "persist_test_util.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

// Program 2, point 3: "Ein" Monday to Friday at 06:30.
Bytes uhrImage(std::size_t size = 5120) {
  ByteImage b;
  b.fill((1 * 10 + 2) * 16, 0).u8(1).fill(3, 0).i32(31).i32(6).i32(30);
  b.fill(size - b.size(), 0);
  return b.bytes();
}

TEST(UhrReader, ReadsTheBlockProgramByProgram) {
  SwitchProgramTable t = readUhr(uhrImage(), "x.uhr");
  EXPECT_EQ(t[1][2].state, 1);
  EXPECT_EQ(t[1][2].mask, 31);
  EXPECT_EQ(t[1][2].hour, 6);
  EXPECT_EQ(t[1][2].minute, 30);
  EXPECT_FALSE(t[1][3].used());
}

TEST(UhrReader, WriterGivesTheSame5120Bytes) { EXPECT_EQ(toBytes(writeUhr(readUhr(uhrImage(), "x.uhr"))), uhrImage()); }

TEST(UhrReader, ShortFileIsAStreamReadErrorLongerFileIsCut) {
  EXPECT_EQ(errorText([] { readUhr(uhrImage(5119), "x.uhr"); }), "Stream-Lesefehler");
  Bytes longer = uhrImage(5200);
  EXPECT_EQ(toBytes(writeUhr(readUhr(longer, "x.uhr"))), uhrImage());
}

} // namespace
} // namespace veltra::core
