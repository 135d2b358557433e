// One tick of the online link on the densest loop: the redraw with a live
// value beside every module and the five measurement rows appended to their
// day files. Beside it, the same five rows' bytes appended by plain fwrite,
// the floor of what writing them costs.
//
//   veltra_gui_bench --benchmark_filter='Tick|Rows' --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "bench/dense_loops.h"

#include "core/app/settings.h"
#include "core/online/in_process_blocks.h"
#include "core/online/measurement_recorder.h"
#include "core/wiring/loop_wiring.h"
#include "gui/editor/bitmap_cache.h"
#include "gui/editor/grid_painter.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

using namespace veltra;
namespace fs = std::filesystem;

// The densest loop and a block full of measured-looking values: doubles of
// full precision (the slow path of the number text), every other bit on.
struct OnlineScene {
  std::unique_ptr<core::Project> project = std::make_unique<core::Project>();
  std::unique_ptr<core::WireField> field = std::make_unique<core::WireField>();
  core::InProcessBlocks blocks;
  core::ServerBlock block;
  QString programDir = QStringLiteral(VELTRA_PROGRAM_DIR);
  QString designDir;
  fs::path folder = fs::temp_directory_path() / ("veltra_bench_rows_" + std::to_string(::getpid()));

  OnlineScene() {
    bench::buildDensestLoop(*project, 1);
    core::TWiring wiring;
    core::BildeBelegung(*project, 1, *field);
    core::BildeWireArray(*project, 1, *field, wiring);
    designDir = QString::fromStdString(core::designDir(core::loadSettings(programDir.toStdString())).string());
    block = blocks.create(core::kDefaultBlockName);
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> value(-50.0, 150.0);
    for (const core::BlockAreaLayout& l : core::kBlockLayout)
      for (int n = l.first; n <= l.last; ++n)
        if (l.element == core::BlockElement::Double)
          block.setAnalog(l.area, n, value(rng));
        else if (l.element == core::BlockElement::Bit)
          block.setBit(l.area, n, n % 2 == 1);
    fs::create_directories(folder);
  }
  ~OnlineScene() { fs::remove_all(folder); }
  // Appending for ever would measure the file system's growth.
  void emptyFolder(benchmark::State& state) {
    state.PauseTiming();
    for (const auto& e : fs::directory_iterator(folder))
      fs::remove(e.path());
    state.ResumeTiming();
  }
};

OnlineScene& scene() {
  static OnlineScene s;
  return s;
}

const core::FixedClock& clock() {
  static const core::FixedClock c(core::makeLocalDateTime(2026, 12, 5, 10, 1, 0));
  return c;
}

void BM_LinkTick(benchmark::State& state) {
  OnlineScene& s = scene();
  gui::BitmapCache cache;
  gui::GridPainter painter(cache);
  painter.setFolders(s.programDir, s.designDir);
  QImage image = gui::GridPainter::newImage();
  gui::GridScene live;
  live.liveBlock = &s.block;
  core::MeasurementRecorder recorder(clock());
  recorder.setFolder(s.folder);
  painter.ZeichneAlles(image, *s.project, 1, *s.field, live);
  std::int64_t n = 0;
  for (auto _ : state) {
    painter.ZeichneAlles(image, *s.project, 1, *s.field, live);
    if (!recorder.writeTick(s.block).written) state.SkipWithError("rows not written");
    benchmark::DoNotOptimize(image.constBits());
    if (++n % 1000 == 0) s.emptyFolder(state);
  }
}

void BM_RecorderRows(benchmark::State& state) {
  OnlineScene& s = scene();
  core::MeasurementRecorder recorder(clock());
  recorder.setFolder(s.folder);
  std::int64_t n = 0, bytes = 0;
  for (auto _ : state) {
    if (!recorder.writeTick(s.block).written) state.SkipWithError("rows not written");
    if (++n % 1000 == 0) s.emptyFolder(state);
  }
  for (const core::MeasureGroup& g : core::kRecordedGroups) {
    std::string row;
    core::appendMeasureRow(row, s.block, g, "10:01:00");
    bytes += static_cast<std::int64_t>(row.size());
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}

// The same bytes, made beforehand, each row opened, appended and closed.
void BM_PlainFwriteRows(benchmark::State& state) {
  OnlineScene& s = scene();
  std::vector<std::pair<std::string, std::string>> files;
  std::int64_t bytes = 0;
  for (const core::MeasureGroup& g : core::kRecordedGroups) {
    std::string row;
    core::appendMeasureRow(row, s.block, g, "10:01:00");
    bytes += static_cast<std::int64_t>(row.size());
    files.emplace_back((s.folder / core::dayFileName(g.prefix, "05.12.2026")).string(), std::move(row));
  }
  std::int64_t n = 0;
  for (auto _ : state) {
    for (const auto& [name, row] : files) {
      std::FILE* f = std::fopen(name.c_str(), "ab");
      if (f == nullptr || std::fwrite(row.data(), 1, row.size(), f) != row.size()) state.SkipWithError("fwrite");
      if (f != nullptr) std::fclose(f);
    }
    if (++n % 1000 == 0) s.emptyFolder(state);
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}

BENCHMARK(BM_LinkTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecorderRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainFwriteRows)->Unit(benchmark::kMicrosecond);

} // namespace
