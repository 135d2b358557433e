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

TEST_F(ModuleTableFilesTest, WritesTheTableAndAZeroCompanion) {
  place(*p, 1, 1, 0, 'D');
  CompileResult r = table.ErzeugeModulTabelle(*p, 100); // too little memory: still written
  ASSERT_TRUE(r.workMemoryExceeded);

  ModuleTableFiles files = writeModuleTableFiles(table, dir / "anlage.mtb");
  EXPECT_EQ(files.table, dir / "anlage.mtb");
  EXPECT_EQ(files.companion, dir / "anlage.des");

  const auto mtb = readFileBytes(files.table);
  ASSERT_EQ(mtb.size(), 5120u + 12 + 36);
  EXPECT_TRUE(std::equal(mtb.begin(), mtb.end(), table.tableBytes().begin()));
  const auto des = readFileBytes(files.companion);
  EXPECT_EQ(des.size(), 262144u);
  EXPECT_TRUE(std::all_of(des.begin(), des.end(), [](std::uint8_t v) { return v == 0; }));
}

TEST_F(ModuleTableFilesTest, ReplacesAnExistingTable) {
  place(*p, 1, 1, 0, 'K');
  table.ErzeugeModulTabelle(*p);
  writeModuleTableFiles(table, dir / "a.mtb");
  p->cell(1, 1, 0).letter = 'G';
  table.ErzeugeModulTabelle(*p);
  writeModuleTableFiles(table, dir / "a.mtb");
  EXPECT_EQ(readFileBytes(dir / "a.mtb").size(), 5120u + 12 + 36);
}

TEST_F(ModuleTableFilesTest, EmptyTableIsNotWritten) {
  table.ErzeugeModulTabelle(*p);
  EXPECT_THROW(writeModuleTableFiles(table, dir / "leer.mtb"), Error);
  EXPECT_FALSE(fs::exists(dir / "leer.mtb"));
  EXPECT_FALSE(fs::exists(dir / "leer.des"));
}

TEST_F(ModuleTableFilesTest, CompanionExtensionIsRefusedAsTableName) {
  place(*p, 1, 1, 0, 'K');
  table.ErzeugeModulTabelle(*p);
  EXPECT_THROW(writeModuleTableFiles(table, dir / "anlage.DES"), Error);
  EXPECT_FALSE(fs::exists(dir / "anlage.DES"));
}

TEST_F(ModuleTableFilesTest, CompanionIsNotWrittenWhenTheTableFails) {
  place(*p, 1, 1, 0, 'K');
  table.ErzeugeModulTabelle(*p);
  fs::create_directory(dir / "anlage.mtb"); // a folder cannot be replaced by the table
  try {
    writeModuleTableFiles(table, dir / "anlage.mtb");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("kann nicht erstellt werden"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(fs::exists(dir / "anlage.des"));
}

} // namespace
} // namespace veltra::core
