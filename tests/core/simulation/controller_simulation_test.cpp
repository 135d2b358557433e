#include "tests/core/simulation/module_rig.h"

#include "core/modules/catalogue.h"
#include "core/simulation/noise_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace veltra::core::test {
namespace {

// Loops run in table order within a second, modules in table order within
// a loop, each loop only at the multiples of its sample time.
TEST(ControllerSimulationTest, SampleTimeLoopOrderAndModuleOrder) {
  TableBuilder t;
  // Loop 1: E1 -> H5.
  t.loop(1, 1);
  t.module('E', 0, 0, EntryParams().i32(0, 1).f64(8, 1).i32(24, 1));
  t.module('H', 2, 0, EntryParams().i32(0, 5).i32(4, 1));
  // Loop 2: H5 -> A2, in the same second because loop 1 ran first.
  t.loop(2, 1);
  t.module('H', 0, 0, EntryParams().i32(0, 5).i32(8, 101));
  t.module('A', 2, 0, EntryParams().i32(0, 2).f64(8, 1).i32(24, 101));
  // Loop 3: A3 reads its connection before E1 writes it: one run behind.
  t.loop(3, 1);
  t.module('A', 0, 0, EntryParams().i32(0, 3).f64(8, 1).i32(24, 201));
  t.module('E', 2, 0, EntryParams().i32(0, 1).f64(8, 1).i32(24, 201));
  // Loop 4: every five seconds.
  t.loop(4, 5);
  t.module('E', 0, 0, EntryParams().i32(0, 1).f64(8, 1).i32(24, 301));
  t.module('A', 2, 0, EntryParams().i32(0, 4).f64(8, 1).i32(24, 301));
  ModuleRig rig;
  rig.load(t);
  for (int s = 0; s < 12; ++s) {
    rig.block.setAnalog(BlockArea::E, 1, 100 + s);
    rig.run(1);
    EXPECT_EQ(rig.block.analog(BlockArea::A, 2).value(), 100 + s) << s;
    EXPECT_EQ(rig.block.analog(BlockArea::A, 3).value(), s == 0 ? 0 : 99 + s) << s;
    EXPECT_EQ(rig.block.analog(BlockArea::A, 4).value(), 100 + s / 5 * 5) << s;
  }
}

TEST(ControllerSimulationTest, StartSeedsConstantsFromTheTable) {
  TableBuilder t;
  t.loop(7, 10);
  t.module('F', 0, 0, EntryParams().i32(0, 12).f64(8, -3.25));
  ModuleRig rig;
  rig.block.setAnalog(BlockArea::F, 12, 99);
  rig.load(t);
  EXPECT_EQ(rig.block.analog(BlockArea::F, 12).value(), -3.25);
}

// A time switch output set by hand holds until its program switches.
TEST(ControllerSimulationTest, ForcedTimeSwitchBitHoldsUntilTheNextSwitchingPoint) {
  TableBuilder t;
  t.program(1, 1, 1, 1, 6, 0); // Monday 06:00 on
  t.program(1, 2, 0, 1, 7, 0); // Monday 07:00 off
  t.loop(1, 60);
  ModuleRig rig;
  rig.now = makeLocalDateTime(2026, 12, 7, 5, 0);
  rig.load(t);
  EXPECT_FALSE(rig.block.bit(BlockArea::S, 1).value());
  auto at = [&](int h, int m) {
    rig.now = makeLocalDateTime(2026, 12, 7, h, m);
    rig.run(1);
    return rig.block.bit(BlockArea::S, 1).value();
  };
  EXPECT_FALSE(at(5, 10));
  rig.block.setBit(BlockArea::S, 1, true);
  EXPECT_TRUE(at(5, 30));
  EXPECT_TRUE(at(6, 0));
  rig.block.setBit(BlockArea::S, 1, false);
  EXPECT_FALSE(at(6, 30));
  rig.block.setBit(BlockArea::S, 1, true);
  EXPECT_FALSE(at(7, 0)) << "the program's switching point ends the override";
}

// Whatever a table's parameters hold, a module changes nothing of the
// working memory beyond its own area, and nothing of the block beyond
// the areas a controller writes.
TEST(ControllerSimulationTest, RandomParametersStayInsideTheirAreas) {
  NoiseSource random(7);
  constexpr int kAt = 1000;
  for (const ModuleType& type : allModuleTypes()) {
    for (int round = 0; round < 15; ++round) {
      EntryParams p;
      for (auto& b : p.bytes)
        b = static_cast<std::uint8_t>(random.next());
      for (const PortDef& port : type.ports)
        p.i32(port.offset, static_cast<std::int32_t>(random.next() % 4 == 0 ? 0 : random.next() % 20001));
      if (type.isSignalModule() || type.letter == 'S' || type.letter == 'W') {
        const int last = type.letter == 'V'                         ? kVSignals
                         : type.letter == 'S' || type.letter == 'W' ? kPrograms
                                                                    : kSignals;
        p.i32(0, 1 + static_cast<std::int32_t>(random.next() % static_cast<std::uint64_t>(last)));
      }
      TableBuilder t;
      for (int i = 0; i < 10; ++i)
        t.program(1 + i, 1, static_cast<std::uint8_t>(random.next()), static_cast<std::int32_t>(random.next()),
                  static_cast<std::int32_t>(random.next() % 30), static_cast<std::int32_t>(random.next() % 70));
      t.loop(1 + round, static_cast<std::int32_t>(random.next() % 5) - 1);
      t.module(type.letter, 0, 0, p, kAt);
      ModuleRig rig;
      const std::vector<std::uint8_t> before = rig.bytes;
      rig.load(t);
      for (int s = 0; s < 30; ++s) {
        for (int k = 1; k <= 5; ++k) {
          rig.block.setAnalog(BlockArea::AnalogConnection, static_cast<long long>(random.next() % 20000) + 1,
                              static_cast<double>(random.next() % 2000) / 10.0 - 100.0);
          rig.block.setBit(BlockArea::DigitalConnection, static_cast<long long>(random.next() % 20000) + 1,
                           random.next() % 2 == 0);
        }
        rig.run(1);
      }
      const std::span<const std::uint8_t> work = rig.sim->workMemory();
      for (std::size_t i = 0; i < work.size(); ++i) {
        if (i < static_cast<std::size_t>(kAt) || i >= static_cast<std::size_t>(kAt + type.workSize)) {
          ASSERT_EQ(work[i], 0) << type.letter << " wrote working memory byte " << i;
        }
      }
      // The checksum, the unused middle and the programs are never a
      // controller's to write.
      for (const auto& [from, to] : {std::pair<std::size_t, std::size_t>{0, 16}, {262756, 502760}, {502796, 507920}})
        ASSERT_TRUE(std::equal(before.begin() + static_cast<std::ptrdiff_t>(from),
                               before.begin() + static_cast<std::ptrdiff_t>(to),
                               rig.bytes.begin() + static_cast<std::ptrdiff_t>(from)))
            << type.letter << " wrote bytes " << from << ".." << to;
    }
  }
}

} // namespace
} // namespace veltra::core::test
