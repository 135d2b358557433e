#include "tools/comsim/block_feeder.h"
#include "tools/comsim/comsim_options.h"
#include "tools/comsim/published_table.h"
#include "tools/comsim/server_stand_in.h"

#include "core/compiler/module_table_files.h"
#include "core/modules/time_switch.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace veltra::comsim {
namespace {

using core::BlockArea;
using core::Error;
using core::parseInputSettings;

struct Block {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(core::kServerBlockSize, 0);
  core::ServerBlock view{bytes};
};

// The feeder writes its inputs at every update; a slot the tool wrote keeps
// the tool's value from then on.
TEST(InputFeederTest, ToolWritesAreTakenOver) {
  Block b;
  InputFeeder feeder(parseInputSettings("E1 = ramp 0 100 100\nI5 = square 0 1 10 0.5\nE2 = const 4"));
  feeder.update(b.view, {10, {}});
  EXPECT_EQ(b.view.analog(BlockArea::E, 1), 10);
  EXPECT_EQ(b.view.bit(BlockArea::I, 5), true);
  b.view.setAnalog(BlockArea::E, 1, 21.5);
  b.view.setBit(BlockArea::I, 5, true);   // what the feeder wrote: no take-over
  b.view.setAnalog(BlockArea::E, 3, 1.0); // not simulated
  feeder.update(b.view, {16, {}});
  EXPECT_EQ(b.view.bit(BlockArea::I, 5), false) << "still simulated";
  feeder.update(b.view, {30, {}});
  EXPECT_EQ(b.view.analog(BlockArea::E, 1), 21.5);
  EXPECT_EQ(b.view.analog(BlockArea::E, 2), 4);
  EXPECT_EQ(b.view.analog(BlockArea::E, 3), 1.0);
  EXPECT_EQ(b.view.bit(BlockArea::I, 5), true);
  EXPECT_EQ(feeder.takenOver(), (std::vector<std::string>{"E1"}));
  EXPECT_EQ(feeder.status(b.view), "E1=21.50 I5=1 E2=4.00");
}

TEST(TimeSwitchFeederTest, OutputsFollowTheProgramsByTheClock) {
  Block b;
  core::SwitchProgramTable programs{};
  programs[0][0] = {1, {}, core::kMonday, 6, 0};
  programs[0][1] = {0, {}, core::kMonday, 22, 0};
  programs[31][0] = {1, {}, core::kAllDays, 0, 0};
  b.view.writeSwitchPrograms(std::span<const std::uint8_t, core::kTimeSwitchBlockSize>(
      reinterpret_cast<const std::uint8_t*>(programs.data()), core::kTimeSwitchBlockSize));
  TimeSwitchFeeder feeder;
  feeder.update(b.view, {0, core::makeLocalDateTime(2026, 12, 7, 5, 59)}); // a Monday
  EXPECT_EQ(b.view.bit(BlockArea::S, 1), false);
  EXPECT_EQ(b.view.bit(BlockArea::S, 32), true);
  feeder.update(b.view, {0, core::makeLocalDateTime(2026, 12, 7, 6, 0)});
  EXPECT_EQ(b.view.bit(BlockArea::S, 1), true);
  EXPECT_EQ(feeder.status(b.view), "Schaltuhren ein: 1 32");
  b.view.setBit(BlockArea::S, 32, false);
  feeder.update(b.view, {0, core::makeLocalDateTime(2026, 12, 7, 23, 0)});
  EXPECT_EQ(b.view.bit(BlockArea::S, 1), false);
  EXPECT_EQ(b.view.bit(BlockArea::S, 32), false) << "set by the tool";
}

TEST(ServerStandInTest, PublishesTheTableAndSaysWhatItDoes) {
  Block b;
  ServerStandIn standIn(b.view);
  std::array<std::uint8_t, core::kTimeSwitchBlockSize> programs{};
  programs[5119] = 9;
  standIn.publish({0x80000000u, 1, 2, 3}, programs);
  EXPECT_EQ(b.view.checksum(), (core::TableChecksum{0x80000000u, 1, 2, 3}));
  EXPECT_EQ(b.bytes[502796 + 5119], 9);
  standIn.addFeeder(std::make_unique<InputFeeder>(parseInputSettings("E1 = const 2")));
  const SimulationTime t{1, core::makeLocalDateTime(2026, 12, 5, 14, 3, 27)};
  standIn.update(t);
  b.view.setAnalog(BlockArea::E, 1, 7);
  standIn.update(t);
  EXPECT_EQ(standIn.statusLine("/VTR_PC_MEM", t),
            "14:03:27  /VTR_PC_MEM  Prüfsumme -2147483648 1 2 3  E1=7.00  vom Werkzeug gesetzt: E1");
}

class PublishedTableTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / "veltra_comsim_table";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

// The stand-in publishes what "Tabelle erzeugen" wrote: the same checksum
// words and time switch block.
TEST_F(PublishedTableTest, FromATableFile) {
  auto p = std::make_unique<core::Project>();
  p->Cells[3][2][5].letter = 'F';
  p->Cells[3][2][5].height = 1;
  p->Cells[3][2][5].part = 1;
  p->SwitchPrograms[4][0] = {1, {}, core::kFriday, 7, 30};
  core::ModuleTable table;
  const core::CompileResult compiled = table.ErzeugeModulTabelle(*p);
  core::writeModuleTableFiles(table, dir / "t.mtb");
  const PublishedTable t = tableFromFile(dir / "t.mtb");
  EXPECT_EQ(t.checksum, compiled.checksum);
  EXPECT_TRUE(std::equal(t.programs.begin(), t.programs.end(), table.buffer().begin()));
  EXPECT_EQ(t.programs[4 * 160 + 4], core::kFriday);

  std::ofstream(dir / "kurz.mtb") << "zu kurz";
  EXPECT_THROW(tableFromFile(dir / "kurz.mtb"), Error);
  EXPECT_THROW(tableFromFile(dir / "fehlt.mtb"), Error);
  EXPECT_EQ(emptyTable().checksum, (core::TableChecksum{}));
}

TEST(ComsimOptions, ValuesAndRefusals) {
  const Options o = parseOptions({"--block", "zwei", "--replace", "--project", "p.vtr", "--status", "2.5"}, "/prog");
  EXPECT_EQ(o.block, "zwei");
  EXPECT_TRUE(o.replace);
  EXPECT_EQ(o.project, "p.vtr");
  EXPECT_EQ(o.statusSeconds, 2.5);
  EXPECT_EQ(o.programDir, "/prog");
  EXPECT_TRUE(parseOptions({"--help"}, "/").help);
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--bogus"}, {"--block"}, {"--table", "t", "--project", "p"}, {"--status", "-1"}, {"--status", "x"}})
    EXPECT_THROW(parseOptions(bad, "/"), Error) << bad[0];
  const std::string help = helpText();
  for (const char* option : {"--project", "--table", "--inputs", "--block", "--replace", "--status", "--program-dir"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
}

} // namespace
} // namespace veltra::comsim
