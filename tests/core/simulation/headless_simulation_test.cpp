#include "tests/core/simulation/table_builder.h"

#include "core/simulation/headless_simulation.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace veltra::core::test {
namespace {

namespace fs = std::filesystem;

// E1 (a generator) as the setpoint of a controller whose valve A1 moves E2
// through a noisy plant.
ControllerTable smallTable() {
  TableBuilder t;
  t.loop(1, 10);
  t.module('E', 0, 0, EntryParams().i32(0, 1).f64(8, 1).i32(24, 1));
  t.module('E', 0, 2, EntryParams().i32(0, 2).f64(8, 1).i32(24, 2));
  t.module('R', 2, 0, EntryParams().f64(0, 20).f64(8, 200).f64(24, 1).i32(32, 1).i32(36, 2).i32(44, 3));
  t.module('A', 4, 0, EntryParams().i32(0, 1).f64(8, 1).i32(24, 3));
  return ControllerTable{t.bytes(), {1, 2, 3, 4}};
}

const char* const kPlant = "[Eingaenge]\nE1 = const 50\nI3 = square 0 1 600\n"
                           "[Strecke]\nEingang = A1\nAusgang = E2\nGrundwert = 20\nVerstaerkung = 0.6\n"
                           "Zeitkonstante = 120\nTotzeit = 10\nRauschen = 0.2\n";

class HeadlessTest : public ::testing::Test {
protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("veltra_sim_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root);
  }
  void TearDown() override { fs::remove_all(root); }

  // The files written for a seed, by name.
  std::map<std::string, std::string> run(const std::string& name, std::uint64_t seed, int interval = 60) {
    const fs::path dir = root / name;
    fs::create_directories(dir);
    HeadlessRequest r;
    r.table = &table;
    r.plant = &plant;
    r.start = makeLocalDateTime(2026, 12, 7, 23, 0);
    r.seconds = 2 * 3600;
    r.interval = interval;
    r.seed = seed;
    r.recordDir = dir;
    last = runHeadless(r);
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
      files[entry.path().filename().string()] = readFileText(entry.path());
    return files;
  }

  fs::path root;
  ControllerTable table = smallTable();
  PlantSettings plant = parsePlantSettings(kPlant);
  HeadlessResult last;
};

TEST_F(HeadlessTest, SameInputsGiveTheSameFilesByteForByte) {
  const auto a = run("a", 5), b = run("b", 5), c = run("c", 6);
  EXPECT_EQ(a, b);
  ASSERT_EQ(a.size(), 10u) << "five groups on two days";
  EXPECT_NE(a.at("E_07.12.2026.csv"), c.at("E_07.12.2026.csv")) << "another seed, other noise";
  EXPECT_EQ(a.at("I_07.12.2026.csv"), c.at("I_07.12.2026.csv")) << "no noise on the generators";
}

// Rows every interval from start + interval, into the file of their day,
// with the recorder's time stamps; the controller and plant really ran.
TEST_F(HeadlessTest, RowsOfEachDayInTheirFiles) {
  const auto files = run("d", 1);
  EXPECT_EQ(last.ticks, 120);
  const std::vector<std::string> day1 = splitLines(files.at("E_07.12.2026.csv"));
  const std::vector<std::string> day2 = splitLines(files.at("E_08.12.2026.csv"));
  ASSERT_EQ(day1.size(), 59u);
  ASSERT_EQ(day2.size(), 61u);
  EXPECT_TRUE(day1.front().starts_with("23:01:00;50;")) << day1.front();
  EXPECT_TRUE(day1.back().starts_with("23:59:00;")) << day1.back();
  EXPECT_TRUE(day2.front().starts_with("00:00:00;")) << day2.front();
  EXPECT_TRUE(day2.back().starts_with("01:00:00;")) << day2.back();
  // E2 comes near the setpoint 50 after two hours.
  const std::string& lastRow = day2.back();
  const std::size_t second = lastRow.find(';', lastRow.find(';') + 1);
  const double e2 = std::stod(lastRow.substr(second + 1));
  EXPECT_NEAR(e2, 50, 1.5) << lastRow;
  // The valve A1 is open part way.
  const std::string a = splitLines(files.at("A_08.12.2026.csv")).back();
  const double a1 = std::stod(a.substr(a.find(';') + 1));
  EXPECT_NEAR(a1, 50, 5) << a;
}

TEST_F(HeadlessTest, IntervalAndADamagedTable) {
  run("e", 1, 900);
  EXPECT_EQ(last.ticks, 8);
  table.bytes.resize(100);
  EXPECT_THROW(run("f", 1), Error);
}

} // namespace
} // namespace veltra::core::test
