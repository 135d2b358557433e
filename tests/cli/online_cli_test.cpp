// End to end: veltra-comsim serves a block, veltra-cli works against it.
#include "core/online/server_block.h"
#include "core/online/shm_block.h"
#include "core/persist/project_file_set.h"
#include "core/util/file_io.h"
#include "tests/cli/cli_test_support.h"
#include "tests/core/compiler/compiler_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace veltra::core {
namespace {

namespace fs = std::filesystem;
using test_support::CliRun;

class OnlineCliTest : public ::testing::Test {
protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir = test_support::freshTestDir("veltra_online_");
    fs::create_directories(dir / "mess");
    block = "/veltra_e2e_" + std::to_string(::getpid()) + "_" + test;
    // Loop 2: simulated E1, E5, F7, I1 inverted, Q3 and a gate without output.
    p->CurrentLoop = 2;
    test_support::place(*p, 2, 0, 1, 'E');
    test_support::place(*p, 2, 0, 3, 'E').setI32(0, 5);
    test_support::place(*p, 2, 0, 5, 'F').setI32(0, 7);
    TCell& i = test_support::place(*p, 2, 0, 7, 'I');
    i.setU8(4, 1);
    test_support::place(*p, 2, 2, 9, 'Q').setI32(0, 3);
    test_support::place(*p, 2, 4, 11, 'U');
    saveProject(*p, vtr());
  }
  void TearDown() override {
    stopServer();
    ::shm_unlink(block.c_str());
    fs::remove_all(dir);
  }
  fs::path vtr() const { return dir / "p.vtr"; }
  CliRun cli(const std::string& args) const { return test_support::runCli(args + " --block " + block, dir); }

