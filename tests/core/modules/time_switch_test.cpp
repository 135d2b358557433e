#include "core/modules/time_switch.h"

#include "core/model/project.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>

namespace veltra::core {
namespace {

TSwitchPoint point(std::uint8_t state, std::int32_t mask, std::int32_t hour, std::int32_t minute) {
  return {state, {}, mask, hour, minute};
}

bool isCleared(const TSwitchPoint& p) {
  static const TSwitchPoint zero{};
  return std::memcmp(&p, &zero, sizeof p) == 0;
}

// An unused point (no days) shows no time; damaged values are shown as they
// are; any non-zero state is "Ein"; bits above Sunday are no days.
TEST(TimeSwitchText, ExamplesOfTheDialog) {
  EXPECT_EQ(BuildTimeString(point(1, kMonday + kWednesday + kSaturday, 6, 5)), "Ein Mo__Mi____Sa__  06:05");
  EXPECT_EQ(BuildTimeString(point(1, kMonday + kFriday, 7, 0)), "Ein Mo______Fr____  07:00");
  EXPECT_EQ(BuildTimeString(point(0, kAllDays, 23, 59)), "Aus MoDiMiDoFrSaSo  23:59");
  EXPECT_EQ(BuildTimeString(point(0, kSunday, 0, 0)), "Aus ____________So  00:00");
  EXPECT_EQ(BuildTimeString(point(0, 0, 12, 30)), "Aus ______________  ");
  EXPECT_EQ(BuildTimeString(point(1, -3, 12, 30)).size(), 20u);
  EXPECT_EQ(BuildTimeString(point(1, kMonday, 123, -5)), "Ein Mo____________  123:-05");
  EXPECT_EQ(BuildTimeString(point(1, kMonday, INT_MIN, INT_MAX)), "Ein Mo____________  -2147483648:2147483647");
  EXPECT_EQ(SetWTString(kTuesday, 7), "Ein __Di__________");
  EXPECT_EQ(SetWTString(kAllDays + 128, 1), "Ein MoDiMiDoFrSaSo");
}

class TimeSwitchRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(TimeSwitchRoundTrip, LineReadsBackToItsPoint) {
  const int mask = GetParam();
  for (std::uint8_t state : {0, 1}) {
    const int hour = mask % 24;
    const int minute = (mask * 7) % 60;
    const std::string line = BuildTimeString(point(state, mask, hour, minute));
    std::uint8_t readState = 99;
    std::int32_t readMask = -1;
    GetWTFromString(line, readState, readMask);
    EXPECT_TRUE(readState == state && readMask == mask) << line;
    if (mask == 0) continue;
    std::int32_t h = -1, m = -1;
    EXPECT_TRUE(GetTimeFromString(line, h, m) && h == hour && m == minute) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(AllMasks, TimeSwitchRoundTrip, ::testing::Range(0, 128));

TEST(TimeSwitchText, ReadingLooksAnywhereInTheLine) {
  std::uint8_t state = 0;
  std::int32_t mask = 0;
  GetWTFromString("So Ein Mo", state, mask);
  EXPECT_TRUE(state == 1 && mask == (kMonday | kSunday)) << int(state) << " " << mask;
  GetWTFromString("", state, mask);
  EXPECT_TRUE(state == 0 && mask == 0) << int(state) << " " << mask;
}

struct TimeCase {
  const char* line;
  bool ok;
  std::int32_t hour, minute;
};

class TimeSwitchTime : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeSwitchTime, ReadsOnlyInsideTheLine) {
  const std::string line = GetParam().line;
  // A copy of exactly the line's length, so that ASan sees any read past it.
  auto bytes = std::make_unique<char[]>(line.size() + 1);
  std::memcpy(bytes.get(), line.data(), line.size());
  std::int32_t h = -1, m = -1;
  EXPECT_EQ(GetTimeFromString(std::string_view(bytes.get(), line.size()), h, m), GetParam().ok);
  EXPECT_EQ(std::pair(h, m), std::pair(GetParam().hour, GetParam().minute));
}

INSTANTIATE_TEST_SUITE_P(Lines, TimeSwitchTime,
                         ::testing::Values(TimeCase{"", false, 0, 0}, TimeCase{"7", false, 0, 0},
                                           TimeCase{"1:30", false, 0, 0}, TimeCase{"01:30", true, 1, 30},
                                           TimeCase{"xx 23:59", true, 23, 59}, TimeCase{"ab:30", false, 0, 30},
                                           TimeCase{"12:-5", false, 12, 0}, TimeCase{"  123:-05", false, 0, 5},
                                           TimeCase{"Aus ______________  ", false, 0, 0}));

class SwitchProgramTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::memset(&p().SwitchPrograms, 0, sizeof p().SwitchPrograms);
    p().Modified = false;
  }
  Project& p() { return *m_project; }
  // Points 1..n of `program` with hour = point number.
  void fill(int program, int n) {
    for (int k = 1; k <= n; ++k)
      ASSERT_EQ(addSwitchPoint(p(), program, point(1, kMonday, k, 0)), k);
  }
  // Hours of the used points of `program`.
  std::vector<int> hours(int program) {
    std::vector<int> h;
    for (int k = 1; k <= usedSwitchPoints(p(), program); ++k)
      h.push_back(p().switchPoint(program, k).hour);
    return h;
  }

