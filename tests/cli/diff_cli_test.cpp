#include "core/model/module_ops.h"
#include "core/persist/project_file_set.h"
#include "core/persist/signal_lists.h"
#include "core/persist/vtp_writer.h"
#include "core/util/cp1252.h"
#include "core/util/file_io.h"
#include "tests/cli/cli_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

using test_support::CliRun;

class DiffCliTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = test_support::freshTestDir("veltra_diff_");
    p->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR));
    ASSERT_TRUE(placeModule(*p, 4, 5, 2, 'R'));
    createModuleDefaults(*p, p->cell(4, 5, 2));
  }
  void TearDown() override { fs::remove_all(dir); }
  CliRun cli(const std::string& args) const { return test_support::runCli(args, dir); }
  std::string save(const std::string& name) {
    saveProject(*p, dir / (name + ".vtr"));
    return (dir / (name + ".vtr")).string();
  }

  fs::path dir;
  std::unique_ptr<Project> p = std::make_unique<Project>();
  const fs::path sample = fs::path(VELTRA_SAMPLES_DIR) / "heizung" / "heizung.vtr";
};

TEST_F(DiffCliTest, SameProjectsExitZero) {
  const std::string a = save("a"), b = save("b");
  const CliRun r = cli("diff " + a + " " + b);
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "Keine Unterschiede.\n");
}

// The sample plant against itself after save-as: nothing differs.
TEST_F(DiffCliTest, ProjectAgainstItselfAfterSaveAs) {
  const std::string copy = (dir / "kopie.vtr").string();
  ASSERT_EQ(cli("save-as " + sample.string() + " " + copy).code, 0);
  const CliRun r = cli("diff " + sample.string() + " " + copy + " --json");
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_EQ(r.out, "{\n  \"same\": true,\n  \"differences\": []\n}\n");
}

TEST_F(DiffCliTest, DifferencesAsTextAndJsonExitOne) {
  const std::string a = save("a");
  p->cell(4, 5, 2).setF64(8, 300);
  p->ProjectData.town.assign(utf8ToCp1252("München"));
  const std::string b = save("b");
  saveProjectData(p->ProjectData, dir / "b.vtp");
  CliRun r = cli("diff " + a + " " + b);
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_EQ(r.out, "Regelkreis 4:\n"
                   "  Modul R (6, 3): Nachstellzeit [s] 200 → 300\n"
                   "Projekt:\n"
                   "  Projektdaten Ort \"\" → \"München\"\n");
  r = cli("diff " + a + " " + b + " --json");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("\"same\": false"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("{\"kind\": \"parameter\", \"loop\": 4, \"where\": \"R (6, 3)\", \"subject\": "
                       "\"Nachstellzeit [s]\", \"before\": \"200\", \"after\": \"300\", \"text\": "
                       "\"Modul R (6, 3): Nachstellzeit [s] 200 → 300\"}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"kind\": \"project_data\", \"loop\": 0"), std::string::npos) << r.out;
}

TEST_F(DiffCliTest, UnreadableFileExitsTwoAndWrongUsage64) {
  const std::string a = save("a");
  const fs::path broken = dir / "kaputt.vtr";
  std::ofstream(broken) << "xy";
  for (const std::string& args :
       {"diff " + a + " " + broken.string(), "diff " + (dir / "fehlt.vtr").string() + " " + a}) {
    const CliRun r = cli(args);
    EXPECT_EQ(r.code, 2) << args;
    EXPECT_FALSE(r.err.empty());
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_EQ(cli("diff " + a).code, 64);
}

} // namespace
} // namespace veltra::core