  // Starts veltra-comsim and waits until it says its block is there.
  void startServer(std::vector<std::string> extra) {
    std::vector<std::string> args = {VELTRA_COMSIM, "--block", block, "--status", "0"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& a : args)
      argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, (dir / "comsim.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, (dir / "comsim.err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_EQ(posix_spawn(&server, VELTRA_COMSIM, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    auto started = [&] { return readFileText(dir / "comsim.out").find("angelegt") != std::string::npos; };
    for (int i = 0; i < 100 && !started(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(started()) << readFileText(dir / "comsim.err");
    ASSERT_TRUE(sharedBlockExists(block));
  }
  // SIGTERM; the exit code of the server.
  int stopServer() {
    if (server <= 0) return -1;
    ::kill(server, SIGTERM);
    int status = 0;
    ::waitpid(server, &status, 0);
    server = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::vector<std::string> liveLines() {
    const CliRun r = cli("live " + vtr().string() + " --loop 2");
    EXPECT_EQ(r.code, 0) << r.err;
    return splitLines(r.out);
  }

  fs::path dir;
  std::string block;
  pid_t server = 0;
  std::unique_ptr<Project> p = test_support::newProject();
};

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t pos; (pos = line.find(';', start)) != std::string::npos; start = pos + 1)
    out.push_back(line.substr(start, pos - start));
  out.push_back(line.substr(start));
  return out;
}

// The live view of loop 2 in drawing order, a change through "write", and
// the stand-in leaving the written values alone (E1 is simulated, yet keeps
// the value written).
TEST_F(OnlineCliTest, LiveAndWriteAgainstTheStandIn) {
  startServer({"--project", vtr().string(), "--program-dir", VELTRA_PROGRAM_DIR});
  std::vector<std::string> lines = liveLines();
  ASSERT_EQ(lines.size(), 5u) << ::testing::PrintToString(lines);
  EXPECT_TRUE(lines[0].starts_with("0 1 ")) << lines[0];
  const double e1 = std::stod(lines[0].substr(4));
  EXPECT_TRUE(e1 > -3.5 && e1 < 13.5 && lines[0] != "0 1 0.00") << lines[0]; // sine 5 +- 8
  EXPECT_EQ(lines[1], "0 3 0.00");
  EXPECT_EQ(lines[2], "0 5 0.00");
  EXPECT_EQ(lines[3], "0 7 1") << "I1 = 0, inverted";
  EXPECT_EQ(lines[4], "2 9 0");

  const CliRun w = cli("write " + vtr().string() + " E5=21.5 F7=-1.25 I1=1 Q3=1 E1=99");
  ASSERT_EQ(w.code, 0) << w.err;
  EXPECT_EQ(w.out.substr(0, w.out.find('\n')), "E5: 0 -> 21.5");
  std::this_thread::sleep_for(std::chrono::milliseconds(600)); // a few updates of the stand-in
  lines = liveLines();
  EXPECT_EQ(lines, (std::vector<std::string>{"0 1 99.00", "0 3 21.50", "0 5 -1.25", "0 7 0", "2 9 1"}));

  // Out of range or of the wrong kind: refused before anything is written.
  for (const char* bad : {"E257=1", "S33=1", "I3=2", "E0=1", "Q3=x", "V3=1", "E5=1,5"}) {
    const CliRun r = cli("write " + vtr().string() + " E5=7 " + bad);
    EXPECT_EQ(r.code, 64) << bad;
    EXPECT_NE(r.err.find("Nichts wurde geschrieben"), std::string::npos) << bad << r.err;
  }
  EXPECT_EQ(liveLines()[1], "0 3 21.50");
  EXPECT_EQ(stopServer(), 0);
  EXPECT_FALSE(sharedBlockExists(block)) << "the stand-in removes its block when stopped";
  EXPECT_NE(readFileText(dir / "comsim.out").find("entfernt"), std::string::npos);
}

// The sample plant compiled as "Tabelle erzeugen" does, served from its
// table file: three rows at 1 s into the five day files, as "Messen" writes them.
TEST_F(OnlineCliTest, RecordWritesTheFiveDayFiles) {
  const std::string sample = (fs::path(VELTRA_SAMPLES_DIR) / "heizung" / "heizung.vtr").string();
  ASSERT_EQ(test_support::runCli("compile " + sample + " -o " + (dir / "heizung.mtb").string(), dir).code, 0);
  startServer({"--table", (dir / "heizung.mtb").string()});
  ASSERT_EQ(cli("write " + sample + " E5=21.5 I3=1").code, 0);
  const CliRun r = cli("record " + sample + " --dir " + (dir / "mess").string() + " --interval 1 --count 3");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(splitLines(r.out).size(), 3u) << r.out;
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir / "mess"))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  ASSERT_EQ(names.size(), 5u);
  const std::string date = names[0].substr(2, 10); // a day change during the test would show here
  EXPECT_EQ(names, (std::vector<std::string>{"A_" + date + ".csv", "E_" + date + ".csv", "H_" + date + ".csv",
                                             "I_" + date + ".csv", "Q_" + date + ".csv"}));
  EXPECT_EQ(date[2], '.');
  EXPECT_EQ(date[5], '.');
  for (const std::string& name : names) {
    const std::string text = readFileText(dir / "mess" / name);
    const std::vector<std::string> rows = splitLines(text);
    ASSERT_EQ(rows.size(), 3u) << name;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r')) << "CR LF";
    for (const std::string& row : rows) {
      const std::vector<std::string> f = fields(row);
      ASSERT_EQ(f.size(), 257u) << name;
      EXPECT_EQ(f[0].size(), 8u) << f[0];
      EXPECT_EQ(f[0][2], ':') << f[0];
      if (name[0] == 'I' || name[0] == 'Q') {
        for (std::size_t n = 1; n < f.size(); ++n)
          ASSERT_TRUE(f[n] == "0" || f[n] == "1") << name << " " << n << " " << f[n];
      }
      if (name[0] == 'E') {
        EXPECT_EQ(f[5], "21.5");
        EXPECT_NE(f[1], "0") << "E1 is simulated";
      }
      if (name[0] == 'I') {
        EXPECT_EQ(f[3], "1");
      }
    }
  }
}

// The recorder's files through "chart": the curves named by the project's
// descriptions, E5 as written, I3 drawn as 5, a colour given and one chosen.
TEST_F(OnlineCliTest, RecordedDayFilesBecomeAChart) {
  const std::string sample = (fs::path(VELTRA_SAMPLES_DIR) / "heizung" / "heizung.vtr").string();
  ASSERT_EQ(test_support::runCli("compile " + sample + " -o " + (dir / "heizung.mtb").string(), dir).code, 0);
  startServer({"--table", (dir / "heizung.mtb").string()});
  ASSERT_EQ(cli("write " + sample + " E5=21.5 I3=1").code, 0);
  ASSERT_EQ(cli("record " + sample + " --dir " + (dir / "mess").string() + " --interval 1 --count 2").code, 0);
  stopServer();
  fs::path picked;
  for (const auto& e : fs::directory_iterator(dir / "mess"))
    if (e.path().filename().string().starts_with("Q_")) picked = e.path(); // any group's file picks the day
  ASSERT_FALSE(picked.empty());

  const fs::path gra = dir / "tag.gra";
  const CliRun r = test_support::runCli(
      "chart " + picked.string() + " --curve E5 --curve I3:#ff0000 --project " + sample + " -o " + gra.string(), dir);
  ASSERT_EQ(r.code, 0) << r.err;
  const CliRun json = test_support::runCli("chart " + gra.string() + " --json", dir);
  ASSERT_EQ(json.code, 0) << json.err;
  LoadedProject loaded = loadProject(*test_support::newProject(), VELTRA_PROGRAM_DIR, sample);
  const std::string e5 = loaded.project->SignalDesc.text(SignalGroup::E, 5);
  ASSERT_FALSE(e5.empty());
  EXPECT_NE(json.out.find("\"name\": \"" + e5 + "\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"line_color\": \"#ff0000\", \"axis\": \"y\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find(", 21.5], ["), std::string::npos) << json.out; // two rows of E5
  EXPECT_NE(json.out.find(", 5], ["), std::string::npos) << json.out;    // I3 on
  EXPECT_EQ(json.out.find("null"), std::string::npos) << json.out;

  // Usage faults: a group without curves, a number beyond it, no output.
  for (const char* bad : {" --curve S1 -o x.gra", " --curve E257 -o x.gra", " --curve E1:#ff00 -o x.gra", " -o x.gra",
                          " --curve E1 -o x.txt", " --curve E1"})
    EXPECT_EQ(test_support::runCli("chart " + picked.string() + std::string(bad), dir).code, 64) << bad;
  // A file of no day: a message and exit 2.
  const CliRun none = test_support::runCli("chart " + (dir / "heizung.mtb.csv").string() + " --curve E1 -o x.gra", dir);
  EXPECT_EQ(none.code, 2);
}

// With a plant, the stand-in runs the table as the controller: the plant
// moves the supply temperature from its base, the outdoor temperature comes
// from the plant file, and a value the tool writes stays.
TEST_F(OnlineCliTest, TheStandInRunsTheSamplePlantsTableOnItsPlant) {
  const fs::path heizung = fs::path(VELTRA_SAMPLES_DIR) / "heizung";
  const std::string sample = (heizung / "heizung.vtr").string();
  startServer({"--project", sample, "--program-dir", VELTRA_PROGRAM_DIR, "--plant", (heizung / "heizung.ini").string(),
               "--speed", "600"});
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  CliRun r = cli("live " + sample + " --loop 2");
  ASSERT_EQ(r.code, 0) << r.err;
  std::vector<std::string> lines = splitLines(r.out);
  auto valueAt = [&](const std::string& place) {
    for (const std::string& line : lines)
      if (line.starts_with(place + " ")) return std::stod(line.substr(place.size() + 1));
    ADD_FAILURE() << place << " missing in " << r.out;
    return 0.0;
  };
  const double outdoor = valueAt("0 1"), supply = valueAt("0 3");
  EXPECT_TRUE(outdoor >= -4.01 && outdoor <= 4.01) << outdoor;
  EXPECT_GT(supply, 19) << "at least the plant's base of 20";
  ASSERT_EQ(cli("write " + sample + " E19=5").code, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  r = cli("live " + sample + " --loop 2");
  lines = splitLines(r.out);
  EXPECT_EQ(valueAt("0 3"), 5.0);
}

TEST_F(OnlineCliTest, OfflineCasesExitWithOne) {
  CliRun r = cli("live " + vtr().string() + " --loop 2");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "Server not running.\n");
  EXPECT_EQ(cli("record " + vtr().string() + " --dir " + (dir / "mess").string() + " --interval 1 --count 1").code, 1);

  // A block of another table: the stand-in without a table has the words of an empty project.
  startServer({});
  r = cli("write " + vtr().string() + " E5=1");
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(r.err.starts_with("Checksum nicht identisch ") && r.err.ends_with("-0 0 0 0\n")) << r.err;
  EXPECT_EQ(stopServer(), 0);

  // Something of the name that is too small is never read.
  const int fd = ::shm_open(block.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, 4096), 0);
  ::close(fd);
  r = cli("live " + vtr().string() + " --loop 2");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("4096 Bytes"), std::string::npos) << r.err;
  // The stand-in does not take over a name in use, unless told to.
  const CliRun second = test_support::runProgram(VELTRA_COMSIM, "--block " + block, dir);
  EXPECT_EQ(second.code, 1);
  EXPECT_NE(second.err.find("besteht bereits"), std::string::npos) << second.err;
  startServer({"--replace"});
  EXPECT_EQ(stopServer(), 0);
  EXPECT_FALSE(sharedBlockExists(block));

  for (const char* args : {"live P --loop 0", "live P --loop x", "record P --dir D --interval 0 --count 1",
                           "record P --dir D --interval 1"}) {
    EXPECT_EQ(test_support::runCli(args, dir).code, 64) << args;
  }
}

} // namespace
} // namespace veltra::core
