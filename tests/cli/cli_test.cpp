#include "model/connection_ops.h"
#include "model/module_ops.h"
#include "persist/project_file_set.h"
#include "persist/vtp_writer.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

// Runs veltra-cli with the given arguments (already quoted where needed).
CliRun cli(const std::string& args, const fs::path& dir) {
  const fs::path errFile = dir / "stderr.txt";
  const std::string cmd = std::string(VELTRA_CLI) + " " + args + " 2>" + errFile.string();
  CliRun r;
  FILE* pipe = popen(cmd.c_str(), "r");
  char buf[4096];
  size_t n = 0;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
    r.out.append(buf, n);
  const int status = pclose(pipe);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.err = readFileText(errFile);
  return r;
}

std::string bytesOf(const fs::path& p) { return readFileText(p); }

class CliTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("veltra_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    p->InitRKreise(VELTRA_PROGRAM_DIR);
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path save(const std::string& name) {
    const fs::path vtr = dir / (name + ".vtr");
    saveProject(*p, vtr);
    return vtr;
  }

  fs::path dir;
  std::unique_ptr<Project> p = std::make_unique<Project>();
  const fs::path sample = fs::path(VELTRA_SAMPLES_DIR) / "heizung" / "heizung.vtr";
};

TEST_F(CliTest, InfoCountsWhatTheProjectHolds) {
  ASSERT_TRUE(placeModule(*p, 7, 1, 2, 'E'));
  ASSERT_TRUE(placeModule(*p, 7, 3, 2, 'A'));
  ASSERT_TRUE(placeModule(*p, 9, 3, 0, 'R'));
  ASSERT_TRUE(placeModule(*p, 9, 6, 0, 'Q'));
  ASSERT_TRUE(addDestination(*p, 7, true, 1, 1, 2, 3, 2));
  ASSERT_TRUE(addDestination(*p, 9, false, 4, 6, 0, 3, 2)); // digital, only counted
  p->switchPoint(2, 1).mask = 3;
  p->TextList = {"a||=70101", "b||=90101"};
  p->ProjectData.projectName.assign("K\xFC"
                                    "che"); // "Küche" in code page 1252
  const fs::path vtr = save("p");
  saveProjectData(p->ProjectData, withExtension(vtr, ".vtp"));
  const CliRun r = cli("info " + vtr.string(), dir);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("\"loops\": [7, 9]"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"modules\": 4,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"modules_by_letter\": {\"A\": 1, \"E\": 1, \"Q\": 1, \"R\": 1}"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"analog_connections\": 1,"), std::string::npos);
  EXPECT_NE(r.out.find("\"digital_connections\": 1,"), std::string::npos);
  EXPECT_NE(r.out.find("\"destinations\": 2,"), std::string::npos);
  EXPECT_NE(r.out.find("\"switch_points\": 1,"), std::string::npos);
  EXPECT_NE(r.out.find("\"texts\": 2,"), std::string::npos);
  EXPECT_NE(r.out.find("\"project_name\": \"K\xC3\xBC"
                       "che\""),
            std::string::npos)
      << r.out;
}

TEST_F(CliTest, BadInputGivesExitTwoAndAGermanMessage) {
  CliRun r = cli("info " + (dir / "fehlt.vtr").string(), dir);
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("kann nicht ge\xC3\xB6"
                       "ffnet werden"),
            std::string::npos)
      << r.err;
  std::ofstream(dir / "kurz.vtr", std::ios::binary) << std::string("\x01\x00\x00\x00\x07\x00", 6);
  r = cli("info " + (dir / "kurz.vtr").string(), dir);
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Stream-Lesefehler"), std::string::npos) << r.err;
  r = cli("save-as " + (dir / "kurz.vtr").string() + " " + (dir / "neu.vtr").string(), dir);
  EXPECT_EQ(r.code, 2);
  EXPECT_FALSE(fs::exists(dir / "neu.vtr"));
}

TEST_F(CliTest, SaveAsGivesTheSameBytesForEveryFile) {
  const fs::path out = dir / "kopie.vtr";
  const CliRun r = cli("save-as " + sample.string() + " " + out.string(), dir);
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* ext : {".vtr", ".uhr", ".desc", ".txl", ".vtp"})
    EXPECT_EQ(bytesOf(withExtension(out, ext)), bytesOf(withExtension(sample, ext))) << ext;
}

TEST_F(CliTest, SaveAsWritesNoDataSheetWhenTheSourceHadNone) {
  ASSERT_TRUE(placeModule(*p, 1, 1, 1, 'E'));
  const fs::path src = save("ohne");
  const CliRun r = cli("save-as " + src.string() + " " + (dir / "neu.vtr").string(), dir);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(fs::exists(dir / "neu.desc"));
  EXPECT_FALSE(fs::exists(dir / "neu.vtp"));
}

