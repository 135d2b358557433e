// veltra-cli simulate as a user runs it, and veltra-comsim running the
// sample plant's table on its plant.
#include "core/util/file_io.h"
#include "tests/cli/cli_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;
using test_support::CliRun;

class SimulateCliTest : public ::testing::Test {
protected:
  void SetUp() override { dir = test_support::freshTestDir("veltra_simcli_"); }
  void TearDown() override { fs::remove_all(dir); }

  CliRun simulate(const std::string& extra, const std::string& record) const {
    return test_support::runCli("simulate " + sample.string() + " --plant " + plant.string() + " --record " +
                                    (dir / record).string() + " --program-dir " + VELTRA_PROGRAM_DIR + " " + extra,
                                dir);
  }
  std::map<std::string, std::string> files(const std::string& record) const {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::directory_iterator(dir / record))
      out[e.path().filename().string()] = readFileText(e.path());
    return out;
  }

  fs::path dir;
  fs::path sample = fs::path(VELTRA_SAMPLES_DIR) / "heizung" / "heizung.vtr";
  fs::path plant = fs::path(VELTRA_SAMPLES_DIR) / "heizung" / "heizung.ini";
};

TEST_F(SimulateCliTest, WritesTheDayFilesTheSameEveryTime) {
  const CliRun a = simulate("--hours 2 --start \"07.12.2026 05:00\" --interval 60", "a");
  ASSERT_EQ(a.code, 0) << a.err;
  EXPECT_EQ(a.out, "Simuliert: 2 h ab 07.12.2026 05:00:00, 120 Zeilen je Gruppe in " + (dir / "a").string() + "\n");
  const auto first = files("a");
  ASSERT_EQ(first.size(), 5u);
  const std::vector<std::string> rows = splitLines(first.at("E_07.12.2026.csv"));
  ASSERT_EQ(rows.size(), 120u);
  EXPECT_TRUE(rows.front().starts_with("05:01:00;")) << rows.front();
  EXPECT_TRUE(rows.back().starts_with("07:00:00;")) << rows.back();
  ASSERT_EQ(simulate("--hours 2 --start \"07.12.2026 05:00\"", "b").code, 0);
  EXPECT_EQ(files("b"), first) << "interval 60 is the default; same inputs, same bytes";
  ASSERT_EQ(simulate("--hours 2 --start \"07.12.2026 05:00\" --seed 2", "c").code, 0);
  EXPECT_NE(files("c").at("E_07.12.2026.csv"), first.at("E_07.12.2026.csv"));
  ASSERT_EQ(simulate("--hours 0.5 --start \"07.12.2026 05:00:30\" --interval 600", "d").code, 0);
  EXPECT_EQ(splitLines(files("d").at("A_07.12.2026.csv")).size(), 3u);
}

TEST_F(SimulateCliTest, RefusesBadCallsAndBadFiles) {
  for (const char* bad : {"--hours 0", "--hours x", "--hours 9000", "--hours 1 --start \"31.04.2026 06:00\"",
                          "--hours 1 --start 07.12.2026", "--hours 1 --interval 0", "--hours 1 --seed -1"}) {
    const CliRun r = simulate(bad, "x");
    EXPECT_EQ(r.code, 64) << bad;
    EXPECT_FALSE(r.err.empty()) << bad;
  }
  EXPECT_EQ(test_support::runCli("simulate " + sample.string() + " --hours 1 --record " + dir.string(), dir).code, 64)
      << "no plant";
  writeFileAtomic(dir / "bad.ini", "[Strecke 1]\nEingang = E1\n");
  plant = dir / "bad.ini";
  CliRun r = simulate("--hours 1", "y");
  EXPECT_EQ(r.code, 2);
  EXPECT_TRUE(r.err.starts_with("Streckendatei, Zeile 2: ")) << r.err;
  sample = dir / "missing.vtr";
  EXPECT_EQ(simulate("--hours 1", "z").code, 2);
}

} // namespace
} // namespace veltra::core
