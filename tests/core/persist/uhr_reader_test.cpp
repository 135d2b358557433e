#include "persist/uhr_reader.h"

#include "persist/uhr_writer.h"
#include "persist_test_util.h"

namespace veltra::core::test {
namespace {

// Program 2, point 3: "Ein" Monday to Friday at 06:30.
Bytes uhrImage(std::size_t size = 5120) {
  ByteImage b;
  b.fill((1 * 10 + 2) * 16, 0).u8(1).fill(3, 0).i32(31).i32(6).i32(30);
  return b.fill(size - b.size(), 0).bytes();
}

TEST(UhrReader, ReadsTheBlockProgramByProgramAndCutsALongerFile) {
  SwitchProgramTable t = readUhr(uhrImage(5200), "x.uhr");
  EXPECT_EQ(std::tuple(t[1][2].state, t[1][2].mask, t[1][2].hour, t[1][2].minute), std::tuple(1, 31, 6, 30));
  EXPECT_FALSE(t[1][3].used());
  EXPECT_EQ(toBytes(writeUhr(t)), uhrImage());
  EXPECT_EQ(errorText([] { readUhr(uhrImage(5119), "x.uhr"); }), "Stream-Lesefehler");
}

} // namespace
} // namespace veltra::core::test