TEST_F(CliTest, ProgramDirOptionChoosesTheSignalLists) {
  const CliRun r = cli("info " + sample.string() + " --program-dir " + (dir / "leer").string(), dir);
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("ASignale.txt"), std::string::npos) << r.err;
}

TEST_F(CliTest, CompileWritesTableAndCompanionAndPrintsTheChecksum) {
  const fs::path mtb = dir / "t.mtb";
  const CliRun r = cli("compile " + sample.string() + " -o " + mtb.string(), dir);
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string table = bytesOf(mtb);
  EXPECT_NE(r.out.find("length: " + std::to_string(table.size()) + "\n"), std::string::npos) << r.out;
  // Word k of the checksum is the sum of the bytes 5120 + k, 5124 + k, ...,
  // end marker (the zero byte after the table) included.
  unsigned long long words[4] = {0, 0, 0, 0};
  for (size_t i = 5120; i < table.size(); ++i)
    words[(i - 5120) % 4] += static_cast<unsigned char>(table[i]);
  std::ostringstream expected;
  expected << "checksum: " << words[0] << " " << words[1] << " " << words[2] << " " << words[3] << "\n";
  EXPECT_NE(r.out.find(expected.str()), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("work memory: "), std::string::npos);
  EXPECT_NE(r.out.find(" of 262144"), std::string::npos);
  const std::string des = bytesOf(dir / "t.des");
  EXPECT_EQ(des, std::string(262144, '\0'));
}

TEST_F(CliTest, DuplicateOutputsAreListedAndNothingIsWritten) {
  for (int loop : {1, 5}) {
    p->CurrentLoop = loop;
    ASSERT_TRUE(placeModule(*p, loop, 1, 1, 'E'));
    ASSERT_TRUE(placeModule(*p, loop, 3, 1, 'A'));
    createModuleDefaults(*p, p->cell(loop, 3, 1));
    p->cell(loop, 3, 1).setI32(0, 3);
    ASSERT_TRUE(addDestination(*p, loop, true, 1, 1, 1, 3, 1));
  }
  const fs::path src = save("doppelt");
  CliRun r = cli("compile " + src.string() + " -o " + (dir / "t.mtb").string(), dir);
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out.rfind("Regelkreis: 5 Zeile: 2 Spalte: 4  ", 0), 0u) << r.out;
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out; // one line
  EXPECT_FALSE(fs::exists(dir / "t.mtb"));
  EXPECT_FALSE(fs::exists(dir / "t.des"));
  r = cli("check " + src.string(), dir);
  EXPECT_EQ(r.code, 1);
  r = cli("check " + sample.string(), dir);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(CliTest, TooLargeTableIsRefusedWithExitThree) {
  // Loops full of the largest module overflow the 32,767 bytes the
  // controller can address.
  for (int loop = 1; loop <= 30; ++loop)
    for (int col = 1; col <= 13; col += 2)
      for (int row = 0; row + 5 <= 15; row += 5) {
        ASSERT_TRUE(placeModule(*p, loop, col, row, 'W'));
        createModuleDefaults(*p, p->cell(loop, col, row));
      }
  const fs::path src = save("gross");
  const CliRun r = cli("compile " + src.string() + " -o " + (dir / "t.mtb").string(), dir);
  EXPECT_EQ(r.code, 3);
  EXPECT_NE(r.err.find("32767"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "t.mtb"));
}

TEST_F(CliTest, CrossReferenceLinesAsTheResultWindowShowsThem) {
  const CliRun r = cli("xref " + sample.string(), dir);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("\tProjekt: Grundschule Am Lindenhof, Heizzentrale\nQuerverweisliste\n \nE1:   R1: Z2 S1", 0),
            0u)
      << r.out;
}

TEST_F(CliTest, RouteDumpsTheFieldAndBothRoutersAgree) {
  const CliRun fast = cli("route " + sample.string() + " --loop 2", dir);
  ASSERT_EQ(fast.code, 0) << fast.err;
  std::istringstream lines(fast.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    EXPECT_EQ(line.size(), 75u * 10 + 74) << "row " << count;
  }
  EXPECT_EQ(count, 75);
  // The source E of loop 2 stands at column 0, row 1: its output point is
  // sub-cell (4, 7), a module area without sides.
  std::istringstream again(fast.out);
  for (int j = 0; j <= 7; ++j)
    std::getline(again, line);
  EXPECT_EQ(line.substr(4 * 11, 10), "0200000000");
  EXPECT_EQ(line.substr(5 * 11, 2), "01"); // the line leaves it to the right
  const CliRun literal = cli("route " + sample.string() + " --loop 2 --literal", dir);
  EXPECT_EQ(literal.out, fast.out);
  EXPECT_EQ(cli("route " + sample.string() + " --loop 201", dir).code, 64);
}

} // namespace
} // namespace veltra::core
