// Simulated seconds per real second, headless with recording every 60 s:
// one day of the sample heating plant with its plant file, and one hour of
// the largest table there is (all 200 loops run every second, their E
// inputs generated).
#include "bench/largest_table.h"
#include "core/persist/project_file_set.h"
#include "core/simulation/controller_table.h"
#include "core/simulation/headless_simulation.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

struct RecordDir {
  fs::path path = fs::temp_directory_path() / "veltra_simulation_bench";
  RecordDir() {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~RecordDir() { fs::remove_all(path); }
};

void runDays(benchmark::State& state, const ControllerTable& table, const PlantSettings& plant, long long seconds) {
  RecordDir dir;
  HeadlessRequest r;
  r.table = &table;
  r.plant = &plant;
  r.start = makeLocalDateTime(2026, 12, 7, 0, 0);
  r.seconds = seconds;
  r.recordDir = dir.path;
  for (auto _ : state) {
    const HeadlessResult result = runHeadless(r);
    benchmark::DoNotOptimize(result.ticks);
    state.PauseTiming();
    fs::remove_all(dir.path);
    fs::create_directories(dir.path);
    state.ResumeTiming();
  }
  state.counters["sim_s_per_s"] =
      benchmark::Counter(static_cast<double>(seconds), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SimulateSampleDay(benchmark::State& state) {
  const fs::path dir = fs::path(VELTRA_SAMPLES_DIR) / "heizung";
  auto empty = std::make_unique<Project>();
  LoadedProject loaded = loadProject(*empty, VELTRA_PROGRAM_DIR, dir / "heizung.vtr");
  const ControllerTable table = compileForController(*loaded.project, kDefaultDataMemorySize, "heizung");
  const PlantSettings plant = readPlantSettings(dir / "heizung.ini");
  runDays(state, table, plant, 24 * 3600);
}
BENCHMARK(BM_SimulateSampleDay)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SimulateLargestTableHour(benchmark::State& state) {
  auto p = bench::largestTableProject();
  for (int loop = 1; loop <= kLoops; ++loop)
    p->LoopSampleTime[static_cast<std::size_t>(loop)] = 1;
  const ControllerTable table = compileForController(*p, kDefaultDataMemorySize, "groesste Tabelle");
  if (table.bytes.size() < kMaxTableLength - 140) throw std::logic_error("the table is not the largest");
  std::string generators = "[Eingaenge]\n";
  for (int n = 1; n <= kSignals; ++n)
    generators += "E" + std::to_string(n) + " = sine 20 5 " + std::to_string(600 + n) + "\n";
  const PlantSettings plant = parsePlantSettings(generators);
  runDays(state, table, plant, 3600);
  state.counters["table_bytes"] = static_cast<double>(table.bytes.size());
}
BENCHMARK(BM_SimulateLargestTableHour)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace veltra::core
