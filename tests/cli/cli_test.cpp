#include "core/chart/gra_file.h"
#include "core/model/connection_ops.h"
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
#include <limits>
#include <memory>
#include <string>
#include <tuple>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

using test_support::CliRun;

class CliTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = test_support::freshTestDir("veltra_cli_");
    p->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR));
  }
  void TearDown() override { fs::remove_all(dir); }
  // Runs veltra-cli with the given arguments (already quoted where needed).
  CliRun cli(const std::string& args) const { return test_support::runCli(args, dir); }
  fs::path save(const std::string& name) {
    saveProject(*p, dir / (name + ".vtr"));
    return dir / (name + ".vtr");
  }

  fs::path dir;
  std::unique_ptr<Project> p = std::make_unique<Project>();
  const fs::path sample = fs::path(VELTRA_SAMPLES_DIR) / "heizung" / "heizung.vtr";
};

TEST_F(CliTest, InfoCountsWhatTheProjectHolds) {
  for (const auto& [loop, col, row, letter] :
       {std::tuple{7, 1, 2, 'E'}, {7, 3, 2, 'A'}, {9, 3, 0, 'R'}, {9, 6, 0, 'Q'}})
    ASSERT_TRUE(placeModule(*p, loop, col, row, letter));
  ASSERT_TRUE(addDestination(*p, 7, true, 1, 1, 2, 3, 2));
  ASSERT_TRUE(addDestination(*p, 9, false, 4, 6, 0, 3, 2)); // digital, only counted
  p->switchPoint(2, 1).mask = 3;
  p->TextList = {"a||=70101", "b||=90101"};
  p->ProjectData.projectName.assign(utf8ToCp1252("Küche"));
  const fs::path vtr = save("p");
  saveProjectData(p->ProjectData, withExtension(vtr, ".vtp"));
  const CliRun r = cli("info " + vtr.string());
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* field :
       {"\"loops\": [7, 9]", "\"modules\": 4,", "\"modules_by_letter\": {\"A\": 1, \"E\": 1, \"Q\": 1, \"R\": 1}",
        "\"analog_connections\": 1,", "\"digital_connections\": 1,", "\"destinations\": 2,", "\"switch_points\": 1,",
        "\"texts\": 2,", "\"project_name\": \"Küche\""})
    EXPECT_NE(r.out.find(field), std::string::npos) << field << "\n" << r.out;
}

// Missing, short and unreadable-by-settings inputs: exit 2, a German message, nothing written.
TEST_F(CliTest, BadInputGivesExitTwoAndAGermanMessage) {
  std::ofstream(dir / "kurz.vtr", std::ios::binary) << std::string("\x01\x00\x00\x00\x07\x00", 6);
  const std::pair<std::string, const char*> cases[] = {
      {"info " + (dir / "fehlt.vtr").string(), "kann nicht geöffnet werden"},
      {"save-as " + (dir / "kurz.vtr").string() + " " + (dir / "neu.vtr").string(), "Stream-Lesefehler"},
      {"info " + sample.string() + " --program-dir " + (dir / "leer").string(), "ASignale.txt"}};
  for (const auto& [args, message] : cases) {
    const CliRun r = cli(args);
    EXPECT_TRUE(r.code == 2 && r.err.find(message) != std::string::npos) << args << ": " << r.code << " " << r.err;
  }
  EXPECT_FALSE(fs::exists(dir / "neu.vtr"));
}

TEST_F(CliTest, SaveAsGivesTheSameBytesForEveryFile) {
  const fs::path out = dir / "kopie.vtr";
  const CliRun r = cli("save-as " + sample.string() + " " + out.string());
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* ext : {".vtr", ".uhr", ".desc", ".txl", ".vtp"})
    EXPECT_EQ(readFileText(withExtension(out, ext)), readFileText(withExtension(sample, ext))) << ext;
}

TEST_F(CliTest, CompileWritesTableAndCompanionAndPrintsTheChecksum) {
  const fs::path mtb = dir / "t.mtb";
  const CliRun r = cli("compile " + sample.string() + " -o " + mtb.string());
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string table = readFileText(mtb);
  EXPECT_NE(r.out.find("length: " + std::to_string(table.size()) + "\n"), std::string::npos) << r.out;
  // Word k sums the bytes 5120 + k, 5124 + k, ..., the end marker (zero byte after the table) included.
  unsigned long long words[4] = {0, 0, 0, 0};
  for (size_t i = 5120; i < table.size(); ++i)
    words[(i - 5120) % 4] += static_cast<unsigned char>(table[i]);
  std::string sums = "checksum:";
  for (const unsigned long long w : words)
    sums += " " + std::to_string(w);
  EXPECT_NE(r.out.find(sums + "\n"), std::string::npos) << r.out;
  EXPECT_EQ(readFileText(dir / "t.des"), std::string(262144, '\0'));
}

