// Module table generation and the cross-reference on the largest projects
// they meet: a table right under the 32,767-byte limit spread over all 200
// loops, and a project with a signal module on every free place.
#include "bench/largest_table.h"
#include "core/compiler/cross_reference.h"
#include "core/compiler/module_table.h"
#include "core/modules/catalogue.h"
#include "tests/core/compiler/compiler_test_support.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace veltra::core {
namespace {

using namespace test_support;
using bench::largestTableProject;

void BM_CompileLargestTable(benchmark::State& state) {
  auto p = largestTableProject();
  ModuleTable table;
  CompileResult r = table.ErzeugeModulTabelle(*p);
  if (!r.success || r.tableLength < kMaxTableLength - 140) throw std::logic_error("project does not fill the table");
  for (auto _ : state) {
    r = table.ErzeugeModulTabelle(*p);
    benchmark::DoNotOptimize(r.checksum);
  }
  state.counters["table_bytes"] = r.tableLength;
}
BENCHMARK(BM_CompileLargestTable)->Unit(benchmark::kMicrosecond);

// Signal modules on every other column of every row of every loop: 21,000
// modules of the eight listed groups.
std::unique_ptr<Project> signalProject() {
  auto p = newProject();
  const char letters[] = "EAIQMHVF";
  int i = 0;
  for (int loop = 1; loop <= kLoops; ++loop)
    for (int col = 0; col <= 12; col += 2)
      for (int row = 0; row < kRows; ++row, ++i) {
        const char letter = letters[i % 8];
        place(*p, loop, col, row, letter).setI32(0, 1 + (i / 8) % (letter == 'V' ? kVSignals : kSignals));
      }
  return p;
}

void BM_CrossReferenceFull(benchmark::State& state) {
  auto p = signalProject();
  std::size_t lines = 0;
  for (auto _ : state) {
    auto result = crossReferenceLines(*p);
    lines = result.size();
    benchmark::DoNotOptimize(result.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CrossReferenceFull)->Unit(benchmark::kMillisecond);

// One question without the index, as the hover text asks it.
void BM_GetQVWSingle(benchmark::State& state) {
  auto p = signalProject();
  for (auto _ : state)
    benchmark::DoNotOptimize(GetQVW(*p, 'E', 17));
}
BENCHMARK(BM_GetQVWSingle)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace veltra::core
