#pragma once

#include "tests/core/simulation/table_builder.h"

#include "core/online/server_block.h"
#include "core/simulation/controller_simulation.h"
#include "core/simulation/executable_table.h"
#include "core/util/clock.h"

#include <memory>
#include <vector>

namespace veltra::core::test {

// A block and a controller running one table; each cycle runs `ts`
// seconds, so a loop of that sample time runs once per cycle.
struct ModuleRig {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kServerBlockSize, 0);
  ServerBlock block{bytes};
  std::unique_ptr<ControllerSimulation> sim;
  LocalDateTime now = makeLocalDateTime(2026, 12, 7, 6, 0); // a Monday
  long long second = 0;

  void load(TableBuilder& t) {
    sim = std::make_unique<ControllerSimulation>(readExecutableTable(t.bytes()));
    sim->start(block, now);
  }
  void run(int seconds) {
    for (int i = 0; i < seconds; ++i)
      sim->step(block, second++, now);
  }
  // Input and output rows as wiredByRow joins them.
  void x(int row, double v) { block.setAnalog(BlockArea::AnalogConnection, row, v); }
  void y(int row, bool v) { block.setBit(BlockArea::DigitalConnection, row, v); }
  double outX(int row) const { return block.analog(BlockArea::AnalogConnection, 10 + row).value(); }
  bool outY(int row) const { return block.bit(BlockArea::DigitalConnection, 10 + row).value(); }
};

} // namespace veltra::core::test
