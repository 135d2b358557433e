// Printing all loops of the largest project (200 loops each as dense as the
// placement rules allow) to a PDF: the layout with the real font, the
// drawing alone, and the whole job; pages and file size as counters.
//
//   veltra_gui_bench --benchmark_filter=Print

#include "bench/dense_loops.h"

#include "core/app/settings.h"
#include "gui/editor/bitmap_cache.h"
#include "gui/print/print_job.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace veltra;

struct LargestProject {
  std::unique_ptr<core::Project> project = std::make_unique<core::Project>();
  gui::BitmapCache cache;
  std::unique_ptr<gui::PrintJob> job;
  core::PrintOptions options;
  QString pdf = QDir::temp().filePath(QStringLiteral("veltra_print_bench.pdf"));

  LargestProject() {
    project->resetLoops();
    for (int loop = 1; loop <= core::kLoops; ++loop)
      bench::buildDensestLoop(*project, loop);
    const core::Settings s = core::loadSettings(VELTRA_PROGRAM_DIR);
    job = std::make_unique<gui::PrintJob>(*project, cache, QStringLiteral(VELTRA_PROGRAM_DIR),
                                          QString::fromStdString(core::designDir(s).string()));
    options.connections = options.contents = true;
  }
};

LargestProject& largest() {
  static LargestProject p;
  return p;
}

void counters(benchmark::State& state, const core::Report& report, const QString& pdf) {
  state.counters["pages"] = static_cast<double>(report.pages.size());
  state.counters["MB"] = static_cast<double>(QFileInfo(pdf).size()) / 1e6;
}

void BM_PrintLayoutWithTheRealFont(benchmark::State& state) {
  LargestProject& p = largest();
  std::size_t pages = 0;
  for (auto _ : state)
    pages = p.job->layOut(p.options, gui::PrintJob::defaultLayout()).pages.size();
  state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_PrintLayoutWithTheRealFont)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PrintDrawingToPdf(benchmark::State& state) {
  LargestProject& p = largest();
  const core::Report report = p.job->layOut(p.options, gui::PrintJob::defaultLayout());
  for (auto _ : state)
    p.job->writePdf(p.pdf, report, gui::PrintJob::defaultLayout());
  counters(state, report, p.pdf);
}
BENCHMARK(BM_PrintDrawingToPdf)->Unit(benchmark::kSecond)->Iterations(2);

void BM_PrintWholeJobToPdf(benchmark::State& state) {
  LargestProject& p = largest();
  core::Report report;
  for (auto _ : state) {
    report = p.job->layOut(p.options, gui::PrintJob::defaultLayout());
    p.job->writePdf(p.pdf, report, gui::PrintJob::defaultLayout());
  }
  counters(state, report, p.pdf);
}
BENCHMARK(BM_PrintWholeJobToPdf)->Unit(benchmark::kSecond)->Iterations(2);

} // namespace
