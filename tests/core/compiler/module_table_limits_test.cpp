#include "compiler/module_table.h"
#include "compiler/module_table_dump.h"
#include "compiler/module_table_files.h"
#include "compiler_test_support.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace veltra::core {
namespace {

using namespace test_support;

// Every entry and header is a multiple of 4 bytes long, so the longest
// table that fits is 32,764 bytes and the next possible one, 32,768 bytes,
// is the first that does not.
class TableLimitTest : public ::testing::Test {
protected:
  std::unique_ptr<Project> p = newProject();
  ModuleTable table;

  // 105 K modules (100-byte entries) on every other column of a loop, in
  // scan order, up to `count`.
  void fillWithK(int loop, int count) {
    for (int col = 1; col <= 13 && count > 0; col += 2)
      for (int row = 0; row < kRows && count > 0; ++row, --count)
        place(*p, loop, col, row, 'K');
  }

  // Loops 1 and 2 full of K (2 x 10,512 bytes), loop 3 with 65 K and three
  // more modules on column 9: 5120 + 21,024 + 12 + 6500 + `tail` bytes.
  void build(char last) {
    fillWithK(1, 105);
    fillWithK(2, 105);
    fillWithK(3, 65);
    place(*p, 3, 9, 5, 'F');
    place(*p, 3, 9, 6, 'F');
    place(*p, 3, 9, 7, last);
  }

  static bool zeroFrom(std::span<const std::uint8_t> b, std::size_t from) {
    return std::all_of(b.begin() + static_cast<std::ptrdiff_t>(from), b.end(), [](std::uint8_t v) { return v == 0; });
  }
};

// One step longer than the longest possible table is refused, and the
// refusal does not outlive the next run.
TEST_F(TableLimitTest, LongestPossibleTableIsAcceptedOneStepLongerIsNot) {
  build('T'); // 40 bytes: 32,768 in all
  CompileResult r = table.ErzeugeModulTabelle(*p);
  EXPECT_FALSE(r.success || table.canBeWritten());
  EXPECT_TRUE(r.tableTooLarge && r.anythingWritten);
  EXPECT_EQ(r.tableLength, 0);
  EXPECT_EQ(table.TableLength(), 0);
  EXPECT_EQ(r.requiredLength, 32768);
  EXPECT_NE(r.checksum, (TableChecksum{0, 0, 0, 0}));
  EXPECT_EQ(r.messages, std::vector<std::string>{"Die Modultabelle ist zu groß: 32768 Bytes (höchstens 32767)."});
  EXPECT_TRUE(zeroFrom(table.buffer(), 5120));
  const auto dir = std::filesystem::path(::testing::TempDir());
  EXPECT_THROW(writeModuleTableFiles(table, dir / "zu_gross.mtb"), Error);
  EXPECT_FALSE(std::filesystem::exists(dir / "zu_gross.mtb"));

  p->cell(3, 9, 7).letter = 'F'; // 36 bytes
  r = table.ErzeugeModulTabelle(*p);
  EXPECT_TRUE(r.success && !r.tableTooLarge && table.canBeWritten());
  EXPECT_EQ(r.tableLength, 32764);
  EXPECT_EQ(r.requiredLength, 32764);
  EXPECT_TRUE(r.messages.empty());
  // The last entry is complete and followed by the end marker.
  const auto b = table.buffer();
  EXPECT_EQ(b[32764 - 36], 'F');
  EXPECT_EQ(i32At(b, 32764 - 36 + 4), 9 * 16 + 7);
  EXPECT_TRUE(zeroFrom(b, 32764));
}

// A project many times the size of the buffer is measured but never stored.
TEST_F(TableLimitTest, HugeProjectIsRefusedWithoutTouchingTheBuffer) {
  for (int loop = 1; loop <= kLoops; ++loop)
    for (int col = 1; col <= 13; col += 2)
      for (int row : {0, 5, 10})
        place(*p, loop, col, row, 'W');
  CompileResult r = table.ErzeugeModulTabelle(*p);
  EXPECT_TRUE(r.tableTooLarge);
  EXPECT_EQ(r.requiredLength, 5120 + 200 * (12 + 21 * 140));
  EXPECT_EQ(r.workMemoryUsed, 200 * 21 * 72);
  EXPECT_TRUE(zeroFrom(table.buffer(), 5120));
}

} // namespace
} // namespace veltra::core
