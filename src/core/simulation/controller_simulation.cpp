#include "core/simulation/controller_simulation.h"

#include "core/modules/time_switch.h"
#include "core/simulation/module_context.h"

#include <algorithm>
#include <string_view>

namespace veltra::core {

ControllerSimulation::ControllerSimulation(ExecutableTable table, int workMemorySize)
    : m_table(std::move(table)), m_work(static_cast<std::size_t>(std::max(workMemorySize, 0)), 0) {}

void ControllerSimulation::start(ServerBlock& block, const LocalDateTime& now) {
  std::fill(m_work.begin(), m_work.end(), std::uint8_t{0});
  for (const ExecLoop& loop : m_table.loops)
    for (const ExecModule& m : loop.modules)
      if (m.letter == 'F') block.setAnalog(BlockArea::F, m.i32(0), m.f64(8));
  updateTimeSwitches(block, now, true);
}

void ControllerSimulation::updateTimeSwitches(ServerBlock& block, const LocalDateTime& now, bool force) {
  for (int n = 1; n <= kPrograms; ++n) {
    const std::uint8_t state =
        switchProgramState(m_table.programs[static_cast<std::size_t>(n - 1)], now.weekday, now.hour, now.minute) ? 1
                                                                                                                 : 0;
    if (force || state != m_programState[static_cast<std::size_t>(n)]) block.setBit(BlockArea::S, n, state != 0);
    m_programState[static_cast<std::size_t>(n)] = state;
  }
}

void ControllerSimulation::step(ServerBlock& block, long long second, const LocalDateTime& now) {
  updateTimeSwitches(block, now, false);
  for (const ExecLoop& loop : m_table.loops)
    if (second % loop.sampleTime == 0) runLoop(loop, block, now);
}

void ControllerSimulation::runLoop(const ExecLoop& loop, ServerBlock& block, const LocalDateTime& now) {
  for (const ExecModule& m : loop.modules) {
    // The reader checked every area against the memory this object holds.
    const std::span<std::uint8_t> work =
        m.workSize > 0 && static_cast<std::size_t>(m.workOffset) + m.workSize <= m_work.size()
            ? std::span<std::uint8_t>(m_work).subspan(static_cast<std::size_t>(m.workOffset), m.workSize)
            : std::span<std::uint8_t>();
    ModuleContext c{block, m_outputs, WorkArea(work), loop.sampleTime, m_table.programs, now};
    executeModule(m, c);
  }
}

void executeModule(const ExecModule& m, ModuleContext& c) {
  // The family of each letter A..Z: signal, analog, logic, timer, controller.
  constexpr std::string_view kFamilies = "SaaaSSaSScalSlltScStlSclal";
  if (m.letter < 'A' || m.letter > 'Z') return;
  switch (kFamilies[static_cast<std::size_t>(m.letter - 'A')]) {
  case 'S':
    executeSignalModule(m, c);
    break;
  case 'a':
    executeAnalogModule(m, c);
    break;
  case 'l':
    executeLogicModule(m, c);
    break;
  case 't':
    executeTimerModule(m, c);
    break;
  default:
    executeControllerModule(m, c);
    break;
  }
}

} // namespace veltra::core
