#include "compiler_test_support.h"
#include "core/compiler/module_table_files.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace veltra::core {
namespace {

using namespace test_support;
namespace fs = std::filesystem;

class ModuleTableFilesTest : public ::testing::Test {
protected:
  void SetUp() override { fs::remove_all(dir), fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  // Refused, and neither the table nor its companion written.
  void refused(const fs::path& name, const char* message) {
    try {
      writeModuleTableFiles(table, dir / name);
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::is_regular_file(dir / name) || fs::exists(dir / fs::path(name).replace_extension("des")));
  }
  // 105 K modules (100-byte entries) on every other column of a loop, up to `count`.
  void fillWithK(int loop, int count) {
    for (int col = 1; col <= 13 && count > 0; col += 2)
      for (int row = 0; row < kRows && count > 0; ++row, --count)
        place(*p, loop, col, row, 'K');
  }
  static bool zeroFrom(std::span<const std::uint8_t> b, std::size_t from) {
    return std::all_of(b.begin() + static_cast<std::ptrdiff_t>(from), b.end(), [](std::uint8_t v) { return v == 0; });
  }

  fs::path dir = fs::path(::testing::TempDir()) / "veltra_mtb_test";
  std::unique_ptr<Project> p = newProject();
  ModuleTable table;
};

// Written even with too little work memory; an existing table is replaced.
TEST_F(ModuleTableFilesTest, WritesTheTableAndAZeroCompanion) {
  place(*p, 1, 1, 0, 'K');
  table.ErzeugeModulTabelle(*p);
  writeModuleTableFiles(table, dir / "anlage.mtb");
  p->cell(1, 1, 0).letter = 'D';
  ASSERT_TRUE(table.ErzeugeModulTabelle(*p, 100).workMemoryExceeded);
  ModuleTableFiles files = writeModuleTableFiles(table, dir / "anlage.mtb");
  EXPECT_TRUE(files.table == dir / "anlage.mtb" && files.companion == dir / "anlage.des");
  const auto mtb = readFileBytes(files.table);
  ASSERT_EQ(mtb.size(), 5120u + 12 + 36);
  EXPECT_TRUE(std::equal(mtb.begin(), mtb.end(), table.tableBytes().begin()));
  EXPECT_EQ(readFileBytes(files.companion), std::vector<std::uint8_t>(262144, 0));
}

// An empty table, the companion's extension as the table's name, a table
// that cannot be created (a folder is in the way).
TEST_F(ModuleTableFilesTest, RefusalsWriteNothing) {
  table.ErzeugeModulTabelle(*p);
  refused("leer.mtb", "");
  place(*p, 1, 1, 0, 'K');
  table.ErzeugeModulTabelle(*p);
  refused("anlage.DES", "");
  fs::create_directory(dir / "anlage.mtb");
  refused("anlage.mtb", "kann nicht erstellt werden");
}

// Entries are multiples of 4 bytes: 32,764 is the longest table, 32,768 the
// first refused; the refusal does not outlive the next run.
TEST_F(ModuleTableFilesTest, LongestPossibleTableIsAcceptedOneStepLongerIsNot) {
  fillWithK(1, 105); // 10,512 bytes per full loop
  fillWithK(2, 105);
  fillWithK(3, 65);
  place(*p, 3, 9, 5, 'F');
  place(*p, 3, 9, 6, 'F');
  place(*p, 3, 9, 7, 'T'); // 40 bytes: 5120 + 21,024 + 12 + 6500 + 72 + 40
  CompileResult r = table.ErzeugeModulTabelle(*p);
  EXPECT_FALSE(r.success || table.canBeWritten());
  EXPECT_TRUE(r.tableTooLarge && r.anythingWritten);
  EXPECT_TRUE(r.tableLength == 0 && table.TableLength() == 0);
  EXPECT_EQ(r.requiredLength, 32768);
  EXPECT_NE(r.checksum, (TableChecksum{0, 0, 0, 0}));
  EXPECT_EQ(r.messages, std::vector<std::string>{"Die Modultabelle ist zu groß: 32768 Bytes (höchstens 32767)."});
  EXPECT_TRUE(zeroFrom(table.buffer(), 5120));
  refused("zu_gross.mtb", "");

  p->cell(3, 9, 7).letter = 'F'; // 36 bytes
  r = table.ErzeugeModulTabelle(*p);
  EXPECT_TRUE(r.success && !r.tableTooLarge && table.canBeWritten() && r.messages.empty());
  EXPECT_EQ(r.tableLength, 32764);
  EXPECT_EQ(r.requiredLength, 32764);
  // The last entry is complete and followed by the end marker.
  EXPECT_EQ(table.buffer()[32764 - 36], 'F');
  EXPECT_EQ(i32At(table.buffer(), 32764 - 36 + 4), 9 * 16 + 7);
  EXPECT_TRUE(zeroFrom(table.buffer(), 32764));
}

// A project many times the size of the buffer is measured but never stored.
TEST_F(ModuleTableFilesTest, HugeProjectIsRefusedWithoutTouchingTheBuffer) {
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
