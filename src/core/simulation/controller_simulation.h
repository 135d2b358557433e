#pragma once

#include "core/online/server_block.h"
#include "core/simulation/executable_table.h"
#include "core/simulation/owned_slots.h"
#include "core/util/clock.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace veltra::core {

// The controller: runs a module table on the block. Time advances in whole
// seconds; at second t every loop whose sample time divides t runs, in
// table order, its modules in table order. Modules keep their state only in
// their own area of the working memory; they read and write the block only
// through its bounds-checked accessors.
class ControllerSimulation {
public:
  explicit ControllerSimulation(ExecutableTable table, int workMemorySize = kDefaultDataMemorySize);

  // Prepares the block as a controller that has just loaded the table: the
  // constants F from the table's F modules, the working memory zeroed, the
  // time switch outputs from the programs at `now`.
  void start(ServerBlock& block, const LocalDateTime& now);
  // Second `second` (0 at the start) at local time `now`: the time switch
  // outputs, then every loop that is due.
  void step(ServerBlock& block, long long second, const LocalDateTime& now);

  const ExecutableTable& table() const { return m_table; }
  // Outputs the tool took over ("Q3"): their modules no longer write them,
  // as an output switched to hand keeps its value.
  const std::vector<std::string>& takenOver() const { return m_outputs.takenOver(); }
  std::span<const std::uint8_t> workMemory() const { return m_work; }

private:
  void updateTimeSwitches(ServerBlock& block, const LocalDateTime& now, bool force);
  void runLoop(const ExecLoop& loop, ServerBlock& block, const LocalDateTime& now);

  ExecutableTable m_table;
  std::vector<std::uint8_t> m_work;
  OwnedSlots m_outputs;
  // What each program switched to at the last update: an output is written
  // only when its program switches, so a "Bit ändern" on S holds until the
  // next switching point, as on a time switch set by hand.
  std::array<std::uint8_t, kPrograms + 1> m_programState{};
};

} // namespace veltra::core