  std::unique_ptr<Project> m_project = std::make_unique<Project>();
};

// Without days nothing is stored; a state is stored as 0 or 1.
TEST_F(SwitchProgramTest, AddUsesTheFirstFreePointAndMarksTheProjectChanged) {
  EXPECT_EQ(addSwitchPoint(p(), 5, point(1, 0, 7, 0)), 0);
  EXPECT_TRUE(isCleared(p().switchPoint(5, 1)));
  EXPECT_FALSE(p().Modified);
  EXPECT_EQ(addSwitchPoint(p(), 5, point(9, kMonday + kFriday, 7, 0)), 1);
  EXPECT_TRUE(p().Modified);
  EXPECT_EQ(addSwitchPoint(p(), 5, point(0, kSunday, 22, 15)), 2);
  EXPECT_EQ(p().switchPoint(5, 1).state, 1);
  EXPECT_EQ(GetSKanal(p(), 5), (std::vector<std::string>{"Ein Mo______Fr____  07:00", "Aus ____________So  22:15"}));
  EXPECT_EQ(std::vector<int>({usedSwitchPoints(p(), 4), usedSwitchPoints(p(), 5), usedSwitchPoints(p(), 6)}),
            std::vector<int>({0, 2, 0}));
}

TEST_F(SwitchProgramTest, TenPointsAtMostAndTheNextProgramNeverShows) {
  fill(1, 10);
  fill(2, 3);
  EXPECT_EQ(addSwitchPoint(p(), 1, point(1, kMonday, 5, 5)), 0);
  EXPECT_EQ(usedSwitchPoints(p(), 1), 10);
  const auto lines = GetSKanal(p(), 1);
  ASSERT_EQ(lines.size(), 10u);
  for (int k = 1; k <= 10; ++k)
    EXPECT_EQ(lines[k - 1], BuildTimeString(p().switchPoint(1, k)));
  EXPECT_EQ(lines.back(), "Ein Mo____________  10:00");
  EXPECT_EQ(GetSKanal(p(), 2).size(), 3u);
  fill(32, 10); // the last program too
  EXPECT_EQ(GetSKanal(p(), 32).size(), 10u);
  EXPECT_EQ(GetSKanal(p(), 31).size(), 0u);
}

TEST_F(SwitchProgramTest, DeleteMovesLaterPointsUpAndClearsTheLast) {
  fill(3, 4);
  fill(4, 2);
  EXPECT_TRUE(deleteSwitchPoint(p(), 3, 2));
  EXPECT_EQ(hours(3), (std::vector<int>{1, 3, 4}));
  EXPECT_TRUE(isCleared(p().switchPoint(3, 4)));
  EXPECT_EQ(usedSwitchPoints(p(), 4), 2);
  fill(1, 10); // a full program's last and first point
  EXPECT_TRUE(deleteSwitchPoint(p(), 1, 10));
  EXPECT_TRUE(isCleared(p().switchPoint(1, 10)));
  EXPECT_TRUE(deleteSwitchPoint(p(), 1, 1));
  EXPECT_EQ(hours(1), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_TRUE(isCleared(p().switchPoint(1, 9)));
  p().Modified = false; // deleting no used point changes nothing
  for (int k : {0, 9, 11})
    EXPECT_FALSE(deleteSwitchPoint(p(), 1, k)) << k;
  EXPECT_EQ(usedSwitchPoints(p(), 1), 8);
  EXPECT_FALSE(p().Modified);
}

TEST_F(SwitchProgramTest, EditReplacesAPointAndDaysNoneLeavesIt) {
  fill(1, 3);
  EXPECT_TRUE(editSwitchPoint(p(), 1, 2, point(0, kSaturday, 8, 45)));
  EXPECT_EQ(p().switchPoint(1, 2).state, 0);
  EXPECT_EQ(GetSKanal(p(), 1)[1], "Aus __________Sa__  08:45");
  EXPECT_FALSE(editSwitchPoint(p(), 1, 2, point(1, 0, 9, 0)));
  EXPECT_EQ(GetSKanal(p(), 1)[1], "Aus __________Sa__  08:45");
  // Beyond the used points: the program stays packed.
  EXPECT_FALSE(editSwitchPoint(p(), 1, 4, point(1, kMonday, 1, 1)));
  EXPECT_FALSE(editSwitchPoint(p(), 1, 0, point(1, kMonday, 1, 1)));
  EXPECT_TRUE(isCleared(p().switchPoint(1, 4)));
}

TEST_F(SwitchProgramTest, ValuesOutsideTheRangesAreRefused) {
  for (const TSwitchPoint& bad :
       {point(1, 128, 0, 0), point(1, kMonday, 24, 0), point(1, kMonday, 0, 60), point(1, kMonday, -1, 0)})
    EXPECT_THROW(addSwitchPoint(p(), 1, bad), Error);
  fill(1, 1);
  EXPECT_THROW(editSwitchPoint(p(), 1, 1, point(1, kMonday, 0, -1)), Error);
  EXPECT_EQ(p().switchPoint(1, 1).hour, 1);
  EXPECT_EQ(usedSwitchPoints(p(), 1), 1);
  // Program numbers outside the table.
  EXPECT_TRUE(GetSKanal(p(), 0).empty());
  EXPECT_TRUE(GetSKanal(p(), 33).empty());
  EXPECT_EQ(usedSwitchPoints(p(), -1), 0);
  EXPECT_THROW(addSwitchPoint(p(), 33, point(1, kMonday, 0, 0)), Error);
  EXPECT_THROW(addSwitchPoint(p(), 0, point(1, kMonday, 0, 0)), Error);
  EXPECT_THROW(editSwitchPoint(p(), 33, 1, point(1, kMonday, 0, 0)), Error);
  EXPECT_THROW(deleteSwitchPoint(p(), 0, 1), Error);
}

TEST_F(SwitchProgramTest, DamagedTableListsUpToTheFirstUnusedPoint) {
  p().switchPoint(7, 1) = point(1, kMonday, 123, -5);
  p().switchPoint(7, 2) = point(1, -1, 1, 1); // ends the program
  p().switchPoint(7, 3) = point(1, kTuesday, 2, 2);
  EXPECT_EQ(GetSKanal(p(), 7), (std::vector<std::string>{"Ein Mo____________  123:-05"}));
  EXPECT_EQ(addSwitchPoint(p(), 7, point(0, kFriday, 6, 0)), 2);
  EXPECT_EQ(GetSKanal(p(), 7).size(), 3u);
}

} // namespace
} // namespace veltra::core

