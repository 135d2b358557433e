// The page model of the printout for the largest project: 200 loops each as
// dense as the placement rules allow, every section, connection lines and
// the contents page. Only the core's layout; the drawing is measured in
// bench/gui.
//
//   veltra_bench --benchmark_filter=Report

#include "bench/dense_loops.h"

#include "core/print/report_builder.h"
#include "core/print/text_metrics.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace veltra;

core::Project& largestProject() {
  static std::unique_ptr<core::Project> p = [] {
    auto project = std::make_unique<core::Project>();
    project->resetLoops();
    for (int loop = 1; loop <= core::kLoops; ++loop)
      bench::buildDensestLoop(*project, loop);
    return project;
  }();
  return *p;
}

void BM_ReportPagesOfTheLargestProject(benchmark::State& state) {
  core::Project& p = largestProject();
  const core::ReportLists lists = core::ReportLists::load(VELTRA_PROGRAM_DIR);
  const core::FixedPitchMetrics metrics;
  core::PrintOptions options;
  options.connections = options.contents = true;
  std::size_t pages = 0;
  for (auto _ : state) {
    const core::Report report = core::buildReport(p, lists, metrics, options);
    pages = report.pages.size();
    benchmark::DoNotOptimize(report.pages.data());
  }
  state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_ReportPagesOfTheLargestProject)->Unit(benchmark::kMillisecond);

} // namespace
