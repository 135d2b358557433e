#include "tests/core/simulation/table_builder.h"

#include "core/simulation/executable_table.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace veltra::core::test {
namespace {

std::vector<std::uint8_t> twoLoops() {
  TableBuilder t;
  t.program(3, 2, 1, 5, 6, 30);
  t.loop(2, 30);
  t.module('F', 2, 5, EntryParams().i32(0, 7).f64(8, 1.5).i32(16, 104));
  t.module('R', 3, 0, wiredByRow('R'));
  t.loop(9, 0);
  t.module('D', 0, 14, wiredByRow('D'));
  return t.bytes();
}

void putI32(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t v) { std::memcpy(b.data() + at, &v, 4); }

TEST(ExecutableTableTest, ReadsLoopsModulesPortsAndWorkMemory) {
  const ExecutableTable t = readExecutableTable(twoLoops());
  ASSERT_EQ(t.loops.size(), 2u);
  EXPECT_EQ(t.loops[0].number, 2);
  EXPECT_EQ(t.loops[0].sampleTime, 30);
  EXPECT_EQ(t.loops[1].sampleTime, 1) << "a sample time of 0 runs every second";
  EXPECT_EQ(t.loops[1].storedSampleTime, 0);
  ASSERT_EQ(t.loops[0].modules.size(), 2u);
  const ExecModule& f = t.loops[0].modules[0];
  EXPECT_EQ(f.letter, 'F');
  EXPECT_EQ(f.column, 2);
  EXPECT_EQ(f.row, 5);
  EXPECT_EQ(f.xa[1], 104);
  EXPECT_EQ(f.f64(8), 1.5);
  const ExecModule& r = t.loops[0].modules[1];
  EXPECT_EQ(r.xe[1], 1);
  EXPECT_EQ(r.xe[2], 2);
  EXPECT_EQ(r.ye[3], 3);
  EXPECT_EQ(r.xa[1], 11);
  EXPECT_EQ(r.workOffset, 0);
  EXPECT_EQ(t.loops[1].modules[0].workOffset, 32);
  EXPECT_EQ(t.workMemoryNeeded, 32 + 416);
  EXPECT_EQ(t.programs[2][1].state, 1);
  EXPECT_EQ(t.programs[2][1].mask, 5);
  EXPECT_EQ(t.programs[2][1].minute, 30);
}

TEST(ExecutableTableTest, TheGeneratorsBufferWithEndMarkerAndZerosReadsTheSame) {
  std::vector<std::uint8_t> bytes = twoLoops();
  bytes.resize(kModuleTableBufferSize, 0);
  EXPECT_EQ(readExecutableTable(bytes).loops.size(), 2u);
  const std::vector<std::uint8_t> only(kTimeSwitchBlockSize + 1, 0);
  EXPECT_TRUE(readExecutableTable(only).loops.empty());
}

struct Damage {
  std::string name;
  std::function<void(std::vector<std::uint8_t>&)> apply;
  std::string message; // a part of the German message
};

void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }

class DamagedTableTest : public ::testing::TestWithParam<Damage> {};

// Offsets in twoLoops(): loop 2 at 5120 (F entry at 5132, R entry at
// 5168), loop 9 at 5236 (D entry at 5248).
TEST_P(DamagedTableTest, IsRefusedWithAGermanMessage) {
  std::vector<std::uint8_t> bytes = twoLoops();
  GetParam().apply(bytes);
  try {
    readExecutableTable(bytes);
    FAIL() << "accepted";
  } catch (const Error& e) {
    const std::string m = e.what();
    EXPECT_TRUE(m.starts_with("Die Modultabelle ist beschädigt: ")) << m;
    EXPECT_NE(m.find(GetParam().message), std::string::npos) << m;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DamagedTableTest,
    ::testing::Values(
        Damage{"ShorterThanTheTimeSwitchBlock", [](auto& b) { b.resize(5119); }, "kürzer als der Schaltuhrblock"},
        Damage{"HeaderCut", [](auto& b) { b.resize(5236 + 7); }, "reicht über das Tabellenende"},
        Damage{"LoopNumberTooHigh", [](auto& b) { putI32(b, 5236, 201); }, "Regelkreis 201"},
        Damage{"LoopsOutOfOrder", [](auto& b) { putI32(b, 5236, 2); }, "müssen aufsteigen"},
        Damage{"LoopLengthBeyondTheEnd", [](auto& b) { b[5236 + 8] = 0xFF; }, "passt nicht in die Tabelle"},
        Damage{"LoopLengthBelowTheHeader", [](auto& b) { b[5236 + 8] = 11; }, "passt nicht in die Tabelle"},
        Damage{"UnknownLetter", [](auto& b) { b[5168] = '*'; }, "kein Modulbuchstabe"},
        Damage{"EntryLengthOfAnotherLetter", [](auto& b) { putI32(b, 5168 + 8, 36); }, "Eintragslänge ist 36 statt 68"},
        Damage{"EntryBeyondItsLoop", [](auto& b) { b[5120 + 8] = 100; }, "Ende des Regelkreisblocks"},
        Damage{"PositionOffTheGrid", [](auto& b) { putI32(b, 5132 + 4, 15 * 16); }, "außerhalb des Rasters"},
        Damage{"RowOffTheGrid", [](auto& b) { putI32(b, 5132 + 4, 2 * 16 + 15); }, "außerhalb des Rasters"},
        Damage{"ConnectionBeyondTheLastLoop", [](auto& b) { putI32(b, 5132 + 12 + 16, 20001); }, "Verbindung 20001"},
        Damage{"NegativeConnection", [](auto& b) { putI32(b, 5168 + 12 + 44, -1); }, "Verbindung -1"},
        Damage{"SignalNumberZero", [](auto& b) { putI32(b, 5132 + 12, 0); }, "Nummer 0 liegt außerhalb 1..256"},
        Damage{"WorkMemoryOutside", [](auto& b) { putI32(b, 5248 + 12 + 20, kDefaultDataMemorySize - 415); },
               "Arbeitsspeicher"},
        Damage{"NegativeWorkMemory", [](auto& b) { putI32(b, 5168 + 12 + 48, -8); }, "Arbeitsspeicher"},
        Damage{"DataAfterTheEndMarker",
               [](auto& b) {
                 b.push_back(0);
                 b.push_back(7);
               },
               "stehen noch Daten"}),
    [](const ::testing::TestParamInfo<Damage>& info) { return info.param.name; });

// The largest table a controller holds is read; one byte more of loop
// blocks is refused.
TEST(ExecutableTableTest, LengthLimitOfTheController) {
  auto tableOf = [](int hModules) {
    TableBuilder t;
    int loop = 1, inLoop = 0;
    t.loop(loop, 1);
    for (int i = 0; i < hModules; ++i) {
      if (inLoop == 225) {
        t.loop(++loop, 1);
        inLoop = 0;
      }
      t.module('H', inLoop / 15, inLoop % 15, EntryParams().i32(0, 1));
      ++inLoop;
    }
    return t.bytes();
  };
  // 1148 entries in six loops: 5120 + 6 × 12 + 1148 × 24 = 32744 bytes;
  // one more makes 32768.
  EXPECT_NO_THROW(readExecutableTable(tableOf(1148)));
  std::vector<std::uint8_t> big = tableOf(1149);
  try {
    readExecutableTable(big);
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("höchstens 32767 Bytes"), std::string::npos) << e.what();
  }
}

} // namespace
} // namespace veltra::core::test
