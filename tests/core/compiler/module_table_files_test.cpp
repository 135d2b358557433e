#include "compiler/module_table_files.h"
#include "compiler_test_support.h"
#include "util/error.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace veltra::core {
namespace {

using namespace test_support;
namespace fs = std::filesystem;

class ModuleTableFilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) / "veltra_mtb_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path dir;
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
  EXPECT_EQ(files.table, dir / "anlage.mtb");
  EXPECT_EQ(files.companion, dir / "anlage.des");
  const auto mtb = readFileBytes(files.table);
  ASSERT_EQ(mtb.size(), 5120u + 12 + 36);
  EXPECT_TRUE(std::equal(mtb.begin(), mtb.end(), table.tableBytes().begin()));
  EXPECT_EQ(readFileBytes(files.companion), std::vector<std::uint8_t>(262144, 0));
}

// Refused: an empty table, the companion's extension as the table's name,
// and a table that cannot be created; then no companion either.
TEST_F(ModuleTableFilesTest, RefusalsWriteNothing) {
  table.ErzeugeModulTabelle(*p);
  EXPECT_THROW(writeModuleTableFiles(table, dir / "leer.mtb"), Error);
  EXPECT_FALSE(fs::exists(dir / "leer.mtb") || fs::exists(dir / "leer.des"));
  place(*p, 1, 1, 0, 'K');
  table.ErzeugeModulTabelle(*p);
  EXPECT_THROW(writeModuleTableFiles(table, dir / "anlage.DES"), Error);
  EXPECT_FALSE(fs::exists(dir / "anlage.DES"));
  fs::create_directory(dir / "anlage.mtb"); // a folder cannot be replaced by the table
  try {
    writeModuleTableFiles(table, dir / "anlage.mtb");
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("kann nicht erstellt werden"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(fs::exists(dir / "anlage.des"));
}

} // namespace
} // namespace veltra::core
