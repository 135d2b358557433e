// Router speed on the densest loops the placement rules allow (built in
// dense_loops.h): the fast router against the literal one on a whole
// BildeWireArray, and a whole rebuild (BildeBelegung + BildeWireArray) with
// the fast router.
//
//   veltra_bench --benchmark_filter=Router --benchmark_repetitions=5

#include "core/wiring/loop_wiring.h"

#include "dense_loops.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace veltra::core;
using veltra::bench::buildDensestFanOutLoop;
using veltra::bench::buildDensestLoop;

constexpr int kDensestLoop = 1; // every port in use, lines crossing in every channel
constexpr int kFanOutLoop = 2;  // every input fed, up to 20 destinations per connection

const Project& denseProject() {
  static const std::unique_ptr<Project> project = [] {
    auto p = std::make_unique<Project>();
    buildDensestLoop(*p, kDensestLoop);
    buildDensestFanOutLoop(*p, kFanOutLoop);
    return p;
  }();
  return *project;
}

void report(benchmark::State& state, const RouteSummary& s) {
  state.counters["calls"] = s.calls();
  state.counters["routed"] = s.routed();
  state.counters["no_way"] = s.byCode[kWegNoPath];
}

// BildeWireArray alone, on a field that holds the module areas (copying it
// back costs about a microsecond per iteration).
void BM_RouterWireArray(benchmark::State& state, RouterKind kind, int loop) {
  const Project& p = denseProject();
  TWiring wiring(kind);
  WireField modules;
  BildeBelegung(p, loop, modules);
  WireField field;
  RouteSummary summary;
  for (auto _ : state) {
    field = modules;
    summary = BildeWireArray(p, loop, field, wiring);
    benchmark::DoNotOptimize(field);
  }
  report(state, summary);
}

void BM_RouterRebuild(benchmark::State& state, int loop) {
  const Project& p = denseProject();
  TWiring wiring(RouterKind::Fast);
  WireField field;
  RouteSummary summary;
  for (auto _ : state) {
    BildeBelegung(p, loop, field);
    summary = BildeWireArray(p, loop, field, wiring);
    benchmark::DoNotOptimize(field);
  }
  report(state, summary);
}

BENCHMARK_CAPTURE(BM_RouterWireArray, densest_fast, RouterKind::Fast, kDensestLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RouterWireArray, densest_literal, RouterKind::Literal, kDensestLoop)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RouterWireArray, fanout_fast, RouterKind::Fast, kFanOutLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RouterWireArray, fanout_literal, RouterKind::Literal, kFanOutLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RouterRebuild, densest, kDensestLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RouterRebuild, fanout, kFanOutLoop)->Unit(benchmark::kMicrosecond);

} // namespace
