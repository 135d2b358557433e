#include "tools/comsim/block_feeder.h"
#include "tools/comsim/comsim_options.h"
#include "tools/comsim/controller_feeder.h"
#include "tools/comsim/published_table.h"
#include "tools/comsim/server_stand_in.h"

#include "core/compiler/module_table_files.h"
#include "core/modules/time_switch.h"
#include "core/simulation/plant_settings.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <cstring>
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
  EXPECT_EQ(o.speed, 1);
  EXPECT_EQ(o.seed, 1u);
  EXPECT_TRUE(parseOptions({"--help"}, "/").help);
  const Options sim =
      parseOptions({"--table", "t.mtb", "--plant", "s.ini", "--speed", "3600", "--seed", "18446744073709551615"}, "/");
  EXPECT_EQ(sim.plant, "s.ini");
  EXPECT_EQ(sim.speed, 3600);
  EXPECT_EQ(sim.seed, 18446744073709551615u);
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{{"--bogus"},
                                                                                   {"--block"},
                                                                                   {"--table", "t", "--project", "p"},
                                                                                   {"--status", "-1"},
                                                                                   {"--status", "x"},
                                                                                   {"--plant", "s.ini"},
                                                                                   {"--speed", "0"},
                                                                                   {"--speed", "x"},
                                                                                   {"--seed", "-3"},
                                                                                   {"--seed", "1e3"}})
    EXPECT_THROW(parseOptions(bad, "/"), Error) << bad[0];
  const std::string help = helpText();
  for (const char* option : {"--project", "--table", "--inputs", "--plant", "--speed", "--seed", "--block", "--replace",
                             "--status", "--program-dir"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
}

// The controller feeder catches up second by second with the stand-in's
// clock, however far it jumps, and fixes its start at the first update.
TEST(ControllerFeederTest, CatchesUpWithTheClock) {
  Block b;
  core::ExecutableTable table;
  core::ExecLoop& loop = table.loops.emplace_back();
  loop.number = 1;
  loop.sampleTime = 10;
  core::ExecModule& a = loop.modules.emplace_back();
  a.letter = 'A';
  const std::int32_t n = 3;
  const double one = 1.0, offset = 0.5;
  std::memcpy(a.params.data(), &n, 4);
  std::memcpy(a.params.data() + 8, &one, 8);
  std::memcpy(a.params.data() + 16, &offset, 8);
  core::PlantSettings plant = core::parsePlantSettings("[Strecke]\nEingang = A3\nAusgang = E4\n");
  ControllerFeeder feeder(std::move(table), std::move(plant), 1);
  const core::LocalDateTime at = core::makeLocalDateTime(2026, 12, 7, 8, 0, 30);
  feeder.update(b.view, {30.0, at});
  EXPECT_EQ(b.view.analog(BlockArea::A, 3).value(), 0.5);
  EXPECT_EQ(b.view.analog(BlockArea::E, 4).value(), 0.5) << "the plant has run: 31 seconds";
  EXPECT_EQ(feeder.status(b.view), "Steuerung: 1 Regelkreise, 31 s simuliert");
  feeder.update(b.view, {3600.5, core::addSeconds(at, 3570)});
  EXPECT_EQ(feeder.status(b.view), "Steuerung: 1 Regelkreise, 3601 s simuliert");
  b.view.setAnalog(BlockArea::A, 3, 7);
  feeder.update(b.view, {3700, core::addSeconds(at, 3670)});
  EXPECT_EQ(feeder.takenOver(), (std::vector<std::string>{"A3"}));
  EXPECT_EQ(b.view.analog(BlockArea::A, 3).value(), 7);
}

} // namespace
} // namespace veltra::comsim