namespace veltra::core {
namespace {

// Monday 1, Wednesday 2 ... in the mask; weekday 0 is Monday.
TEST(SwitchProgramState, LatestPointBeforeNowAcrossTheWeek) {
  std::array<TSwitchPoint, kPointsPerProgram> program{};
  EXPECT_FALSE(switchProgramState(program, 2, 12, 0)) << "no points: off";
  program[0] = point(1, kMonday | kTuesday | kWednesday | kThursday | kFriday, 6, 0);
  program[1] = point(0, kMonday | kTuesday | kWednesday | kThursday | kFriday, 22, 0);
  EXPECT_TRUE(switchProgramState(program, 0, 6, 0)) << "at the point itself";
  EXPECT_FALSE(switchProgramState(program, 0, 5, 59)) << "Monday morning: Friday 22:00 still holds";
  EXPECT_TRUE(switchProgramState(program, 4, 21, 59));
  EXPECT_FALSE(switchProgramState(program, 5, 12, 0)) << "Saturday";
  program[2] = point(1, kSaturday, 8, 30);
  EXPECT_TRUE(switchProgramState(program, 6, 23, 59)) << "Sunday: Saturday 8:30 holds";
  // Two points at the same moment: the later in the list.
  program[3] = point(0, kSaturday, 8, 30);
  EXPECT_FALSE(switchProgramState(program, 5, 9, 0));
  // A point without days ends the list; later ones do not count.
  program[3] = point(0, 0, 0, 0);
  program[4] = point(0, kAllDays, 0, 0);
  EXPECT_TRUE(switchProgramState(program, 5, 9, 0));
  // Damaged times are left out.
  program[3] = point(0, kSaturday, 24, 0);
  program[4] = point(0, 0, 0, 0);
  EXPECT_TRUE(switchProgramState(program, 6, 1, 0));
}

} // namespace
} // namespace veltra::core
