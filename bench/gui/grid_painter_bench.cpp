// ZeichneAlles on the densest loop (every port in use, lines crossing in
// every channel): with the decoded bitmaps kept between redraws, and with
// every symbol and tile read from its file at every redraw.
//
//   veltra_gui_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "bench/dense_loops.h"

#include "core/app/settings.h"
#include "core/wiring/loop_wiring.h"
#include "gui/editor/bitmap_cache.h"
#include "gui/editor/grid_painter.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace veltra;

struct DenseScene {
  std::unique_ptr<core::Project> project = std::make_unique<core::Project>();
  std::unique_ptr<core::WireField> field = std::make_unique<core::WireField>();
  QString programDir = QStringLiteral(VELTRA_PROGRAM_DIR);
  QString designDir;

  DenseScene() {
    bench::buildDensestLoop(*project, 1);
    core::TWiring wiring;
    core::BildeBelegung(*project, 1, *field);
    core::BildeWireArray(*project, 1, *field, wiring);
    core::Settings s = core::loadSettings(programDir.toStdString());
    designDir = QString::fromStdString(core::designDir(s).string());
  }
};

const DenseScene& scene() {
  static const DenseScene s;
  return s;
}

void BM_ZeichneAlles(benchmark::State& state, bool caching) {
  const DenseScene& s = scene();
  gui::BitmapCache cache;
  cache.setCaching(caching);
  int errors = 0;
  cache.setErrorHandler([&errors](const QString&) { ++errors; });
  gui::GridPainter painter(cache);
  painter.setFolders(s.programDir, s.designDir);
  QImage image = gui::GridPainter::newImage();
  painter.ZeichneAlles(image, *s.project, 1, *s.field, {}); // warm: fonts, first decode
  int tiles = 0;
  for (int i = 0; i < core::kFieldSize; ++i)
    for (int j = 0; j < core::kFieldSize; ++j)
      tiles += (*s.field)[i][j].state == core::kWire ? 1 : 0;
  for (auto _ : state) {
    painter.ZeichneAlles(image, *s.project, 1, *s.field, {});
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["tiles"] = tiles;
  if (errors != 0) state.SkipWithError("missing bitmaps in the program folder");
}

BENCHMARK_CAPTURE(BM_ZeichneAlles, cached, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ZeichneAlles, from_files, false)->Unit(benchmark::kMicrosecond);

} // namespace
