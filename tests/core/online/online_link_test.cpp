#include "core/online/online_link.h"

#include "core/online/in_process_blocks.h"
#include "tests/core/compiler/compiler_test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace veltra::core {
namespace {

using test_support::newProject;
using test_support::place;

class OnlineLinkTest : public ::testing::Test {
protected:
  void SetUp() override {
    place(*p, 2, 1, 1, 'E');
    // The block publishes the checksum of the project's table.
    ModuleTable other;
    server = blocks.create(kDefaultBlockName);
    server.setChecksum(other.BuildChecksum(*p));
  }
  LinkStart debug() { return link.DebugClick(*p, table, kDefaultDataMemorySize); }
  LinkStart measure(const std::string& interval = "60") {
    return link.startMeasuring(*p, table, kDefaultDataMemorySize, interval);
  }
  int ticksUntilRows() {
    for (int n = 1; n <= 100000; ++n)
      if (link.ComTimerTimer().writeRows) return n;
    return -1;
  }

  std::unique_ptr<Project> p = newProject();
  ModuleTable table;
  InProcessBlocks blocks;
  ServerBlock server;
  OnlineLink link{blocks};
};

TEST_F(OnlineLinkTest, NoServerSaysSoEveryTimeAndChangesNothing) {
  blocks.remove(kDefaultBlockName);
  for (int i = 0; i < 2; ++i) {
    const LinkStart r = debug();
    EXPECT_FALSE(r.started);
    EXPECT_EQ(r.message, "Server not running.");
  }
  EXPECT_EQ(measure().message, "Server not running.");
  EXPECT_EQ(blocks.attachCalls(), 3) << "a later start tries again";
  EXPECT_FALSE(link.attached());
  EXPECT_EQ(link.buttons(), LinkButtons{});
  EXPECT_FALSE(link.comTimerRunning());
}

// A word with the top bit set shows negative; the view stays mapped and is
// not attached again.
TEST_F(OnlineLinkTest, ChecksumMismatchNamesBothSetsOfWords) {
  const TableChecksum tool = server.checksum();
  server.setChecksum({0x80000000u, tool[1], 7, 0xFFFFFFFFu});
  const LinkStart r = debug();
  EXPECT_FALSE(r.started);
  EXPECT_EQ(r.message, "Checksum nicht identisch " + std::to_string(tool[0]) + " " + std::to_string(tool[1]) + " " +
                           std::to_string(tool[2]) + " " + std::to_string(tool[3]) + "--2147483648 " +
                           std::to_string(tool[1]) + " 7 -1");
  EXPECT_FALSE(link.OnlineMode());
  EXPECT_TRUE(link.attached());
  server.setChecksum(tool);
  EXPECT_TRUE(debug().started);
  EXPECT_EQ(blocks.attachCalls(), 1);
}

TEST(ChecksumMessage, WordsAsSignedDecimals) {
  EXPECT_EQ(checksumMismatchMessage({1, 2, 3, 4}, {2147483648u, 2147483647u, 4294967295u, 0}),
            "Checksum nicht identisch 1 2 3 4--2147483648 2147483647 -1 0");
}

TEST_F(OnlineLinkTest, DebugStartAndStopTurnTheButtons) {
  ASSERT_TRUE(debug().started);
  EXPECT_TRUE(link.OnlineMode());
  EXPECT_EQ(link.buttons(), (LinkButtons{false, true, true, true, false}));
  EXPECT_TRUE(link.comTimerRunning());
  link.DStopClick();
  EXPECT_EQ(link.buttons(), LinkButtons{});
  EXPECT_FALSE(link.comTimerRunning());
}

// One timer serves both modes: it stops only when the second mode stops,
// in either order.
TEST_F(OnlineLinkTest, TimerRunsWhileEitherModeRuns) {
  for (const bool debugFirst : {true, false}) {
    ASSERT_TRUE(debug().started);
    ASSERT_TRUE(measure().started);
    EXPECT_EQ(link.buttons(), (LinkButtons{false, true, true, false, true}));
    if (debugFirst)
      link.DStopClick();
    else
      link.btMStopClick();
    EXPECT_TRUE(link.comTimerRunning()) << debugFirst;
    if (debugFirst)
      link.btMStopClick();
    else
      link.DStopClick();
    EXPECT_FALSE(link.comTimerRunning()) << debugFirst;
  }
  EXPECT_EQ(blocks.attachCalls(), 1);
}

TEST_F(OnlineLinkTest, TickRedrawsOnlineAndWritesRowsAfterTheInterval) {
  ASSERT_TRUE(debug().started);
  for (int i = 0; i < 5; ++i) {
    const LinkTick t = link.ComTimerTimer();
    EXPECT_TRUE(t.redraw);
    EXPECT_FALSE(t.writeRows);
  }
  EXPECT_EQ(link.TickCount(), 0) << "debug alone does not count";
  link.DStopClick();
  ASSERT_TRUE(measure("60").started);
  EXPECT_FALSE(link.ComTimerTimer().redraw);
  EXPECT_EQ(ticksUntilRows(), 119) << "120 ticks of 500 ms for 60 s";
  EXPECT_EQ(link.TickCount(), 0);
  EXPECT_EQ(ticksUntilRows(), 120);
}

TEST_F(OnlineLinkTest, MeasurementStartResetsTheCountDebugStartDoesNot) {
  ASSERT_TRUE(measure("10").started);
  for (int i = 0; i < 7; ++i)
    link.ComTimerTimer();
  ASSERT_TRUE(debug().started);
  EXPECT_EQ(link.TickCount(), 7);
  link.btMStopClick();
  ASSERT_TRUE(measure("1").started);
  EXPECT_EQ(link.TickCount(), 0);
  EXPECT_EQ(ticksUntilRows(), 2);
}

// A new interval counts from the next tick on, without a new start of the count.
TEST_F(OnlineLinkTest, IntervalChangeDuringARecording) {
  ASSERT_TRUE(measure("60").started);
  for (int i = 0; i < 50; ++i)
    ASSERT_FALSE(link.ComTimerTimer().writeRows);
  EXPECT_EQ(link.edMesszeitChange("20").text, "20");
  EXPECT_EQ(link.TickCount(), 50);
  EXPECT_TRUE(link.ComTimerTimer().writeRows);
  EXPECT_EQ(link.edMesszeitChange("abc").interval, std::nullopt);
  EXPECT_EQ(link.MeasureInterval(), 20) << "a text that is no number keeps the interval";
}

// A start whose interval text is no integer ends before the attachment.
TEST_F(OnlineLinkTest, BadIntervalEndsTheStartBeforeAttaching) {
  const LinkStart r = measure("1,5");
  EXPECT_FALSE(r.started);
  EXPECT_EQ(r.message, "'1,5' ist kein gültiger Integerwert");
  EXPECT_EQ(blocks.attachCalls(), 0);
  const LinkStart zero = measure("0");
  EXPECT_TRUE(zero.started);
  EXPECT_EQ(zero.intervalText, "60");
  EXPECT_EQ(link.MeasureInterval(), 60);
}

TEST(MeasureInterval, TextRules) {
  const struct {
    const char* text;
    std::optional<std::int32_t> interval;
    const char* shown;
  } cases[] = {{"007", 7, "7"},
               {"0", 60, "60"},
               {"-5", 60, "60"},
               {" 12 ", 12, "12"},
               {"60", 60, "60"},
               {"2147483647", 2147483647, "2147483647"},
               {"", std::nullopt, ""},
               {"1.5", std::nullopt, "1.5"},
               {"99999999999", std::nullopt, "99999999999"},
               {"7s", std::nullopt, "7s"}};
  for (const auto& c : cases) {
    const IntervalText t = measureIntervalFromText(c.text);
    EXPECT_EQ(t.interval, c.interval) << c.text;
    EXPECT_EQ(t.text, c.shown) << c.text;
    EXPECT_EQ(t.error.empty(), c.interval.has_value()) << c.text;
  }
}

TEST_F(OnlineLinkTest, LoopChangeClearsTheSlotsOfTheNewLoopOnlyWhileAttached) {
  server.setAnalog(BlockArea::AnalogConnection, globalConnection(3, 5), 2.0);
  link.loopChanged(3);
  EXPECT_EQ(server.analogConnection(3, 5), 2.0) << "not attached yet";
  ASSERT_TRUE(debug().started);
  server.setAnalog(BlockArea::AnalogConnection, globalConnection(1, 5), 2.0);
  server.setBit(BlockArea::DigitalConnection, globalConnection(3, 100), true);
  link.loopChanged(3);
  EXPECT_EQ(server.analogConnection(3, 5), 0.0);
  EXPECT_EQ(server.digitalConnection(3, 100), false);
  EXPECT_EQ(server.analogConnection(1, 5), 2.0) << "loop 1 is not the loop shown";
}

TEST_F(OnlineLinkTest, SUhrCopiesTheControllersProgramsOnlyOnline) {
  std::array<std::uint8_t, kTimeSwitchBlockSize> programs{};
  programs[0] = 1;  // program 1, point 1: state
  programs[4] = 31; // mask
  programs[16 * 10 * 31 + 8] = 23;
  server.writeSwitchPrograms(programs);
  p->Modified = false;
  EXPECT_FALSE(link.btnSUhrClick(*p));
  EXPECT_EQ(p->switchPoint(1, 1).mask, 0);
  ASSERT_TRUE(debug().started);
  EXPECT_TRUE(link.btnSUhrClick(*p));
  EXPECT_EQ(p->switchPoint(1, 1).state, 1);
  EXPECT_EQ(p->switchPoint(1, 1).mask, 31);
  EXPECT_EQ(p->switchPoint(32, 1).hour, 23);
  EXPECT_FALSE(p->Modified);
}

} // namespace
} // namespace veltra::core