TEST_F(CliTest, DuplicateOutputsAreListedAndNothingIsWritten) {
  for (int loop : {1, 5}) {
    ASSERT_TRUE(placeModule(*p, loop, 1, 1, 'E'));
    ASSERT_TRUE(placeModule(*p, loop, 3, 1, 'A'));
    createModuleDefaults(*p, p->cell(loop, 3, 1));
    p->cell(loop, 3, 1).setI32(0, 3);
    ASSERT_TRUE(addDestination(*p, loop, true, 1, 1, 1, 3, 1));
  }
  const std::string src = save("doppelt").string();
  CliRun r = cli("compile " + src + " -o " + (dir / "t.mtb").string());
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(r.out.starts_with("Regelkreis: 5 Zeile: 2 Spalte: 4  ")) << r.out;
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out; // one line
  EXPECT_FALSE(fs::exists(dir / "t.mtb") || fs::exists(dir / "t.des"));
  EXPECT_EQ(cli("check " + src).code, 1);
}

TEST_F(CliTest, CrossReferenceLinesAsTheResultWindowShowsThem) {
  const CliRun r = cli("xref " + sample.string());
  const std::string head = "\tProjekt: Grundschule Am Lindenhof, Heizzentrale\nQuerverweisliste\n \nE1:   R1: Z2 S1";
  EXPECT_TRUE(r.code == 0 && r.out.starts_with(head)) << r.err << r.out;
}

TEST_F(CliTest, RouteDumpsTheFieldAndBothRoutersAgree) {
  const CliRun fast = cli("route " + sample.string() + " --loop 2");
  ASSERT_EQ(fast.code, 0) << fast.err;
  // 75 lines of 75 entries; loop 2's source E at column 0, row 1 has its output at sub-cell (4, 7), without sides.
  ASSERT_EQ(fast.out.size(), 75u * (75 * 11));
  const std::string line = fast.out.substr(7 * 75 * 11, 75 * 11);
  EXPECT_EQ(line.back(), '\n');
  EXPECT_EQ(line.substr(4 * 11, 10), "0200000000");
  EXPECT_EQ(line.substr(5 * 11, 2), "01"); // the line leaves it to the right
  const CliRun literal = cli("route " + sample.string() + " --loop 2 --literal");
  EXPECT_EQ(literal.out, fast.out);
  EXPECT_EQ(cli("route " + sample.string() + " --loop 201").code, 64);
}

// A chart file as JSON: the axes as drawn at the graph window's size.
TEST_F(CliTest, ChartPrintsTheChartFileAsJson) {
  ChartModel c;
  c.Appearance.GraphTitle = "Kühlung";
  c.YAxis.Title = "°C";
  c.YAxis_Second.AutoSizing = false;
  c.YAxis_Second.Min = -300;
  c.YAxis_Second.Max = 300;
  c.YAxis_Second.Reversed = true;
  TSeries& s = c.Series(1);
  s.Name = "Vorlauf";
  s.SetLineColor(rgbColor(255, 128, 0));
  s.Add(1, 3);
  s.Add(2, std::numeric_limits<double>::quiet_NaN());
  s.Add(3, 47);
  c.Series(2).SetWhichYAxis(false);
  const fs::path gra = dir / "k.gra";
  saveChartFile(c, gra, 1);
  const CliRun r = cli("chart " + gra.string() + " --json");
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* field :
       {"\"title\": \"Kühlung\"", "\"y\": {\"title\": \"°C\", \"min\": 0, \"max\": 50, \"step\": 5, \"log\": false",
        "\"y2\": {\"title\": \"\", \"min\": -300, \"max\": 300, \"step\": 100, \"log\": false, \"time\": false, "
        "\"reversed\": true, \"grid\": true, \"auto\": false}",
        "\"legend\": {\"visible\": true, \"left\": 70, \"top\": 6, \"width\": 0, \"height\": 0}",
        "{\"number\": 1, \"name\": \"Vorlauf\", \"active\": true, \"line_color\": \"#ff8000\", \"axis\": \"y\", "
        "\"legend_status\": 3, \"line_style\": 0, \"draw_points\": true, \"points\": [[1, 3], [2, null], [3, 47]]}",
        "{\"number\": 2, \"name\": \"\", \"active\": true, \"line_color\": \"#0000c8\", \"axis\": \"y2\""})
    EXPECT_NE(r.out.find(field), std::string::npos) << field << "\n" << r.out;
}

TEST_F(CliTest, ChartRefusesDamagedFilesAndOtherInputs) {
  std::ofstream(dir / "kaputt.gra", std::ios::binary) << std::string("\x06\x09xygg03.20\x06\x03", 13);
  const std::tuple<std::string, int, const char*> cases[] = {
      {"chart " + (dir / "kaputt.gra").string() + " --json", 2, "Die Graphikdatei \"kaputt.gra\" ist beschädigt"},
      {"chart " + (dir / "fehlt.gra").string() + " --json", 2, "kann nicht geöffnet werden"},
      {"chart " + (dir / "kaputt.gra").string(), 64, ""},
      {"chart " + (dir / "tag.txt").string() + " --json", 64, "keine Graphikdatei"},
      {"chart " + (dir / "kaputt.gra").string() + " -o x.png --size 0x5", 64, "Breite×Höhe"}};
  for (const auto& [args, code, message] : cases) {
    const CliRun r = cli(args);
    EXPECT_TRUE(r.code == code && r.err.find(message) != std::string::npos) << args << ": " << r.code << " " << r.err;
  }
}

} // namespace
} // namespace veltra::core
