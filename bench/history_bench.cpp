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

// Every loop as dense as the placement rules allow.
std::unique_ptr<Project> largestProject() {
  auto p = std::make_unique<Project>();
  for (int loop = 1; loop <= kLoops; ++loop)
    veltra::bench::buildDensestLoop(*p, loop);
  return p;
}

enum EditKind { kPlace, kMove, kConnect, kParameter, kBlockDelete };

// One common edit on loop 1 of the largest project, recorded as one step.
void edit(Project& p, EditHistory& h, EditKind kind) {
  EditScope scope(&h, "bench");
  p.CurrentLoop = 1;
  switch (kind) {
  case kPlace: // into a loop with room
    p.clearLoop(2);
    p.CurrentLoop = 2;
    placeModule(p, 2, 5, 5, 'R');
    createModuleDefaults(p, p.cell(2, 5, 5));
    break;
  case kMove: { // a module with an input and an output, one row down after clearing its target
    deleteModule(p, 2, 1);
    const TCell moved = p.cell(1, 2, 0);
    moveModule(p, 1, &moved, 1, 2, 0, 2, 1);
    break;
  }
  case kConnect: { // the output of (0, 0) to another input
    const int n = p.cell(1, 0, 0).XA;
    p.LoescheXA(n);
    addDestination(p, 1, true, n, 0, 0, 2, 14);
    break;
  }
  case kParameter:
    p.cell(1, 2, 0).setF64(0, 42.0);
    break;
  case kBlockDelete:
    for (int c = 0; c < kCols; ++c)
      for (int r = 0; r < kRows; ++r)
        if (p.cell(1, c, r).part == 1 && !p.cell(1, c, r).isEmpty()) deleteModule(p, c, r);
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
