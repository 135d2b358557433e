// Activation of the graph window: the signal tree of 11,008 signals rebuilt
// with the window shown, as at every opening.
//
//   veltra_gui_bench --benchmark_filter=GraphWindow

#include "core/model/project.h"
#include "core/persist/signal_lists.h"
#include "gui/app/ui_services.h"
#include "gui/online/graph_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace veltra;

void BM_GraphWindowActivate(benchmark::State& state) {
  auto project = std::make_unique<core::Project>();
  project->InitRKreise(core::readSignalDefaults(VELTRA_PROGRAM_DIR));
  gui::QtUiServices ui;
  gui::GraphWindow window([&]() -> const core::Project& { return *project; }, ui);
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    window.FormActivate();
    QApplication::processEvents();
  }
  window.hide();
}
BENCHMARK(BM_GraphWindowActivate)->Unit(benchmark::kMicrosecond);

} // namespace
