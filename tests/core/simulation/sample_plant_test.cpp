// The sample heating plant with its plant file: the heating circuits
// settle on their setpoints.
#include "core/modules/time_switch.h"
#include "core/persist/project_file_set.h"
#include "core/simulation/controller_table.h"
#include "core/simulation/executable_table.h"
#include "core/simulation/plant_simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace veltra::core {
namespace {

TEST(SamplePlant, HeatingCircuitsSettleWithinOneKelvinOfTheirSetpoints) {
  const std::filesystem::path dir = std::filesystem::path(VELTRA_SAMPLES_DIR) / "heizung";
  auto empty = std::make_unique<Project>();
  LoadedProject loaded = loadProject(*empty, VELTRA_PROGRAM_DIR, dir / "heizung.vtr");
  const ControllerTable table = compileForController(*loaded.project, kDefaultDataMemorySize, "heizung");
  ExecutableTable exec = readExecutableTable(table.bytes);

  // The PID controllers of the boiler and the two heating circuits, with
  // the program that releases each.
  struct Circuit {
    int loop;
    int program;
    std::int32_t setpoint = 0, actual = 0;
    int settledMinutes = 0;
    double worst = 0;
  };
  std::vector<Circuit> circuits = {{1, 1}, {2, 1}, {3, 2}};
  for (Circuit& c : circuits)
    for (const ExecLoop& l : exec.loops)
      if (l.number == c.loop)
        for (const ExecModule& m : l.modules)
          if (m.letter == 'R') {
            c.setpoint = m.xe[1];
            c.actual = m.xe[2];
          }
  for (const Circuit& c : circuits)
    ASSERT_GT(c.setpoint * c.actual, 0) << "loop " << c.loop;

  std::vector<std::uint8_t> bytes(kServerBlockSize, 0);
  ServerBlock block(bytes);
  // Monday 05:00: the school program starts at 05:30, the gym at 07:00.
  PlantSimulation sim(std::move(exec), readPlantSettings(dir / "heizung.ini"), 1, makeLocalDateTime(2026, 12, 7, 5, 0));
  sim.start(block);
  const SwitchProgramTable& programs = sim.controller().table().programs;
  std::vector<int> onFor(circuits.size(), 0); // minutes since the program switched on
  for (int minute = 0; minute < 6 * 60; ++minute) {
    for (int s = 0; s < 60; ++s)
      sim.step(block);
    const LocalDateTime now = sim.now();
    for (std::size_t i = 0; i < circuits.size(); ++i) {
      Circuit& c = circuits[i];
      const bool on =
          switchProgramState(programs[static_cast<std::size_t>(c.program - 1)], now.weekday, now.hour, now.minute);
      onFor[i] = on ? onFor[i] + 1 : 0;
      // One hour to heat up from cold.
      if (onFor[i] <= 60) continue;
      const double w = block.analog(BlockArea::AnalogConnection, c.setpoint).value();
      const double x = block.analog(BlockArea::AnalogConnection, c.actual).value();
      c.worst = std::max(c.worst, std::fabs(w - x));
      ++c.settledMinutes;
    }
  }
  for (const Circuit& c : circuits) {
    EXPECT_GT(c.settledMinutes, 120) << "loop " << c.loop;
    EXPECT_LE(c.worst, 1.0) << "loop " << c.loop;
  }
}

} // namespace
} // namespace veltra::core
