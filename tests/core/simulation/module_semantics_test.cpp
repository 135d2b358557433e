// One table of cycles per module letter: inputs before a run of its loop,
// outputs and signals after it, over several runs so that state, limits,
// clamping and inversion all show.
#include "tests/core/simulation/module_rig.h"

#include "core/modules/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veltra::core::test {
namespace {

struct Signal {
  BlockArea area;
  int n;
  double v; // a bit as 0 / 1
};

struct Cycle {
  std::vector<std::pair<int, double>> x{}; // analog inputs by row
  std::vector<std::pair<int, bool>> y{};   // digital inputs by row
  std::vector<Signal> set{};               // block signals before the run
  std::vector<std::pair<int, double>> outX{};
  std::vector<std::pair<int, bool>> outY{};
  std::vector<Signal> expect{};      // block signals after the run
  std::optional<LocalDateTime> at{}; // the controller's clock for this run
};

struct LetterCase {
  std::string name;
  char letter;
  int sampleTime;
  std::function<void(EntryParams&)> setup;
  std::vector<Cycle> cycles;
  std::function<void(TableBuilder&)> programs{};
};

void PrintTo(const LetterCase& c, std::ostream* os) { *os << c.name; }

LocalDateTime monday(int hour, int minute) { return makeLocalDateTime(2026, 12, 7, hour, minute); }

bool isBit(BlockArea a) { return layoutOf(a).element == BlockElement::Bit; }

class LetterTest : public ::testing::TestWithParam<LetterCase> {};

TEST_P(LetterTest, CyclesGiveTheirOutputs) {
  const LetterCase& c = GetParam();
  TableBuilder t;
  if (c.programs) c.programs(t);
  t.loop(1, c.sampleTime);
  EntryParams p = wiredByRow(c.letter);
  c.setup(p);
  t.module(c.letter, 0, 0, p);
  ModuleRig rig;
  rig.load(t);
  for (std::size_t i = 0; i < c.cycles.size(); ++i) {
    const Cycle& cy = c.cycles[i];
    SCOPED_TRACE("Lauf " + std::to_string(i + 1));
    if (cy.at) rig.now = *cy.at;
    for (auto [row, v] : cy.x)
      rig.x(row, v);
    for (auto [row, v] : cy.y)
      rig.y(row, v);
    for (const Signal& s : cy.set)
      isBit(s.area) ? rig.block.setBit(s.area, s.n, s.v != 0) : rig.block.setAnalog(s.area, s.n, s.v);
    rig.run(c.sampleTime);
    for (auto [row, v] : cy.outX)
      EXPECT_NEAR(rig.outX(row), v, 1e-9) << "Out X Zeile " << row;
    for (auto [row, v] : cy.outY)
      EXPECT_EQ(rig.outY(row), v) << "Out Y Zeile " << row;
    for (const Signal& s : cy.expect) {
      if (isBit(s.area))
        EXPECT_EQ(rig.block.bit(s.area, s.n).value(), s.v != 0) << layoutOf(s.area).name << " " << s.n;
      else
        EXPECT_NEAR(rig.block.analog(s.area, s.n).value(), s.v, 1e-9) << layoutOf(s.area).name << " " << s.n;
    }
  }
}

using A = BlockArea;

std::vector<LetterCase> signalCases() {
  return {
      {"A_ScaleAndOffset",
       'A',
       1,
       [](EntryParams& p) { p.i32(0, 5).f64(8, 2).f64(16, 1); },
       {{.x = {{1, 3}}, .outX = {{1, 7}}, .expect = {{A::A, 5, 7}}},
        {.x = {{1, -1}}, .outX = {{1, -1}}, .expect = {{A::A, 5, -1}}}}},
      {"E_ScaleAndOffset",
       'E',
       1,
       [](EntryParams& p) { p.i32(0, 3).f64(8, 0.5).f64(16, -2); },
       {{.set = {{A::E, 3, 10}}, .outX = {{1, 3}}}, {.set = {{A::E, 3, -4}}, .outX = {{1, -4}}}}},
      {"V_LastSlot",
       'V',
       1,
       [](EntryParams& p) { p.i32(0, kVSignals).f64(8, 1).f64(16, 0.5); },
       {{.set = {{A::V, kVSignals, 2}}, .outX = {{1, 2.5}}}}},
      {"F_TableValueThenToolValue",
       'F',
       1,
       [](EntryParams& p) { p.i32(0, 4).f64(8, 12.5); },
       {{.outX = {{1, 12.5}}, .expect = {{A::F, 4, 12.5}}}, {.set = {{A::F, 4, 3}}, .outX = {{1, 3}}}}},
      {"H_WritesItsSignal",
       'H',
       1,
       [](EntryParams& p) { p.i32(0, 7); },
       {{.x = {{1, 4}}, .outX = {{1, 4}}, .expect = {{A::H, 7, 4}}}}},
      {"H_WithoutInputReadsTheSignal",
       'H',
       1,
       [](EntryParams& p) { p.i32(0, 8).i32(4, 0); },
       {{.set = {{A::H, 8, 9}}, .outX = {{1, 9}}, .expect = {{A::H, 8, 9}}}}},
      {"I_Plain",
       'I',
       1,
       [](EntryParams& p) { p.i32(0, 2); },
       {{.set = {{A::I, 2, 1}}, .outY = {{1, true}}}, {.set = {{A::I, 2, 0}}, .outY = {{1, false}}}}},
      {"I_Inverted",
       'I',
       1,
       [](EntryParams& p) { p.i32(0, 2).u8(4, 1); },
       {{.set = {{A::I, 2, 1}}, .outY = {{1, false}}}, {.set = {{A::I, 2, 0}}, .outY = {{1, true}}}}},
      {"M_StoresInputHandsOnInverted",
       'M',
       1,
       [](EntryParams& p) { p.i32(0, 3).u8(4, 1); },
       {{.y = {{1, true}}, .outY = {{1, false}}, .expect = {{A::M, 3, 1}}},
        {.y = {{1, false}}, .outY = {{1, true}}, .expect = {{A::M, 3, 0}}}}},
      {"M_WithoutInputReadsTheMarker",
       'M',
       1,
       [](EntryParams& p) { p.i32(0, 6).i32(8, 0); },
       {{.set = {{A::M, 6, 1}}, .outY = {{1, true}}, .expect = {{A::M, 6, 1}}}}},
      {"Q_OutputInverted",
       'Q',
       1,
       [](EntryParams& p) { p.i32(0, 4).u8(4, 1); },
       {{.y = {{1, false}}, .outY = {{1, true}}, .expect = {{A::Q, 4, 1}}},
        {.y = {{1, true}}, .outY = {{1, false}}, .expect = {{A::Q, 4, 0}}}}},
      {"Q_Plain",
       'Q',
       1,
       [](EntryParams& p) { p.i32(0, 256); },
       {{.y = {{1, true}}, .outY = {{1, true}}, .expect = {{A::Q, 256, 1}}}}},
      {"S_ProgramByTheClock",
       'S',
       1,
       [](EntryParams& p) { p.i32(0, 2); },
       {{.outY = {{1, false}}, .at = monday(5, 59)},
        {.outY = {{1, true}}, .expect = {{A::S, 2, 1}}, .at = monday(6, 0)},
        {.outY = {{1, false}}, .at = monday(22, 0)}},
       [](TableBuilder& t) {
         t.program(2, 1, 1, 1, 6, 0);
         t.program(2, 2, 0, 1, 22, 0);
       }},
      {"S_Inverted",
       'S',
       1,
       [](EntryParams& p) { p.i32(0, 2).u8(4, 1); },
       {{.outY = {{1, true}}, .at = monday(5, 0)}, {.outY = {{1, false}}, .at = monday(6, 30)}},
       [](TableBuilder& t) {
         t.program(2, 1, 1, 1, 6, 0);
         t.program(2, 2, 0, 1, 7, 0);
       }},
  };
}

std::vector<LetterCase> analogCases() {
  auto b = [](int fn) { return [fn](EntryParams& p) { p.i32(0, fn).f64(8, 2); }; };
  return {
      {"B_Plus", 'B', 1, b(0), {{.x = {{1, 3}, {2, 4}}, .outX = {{1, 14}}}}},
      {"B_Minus", 'B', 1, b(1), {{.x = {{1, 3}, {2, 4}}, .outX = {{1, -2}}}}},
      {"B_Times", 'B', 1, b(2), {{.x = {{1, 3}, {2, 4}}, .outX = {{1, 24}}}}},
      {"B_DivideAndKeepAtZero",
       'B',
       1,
       b(3),
       {{.x = {{1, 3}, {2, 4}}, .outX = {{1, 1.5}}}, {.x = {{1, 3}, {2, 0}}, .outX = {{1, 1.5}}}}},
      {"B_Min", 'B', 1, b(4), {{.x = {{1, 3}, {2, 4}}, .outX = {{1, 6}}}}},
      {"B_Max", 'B', 1, b(5), {{.x = {{1, 3}, {2, 4}}, .outX = {{1, 8}}}}},
      {"B_UnknownFunctionWritesNothing", 'B', 1, b(6), {{.x = {{1, 3}, {2, 4}}, .outX = {{1, 0}}}}},
      {"C_DefaultSegments",
       'C',
       1,
       [](EntryParams& p) {
         const double d[] = {-200, -200, -100, -100, -100, -100, 100, 100, 100, 100, 200, 200};
         for (int i = 0; i < 12; ++i)
           p.f64(8 * i, d[i]);
       },
       {{.x = {{1, -150}}, .outX = {{1, -150}, {2, -100}, {3, 100}}},
        {.x = {{1, 0}}, .outX = {{1, -100}, {2, 0}, {3, 100}}},
        {.x = {{1, 300}}, .outX = {{1, -100}, {2, 100}, {3, 200}}}}},
      {"C_SegmentGivenBackwards",
       'C',
       1,
       [](EntryParams& p) { p.f64(0, 10).f64(8, 100).f64(16, 0).f64(24, 0); },
       {{.x = {{1, 5}}, .outX = {{1, 50}}}, {.x = {{1, 20}}, .outX = {{1, 100}}}}},
      {"D_MeanOfSamplesEveryInterval",
       'D',
       10,
       [](EntryParams& p) { p.i32(0, 2).i32(4, 3).i32(16, 20); },
       {{.x = {{1, 1}}, .outX = {{1, 1}}},
        {.x = {{1, 2}}, .outX = {{1, 1}}},
        {.x = {{1, 3}}, .outX = {{1, 2}}},
        {.x = {{1, 4}}, .outX = {{1, 2}}},
        {.x = {{1, 5}}, .outX = {{1, 3}}},
        {.x = {{1, 6}}, .outX = {{1, 3}}},
        {.x = {{1, 7}}, .outX = {{1, 5}}}}},
      {"D_MinOfTwo",
       'D',
       1,
       [](EntryParams& p) { p.i32(0, 0).i32(4, 2).i32(16, 0); },
       {{.x = {{1, 5}}, .outX = {{1, 5}}},
        {.x = {{1, 3}}, .outX = {{1, 3}}},
        {.x = {{1, 8}}, .outX = {{1, 3}}},
        {.x = {{1, 9}}, .outX = {{1, 8}}}}},
      {"D_MaxWindowClampedTo50", 'D', 1, [](EntryParams& p) { p.i32(0, 1).i32(4, 99).i32(16, 1); },
       [] {
         std::vector<Cycle> cycles;
         for (int i = 0; i < 51; ++i)
           cycles.push_back({.x = {{1, i == 0 ? 100.0 : 1.0}}, .outX = {{1, i < 50 ? 100.0 : 1.0}}});
         return cycles;
       }()},
      {"G_Limits",
       'G',
       1,
       [](EntryParams& p) { p.f64(0, -1).f64(8, 10); },
       {{.x = {{1, 20}}, .outX = {{1, 10}}}, {.x = {{1, -5}}, .outX = {{1, -1}}}, {.x = {{1, 3}}, .outX = {{1, 3}}}}},
      {"G_ReferencesToFAndH",
       'G',
       1,
       [](EntryParams& p) { p.f64(0, encodeLimitH(3)).f64(8, encodeLimitF(2)); },
       {{.x = {{1, 20}}, .set = {{A::F, 2, 4}, {A::H, 3, 2}}, .outX = {{1, 4}}},
        {.x = {{1, 0}}, .outX = {{1, 2}}},
        {.x = {{1, 0}}, .set = {{A::H, 3, -7}}, .outX = {{1, 0}}}}},
      {"G_CrossedLimitsUpperWins",
       'G',
       1,
       [](EntryParams& p) { p.f64(0, 5).f64(8, 1); },
       {{.x = {{1, 3}}, .outX = {{1, 1}}}}},
      {"G_PlainNumberAt32500",
       'G',
       1,
       [](EntryParams& p) { p.f64(0, -100).f64(8, 32500); },
       {{.x = {{1, 40000}}, .set = {{A::F, 1, 1}}, .outX = {{1, 32500}}}}},
      {"K_HeatingCurveClampedAtBothEnds",
       'K',
       1,
       [](EntryParams& p) {
         const double pts[] = {-15, 70, -5, 58, 5, 46, 15, 34, 20, 28};
         for (int i = 0; i < 10; ++i)
           p.f64(8 * i, pts[i]);
       },
       {{.x = {{1, -20}}, .outX = {{1, 70}}},
        {.x = {{1, 0}}, .outX = {{1, 52}}},
        {.x = {{1, 17.5}}, .outX = {{1, 31}}},
        {.x = {{1, 25}}, .outX = {{1, 28}}}}},
      {"K_PointNotRightOfItsPredecessorIsAStep",
       'K',
       1,
       [](EntryParams& p) {
         const double pts[] = {0, 0, 10, 10, 10, 50, 20, 60, 30, 70};
         for (int i = 0; i < 10; ++i)
           p.f64(8 * i, pts[i]);
       },
       {{.x = {{1, 5}}, .outX = {{1, 5}}}, {.x = {{1, 10}}, .outX = {{1, 10}}}, {.x = {{1, 15}}, .outX = {{1, 55}}}}},
      {"Y_Select",
       'Y',
       1,
       [](EntryParams&) {},
       {{.x = {{1, 1}, {2, 2}}, .y = {{3, false}}, .outX = {{1, 1}}},
        {.x = {{1, 1}, {2, 2}}, .y = {{3, true}}, .outX = {{1, 2}}}}},
  };
}

std::vector<LetterCase> logicCases() {
  auto l = [](int fn, int inv) {
    return [fn, inv](EntryParams& p) { p.i32(0, fn).u8(4, static_cast<std::uint8_t>(inv)); };
  };
  auto cmp = [](double a, double b, bool out) { return Cycle{.x = {{1, a}, {2, b}}, .outY = {{1, out}}}; };
  return {
      {"L_Greater", 'L', 1, l(0, 0), {cmp(4, 3, true), cmp(3, 3, false)}},
      {"L_Less", 'L', 1, l(1, 0), {cmp(2, 3, true), cmp(3, 3, false)}},
      {"L_GreaterOrEqual", 'L', 1, l(2, 0), {cmp(3, 3, true), cmp(2, 3, false)}},
      {"L_LessOrEqual", 'L', 1, l(3, 0), {cmp(3, 3, true), cmp(4, 3, false)}},
      {"L_Equal", 'L', 1, l(4, 0), {cmp(3, 3, true), cmp(3.0000001, 3, false)}},
      {"L_NotEqualInverted", 'L', 1, l(5, 1), {cmp(3, 3, true), cmp(4, 3, false)}},
      {"L_UnknownFunctionIsOffBeforeInversion", 'L', 1, l(6, 1), {cmp(4, 3, true)}},
      {"N_PointsWithHysteresisBelow",
       'N',
       1,
       [](EntryParams& p) { p.f64(0, 20).f64(8, 40).f64(16, 60).f64(24, 80).f64(32, -2); },
       {{.x = {{1, 50}}, .outY = {{1, true}, {2, true}, {3, false}, {4, false}}},
        {.x = {{1, 38}}, .outY = {{1, true}, {2, true}, {3, false}}},
        {.x = {{1, 37.9}}, .outY = {{1, true}, {2, false}}},
        {.x = {{1, 39}}, .outY = {{2, false}}},
        {.x = {{1, 90}}, .outY = {{1, true}, {2, true}, {3, true}, {4, true}}},
        {.x = {{1, 0}}, .outY = {{1, false}, {2, false}, {3, false}, {4, false}}}}},
      {"O_Or",
       'O',
       1,
       [](EntryParams&) {},
       {{.y = {{1, false}, {2, true}, {3, false}}, .outY = {{1, true}}},
        {.y = {{1, false}, {2, false}, {3, false}}, .outY = {{1, false}}}}},
      {"O_OrInverted",
       'O',
       1,
       [](EntryParams& p) { p.u8(0, 1); },
       {{.y = {{3, true}}, .outY = {{1, false}}}, {.y = {{3, false}}, .outY = {{1, true}}}}},
      {"U_And",
       'U',
       1,
       [](EntryParams&) {},
       {{.y = {{1, true}, {2, true}, {3, true}}, .outY = {{1, true}}},
        {.y = {{1, true}, {2, true}, {3, false}}, .outY = {{1, false}}}}},
      {"U_UnconnectedInputTakesNoPart",
       'U',
       1,
       [](EntryParams& p) { p.i32(12, 0); },
       {{.y = {{1, true}, {2, true}, {3, false}}, .outY = {{1, true}}}, {.y = {{2, false}}, .outY = {{1, false}}}}},
      {"U_NoInputIsOffAndInverted",
       'U',
       1,
       [](EntryParams& p) { p.u8(0, 1).i32(4, 0).i32(8, 0).i32(12, 0); },
       {{.y = {{1, true}, {2, true}, {3, true}}, .outY = {{1, true}}}}},
      {"X_Xor",
       'X',
       1,
       [](EntryParams&) {},
       {{.y = {{1, true}, {2, true}}, .outY = {{1, false}}}, {.y = {{1, true}, {2, false}}, .outY = {{1, true}}}}},
      {"X_XorInverted",
       'X',
       1,
       [](EntryParams& p) { p.u8(0, 1); },
       {{.y = {{1, true}, {2, true}}, .outY = {{1, true}}}, {.y = {{1, false}, {2, true}}, .outY = {{1, false}}}}},
      {"Z_RisingOnFallingOff",
       'Z',
       1,
       [](EntryParams& p) { p.f64(8, 55).f64(16, 45); },
       {{.x = {{1, 50}}, .outY = {{1, false}}},
        {.x = {{1, 55}}, .outY = {{1, true}}},
        {.x = {{1, 46}}, .outY = {{1, true}}},
        {.x = {{1, 45}}, .outY = {{1, false}}},
        {.x = {{1, 50}}, .outY = {{1, false}}}}},
      {"Z_InvertedFrostProtection",
       'Z',
       1,
       [](EntryParams& p) { p.u8(0, 1).f64(8, 2).f64(16, 4); },
       {{.x = {{1, 3}}, .outY = {{1, false}}},
        {.x = {{1, 2}}, .outY = {{1, true}}},
        {.x = {{1, 3.9}}, .outY = {{1, true}}},
        {.x = {{1, 4}}, .outY = {{1, false}}}}},
      {"Z_ThresholdFromConstant",
       'Z',
       1,
       [](EntryParams& p) { p.f64(8, encodeLimitF(1)).f64(16, 10); },
       {{.x = {{1, 20}}, .set = {{A::F, 1, 30}}, .outY = {{1, false}}},
        {.x = {{1, 20}}, .set = {{A::F, 1, 15}}, .outY = {{1, true}}}}},
      {"Z_CrossedThresholdsOffWins",
       'Z',
       1,
       [](EntryParams& p) { p.f64(8, 40).f64(16, 60); },
       {{.x = {{1, 50}}, .outY = {{1, false}}}, {.x = {{1, 70}}, .outY = {{1, true}}}}},
  };
}

std::vector<LetterCase> timerCases() {
  auto on = [](bool in, bool out) { return Cycle{.y = {{1, in}}, .outY = {{1, out}}}; };
  auto t = [](int fn, int p1, int p2, int inv = 0) {
    return [=](EntryParams& p) { p.i32(0, fn).u8(4, static_cast<std::uint8_t>(inv)).i32(8, p1).i32(12, p2); };
  };
  return {
      {"P_PulseOfTenthsRoundedUpToRuns",
       'P',
       1,
       [](EntryParams& p) { p.i32(4, 25); },
       {on(true, true), on(true, true), on(true, true), on(true, false), on(false, false), on(true, true)}},
      {"P_EdgeDuringThePulseDoesNotRestart",
       'P',
       1,
       [](EntryParams& p) { p.i32(4, 20); },
       {on(true, true), on(false, true), on(true, false), on(true, false)}},
      {"P_Inverted",
       'P',
       2,
       [](EntryParams& p) { p.u8(0, 1).i32(4, 30); },
       {on(false, true), on(true, false), on(true, false), on(true, true)}},
      {"T_Wischer",
       'T',
       1,
       t(0, 3, 0),
       {on(true, true), on(true, true), on(true, true), on(true, false), on(false, false)}},
      {"T_WischerEndsWithTheInput", 'T', 1, t(0, 3, 0, 1), {on(true, false), on(false, true), on(true, false)}},
      {"T_Blinker",
       'T',
       1,
       t(1, 2, 1),
       {on(true, true), on(true, true), on(true, false), on(true, true), on(false, false), on(true, true)}},
      {"T_ImpulseDelaysOnAndOff",
       'T',
       1,
       t(2, 2, 1),
       {on(true, false), on(true, false), on(true, true), on(false, true), on(false, false), on(true, false),
        on(false, false)}},
      {"T_Pwm",
       'T',
       1,
       t(3, 4, 25),
       {on(true, true), on(true, false), on(true, false), on(true, false), on(true, true)}},
      {"T_UnknownFunctionOffBeforeInversion", 'T', 1, t(4, 1, 1, 1), {on(true, true)}},
  };
}

std::vector<LetterCase> controllerCases() {
  auto r = [](double pBand, double tn, double tv, double gain) {
    return [=](EntryParams& p) { p.f64(0, pBand).f64(8, tn).f64(16, tv).f64(24, gain); };
  };
  auto pi = [](double w, double x, double out, bool reset = false) {
    return Cycle{.x = {{1, w}, {2, x}}, .y = {{3, reset}}, .outX = {{1, out}}};
  };
  return {
      {"R_PBandClampsToPercent",
       'R',
       10,
       r(20, 0, 0, 1),
       {pi(50, 48, 0), pi(50, 48, 10), pi(50, 20, 100), pi(50, 55, 0)}},
      {"R_GainAndReverseAction", 'R', 10, r(20, 0, 0, -2), {pi(50, 48, 0), pi(50, 52, 20), pi(50, 48, 0)}},
      {"R_IntegralStepsBumplessAfterReset",
       'R',
       10,
       r(20, 100, 0, 1),
       {pi(50, 48, 0), pi(50, 48, 1), pi(50, 48, 2), pi(50, 48, 0, true), pi(50, 48, 1)}},
      {"R_AntiWindupLeavesTheLimitAtOnce", 'R', 10, r(20, 100, 0, 1),
       [&] {
         std::vector<Cycle> cycles;
         for (int i = 0; i < 60; ++i)
           cycles.push_back(Cycle{.x = {{1, 60}, {2, 50}}});
         cycles.push_back(pi(60, 50, 100));
         cycles.push_back(pi(60, 60, 50));
         return cycles;
       }()},
      {"R_DerivativeOnTheActualValue",
       'R',
       10,
       r(20, 0, 10, 1),
       {pi(50, 40, 0), pi(50, 41, 40), pi(50, 41, 45), pi(60, 41, 95)}},
      {"R_NoPBandIsOff", 'R', 10, r(0, 100, 0, 1), {pi(50, 40, 0), pi(50, 40, 0)}},
      {"J_DamperDriveModelsItsPosition",
       'J',
       10,
       [](EntryParams& p) { p.i32(0, 0).i32(4, 100).f64(8, 10).i32(28, 0); },
       {{.x = {{1, 50}}, .outX = {{3, 10}}, .outY = {{1, true}, {2, false}}},
        {.x = {{1, 50}}, .outX = {{3, 20}}},
        {.x = {{1, 50}}, .outX = {{3, 30}}},
        {.x = {{1, 50}}, .outX = {{3, 40}}},
        {.x = {{1, 50}}, .outX = {{3, 40}}, .outY = {{1, false}, {2, false}}},
        {.x = {{1, 50}}, .y = {{4, true}}, .outX = {{3, 30}}, .outY = {{1, false}, {2, true}}},
        {.x = {{1, 50}}, .y = {{4, false}, {5, true}}, .outX = {{3, 0}}, .outY = {{1, false}, {2, false}}},
        {.x = {{1, -20}}, .y = {{5, false}}, .outX = {{3, 0}}, .outY = {{2, true}}}}},
      {"J_DamperDriveWithFeedback",
       'J',
       10,
       [](EntryParams& p) { p.i32(0, 0).i32(4, 100).f64(8, 5); },
       {{.x = {{1, 50}, {2, 47}}, .outX = {{3, 47}}, .outY = {{1, false}, {2, false}}},
        {.x = {{1, 50}, {2, 60}}, .outX = {{3, 60}}, .outY = {{1, false}, {2, true}}}}},
      {"J_PulseCounter",
       'J',
       1,
       [](EntryParams& p) { p.i32(0, 1).i32(4, 2); },
       {{.y = {{3, true}}, .outX = {{3, 1}}, .outY = {{1, false}, {2, true}}},
        {.y = {{3, true}}, .outX = {{3, 1}}},
        {.y = {{3, false}}, .outX = {{3, 1}}},
        {.y = {{3, true}}, .outX = {{3, 2}}, .outY = {{1, true}, {2, false}}},
        {.y = {{4, true}}, .outX = {{3, 1}}, .outY = {{1, false}}},
        {.y = {{5, true}}, .outX = {{3, 0}}}}},
      {"J_OperatingHours",
       'J',
       1800,
       [](EntryParams& p) { p.i32(0, 2).i32(4, 1); },
       {{.y = {{3, true}}, .outX = {{3, 0.5}}, .outY = {{1, false}}},
        {.y = {{3, false}}, .outX = {{3, 0.5}}},
        {.y = {{3, true}}, .outX = {{3, 1}}, .outY = {{1, true}}}}},
      {"J_RunTimeComparison",
       'J',
       1800,
       [](EntryParams& p) { p.i32(0, 3).f64(8, 1); },
       {{.y = {{3, true}, {4, false}}, .outX = {{3, 0.5}}, .outY = {{1, false}, {2, false}}},
        {.y = {{3, true}}, .outX = {{3, 1}}, .outY = {{1, true}, {2, false}}},
        {.y = {{3, false}, {4, true}}, .outX = {{3, 0.5}}, .outY = {{1, false}}}}},
  };
}

// W: occupancy Monday 08:00..16:00; room 18 °C, setpoint 20 °C, outdoor at
// the lower design temperature, so the outdoor weighting is full.
std::vector<LetterCase> optimiserCases() {
  auto setup = [](int minOn) {
    return [=](EntryParams& p) {
      p.i32(0, 1).f64(8, 5).f64(24, 100).f64(40, 10).i32(48, minOn).i32(52, 0).i32(56, 240);
      p.f64(64, -1000).f64(72, 3000).f64(80, 200);
    };
  };
  auto w = [](LocalDateTime at, double room, std::vector<std::pair<int, bool>> out) {
    return Cycle{.x = {{1, room}, {2, -10}, {3, 20}, {4, 5}}, .outY = std::move(out), .at = at};
  };
  auto program = [](TableBuilder& t) {
    t.program(1, 1, 1, 1, 8, 0);
    t.program(1, 2, 0, 1, 16, 0);
  };
  return {
      {"W_PreheatsByTheSquareOfTheLack",
       'W',
       60,
       setup(0),
       {w(monday(7, 0), 18, {{1, false}, {2, false}, {3, false}, {4, false}}),
        w(monday(7, 37), 18, {{2, false}, {3, false}}), w(monday(7, 38), 18, {{1, false}, {2, true}, {3, true}}),
        w(monday(9, 0), 20, {{1, true}, {2, false}, {3, true}, {4, false}}),
        w(monday(15, 50), 21, {{1, true}, {3, false}, {4, true}}),
        w(monday(17, 0), 14, {{1, false}, {3, true}, {4, false}})},
       program},
      {"W_MinimumOnTime",
       'W',
       600,
       setup(20),
       {w(monday(7, 40), 18, {{3, true}}), w(monday(7, 50), 25, {{3, true}}), w(monday(7, 55), 25, {{3, false}})},
       program},
      {"W_PresenceInputOccupies",
       'W',
       60,
       setup(0),
       {{.x = {{1, 20}, {3, 20}}, .y = {{5, true}}, .outY = {{1, true}, {3, true}}, .at = monday(3, 0)}},
       program},
  };
}

std::vector<LetterCase> allCases() {
  std::vector<LetterCase> all;
  for (auto part : {signalCases, analogCases, logicCases, timerCases, controllerCases, optimiserCases})
    for (LetterCase& c : part())
      all.push_back(std::move(c));
  return all;
}

INSTANTIATE_TEST_SUITE_P(Modules, LetterTest, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<LetterCase>& info) { return info.param.name; });

// Every letter has its cases.
TEST(LetterCases, CoverAllTwentySixTypes) {
  std::string letters;
  for (const LetterCase& c : allCases())
    if (letters.find(c.letter) == std::string::npos) letters += c.letter;
  std::sort(letters.begin(), letters.end());
  EXPECT_EQ(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

} // namespace
} // namespace veltra::core::test
