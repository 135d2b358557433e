// Undo history and project comparison: memory per step of the common
// edits, the time one edit takes to record (a look over the whole project),
// undoing a block delete of a whole loop, and diff of two largest projects.

#include "bench/dense_loops.h"
#include "core/compare/project_compare.h"
#include "core/history/edit_history.h"
#include "core/model/module_ops.h"
#include "core/wiring/loop_wiring.h"
#include "core/wiring/wiring.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace veltra::core;

// Every loop as dense as the placement rules allow, but the last: it holds
// an E at (1, 2) and an A at (3, 2), not connected, for the edits that need
// room.
constexpr int kRoomy = kLoops;

std::unique_ptr<Project> largestProject() {
  auto p = std::make_unique<Project>();
  for (int loop = 1; loop < kLoops; ++loop)
    veltra::bench::buildDensestLoop(*p, loop);
  for (auto [c, letter] : {std::pair{1, 'E'}, {3, 'A'}}) {
    placeModule(*p, kRoomy, c, 2, letter);
    createModuleDefaults(*p, p->cell(kRoomy, c, 2));
  }
  return p;
}

enum EditKind { kPlace, kMove, kConnect, kParameter, kBlockDelete };

// One common edit, recorded as one step.
void edit(Project& p, EditHistory& h, EditKind kind) {
  EditScope scope(&h, "bench");
  p.CurrentLoop = kind == kBlockDelete || kind == kParameter ? 1 : kRoomy;
  switch (kind) {
  case kPlace:
    placeModule(p, kRoomy, 7, 5, 'R');
    createModuleDefaults(p, p.cell(kRoomy, 7, 5));
    break;
  case kMove: {
    const TCell moved = p.cell(kRoomy, 3, 2);
    moveModule(p, kRoomy, &moved, 1, 3, 2, 3, 6);
    break;
  }
  case kConnect:
    addDestination(p, kRoomy, true, 1, 1, 2, 3, 2);
    break;
  case kParameter:
    p.cell(1, 2, 0).setF64(0, 42.0);
    break;
  case kBlockDelete: // a whole dense loop
    for (int c = 0; c < kCols; ++c)
      for (int r = 0; r < kRows; ++r)
        if (p.cell(1, c, r).part == 1 && !p.cell(1, c, r).isEmpty()) deleteModule(p, 1, c, r);
    break;
  }
}

void BM_StepMemory(benchmark::State& state) {
  const auto kind = static_cast<EditKind>(state.range(0));
  auto p = largestProject();
  EditHistory h(*p);
  std::size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    h.reset(*p);
    state.ResumeTiming();
    edit(*p, h, kind);
    bytes = h.bytes();
    state.PauseTiming();
    h.undo();
    state.ResumeTiming();
  }
  state.counters["bytes_per_step"] = static_cast<double>(bytes);
  const char* names[] = {"place", "move", "connect", "parameter", "block_delete_loop"};
  state.SetLabel(names[kind]);
}
BENCHMARK(BM_StepMemory)->DenseRange(kPlace, kBlockDelete)->Unit(benchmark::kMillisecond)->Iterations(20);

// Undoing a block delete of a whole dense loop, with the rebuild that follows.
void BM_UndoBlockDeleteOfWholeLoop(benchmark::State& state) {
  auto p = largestProject();
  EditHistory h(*p);
  edit(*p, h, kBlockDelete);
  WireField field;
  TWiring router;
  for (auto _ : state) {
    h.undo();
    BildeBelegung(*p, 1, field);
    BildeWireArray(*p, 1, field, router);
    benchmark::DoNotOptimize(field);
    state.PauseTiming();
    h.redo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoBlockDeleteOfWholeLoop)->Unit(benchmark::kMillisecond);

// The undo alone, without the router.
void BM_UndoBlockDeleteModelOnly(benchmark::State& state) {
  auto p = largestProject();
  EditHistory h(*p);
  edit(*p, h, kBlockDelete);
  for (auto _ : state) {
    h.undo();
    h.redo();
  }
  state.SetLabel("undo + redo");
}
BENCHMARK(BM_UndoBlockDeleteModelOnly)->Unit(benchmark::kMicrosecond);

// What every click costs: an edit that changes one value, recorded by
// looking over the whole largest project.
void BM_RecordOneEdit(benchmark::State& state) {
  auto p = largestProject();
  EditHistory h(*p);
  double v = 0;
  for (auto _ : state) {
    EditScope scope(&h, "bench");
    p->cell(1, 2, 0).setF64(0, ++v);
  }
}
BENCHMARK(BM_RecordOneEdit)->Unit(benchmark::kMillisecond);

// An edit that changes nothing (a click that places nothing).
void BM_RecordNoChange(benchmark::State& state) {
  auto p = largestProject();
  EditHistory h(*p);
  for (auto _ : state) {
    EditScope scope(&h, "bench");
  }
}
BENCHMARK(BM_RecordNoChange)->Unit(benchmark::kMillisecond);

// diff of two largest projects (all 200 loops), with one change per loop.
void BM_DiffLargestProjects(benchmark::State& state) {
  auto a = largestProject();
  veltra::bench::buildDensestLoop(*a, kRoomy);
  auto b = std::make_unique<Project>(*a);
  for (int loop = 1; loop <= kLoops; ++loop)
    b->cell(loop, 2, 0).setF64(0, loop);
  std::size_t n = 0;
  for (auto _ : state) {
    auto diffs = compareProjects(*a, *b);
    n = diffs.size();
    benchmark::DoNotOptimize(diffs);
  }
  state.counters["differences"] = static_cast<double>(n);
}
BENCHMARK(BM_DiffLargestProjects)->Unit(benchmark::kMillisecond);

} // namespace
