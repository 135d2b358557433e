// The chart's data: appending points in x order, and writing and reading a
// chart file of 16 series of 100,000 points next to plain fwrite / fread of
// the same bytes.
//
//   veltra_bench --benchmark_filter=Chart
#include "core/chart/gra_file.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace veltra::core;
namespace fs = std::filesystem;

// Without and with room reserved: growing the arrays costs page faults and
// copies, the appending itself a few nanoseconds.
void BM_ChartAppendInOrder(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    ChartModel chart;
    TSeries& s = chart.Series(1);
    if (state.range(1) != 0) s.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
      s.Add(46000 + static_cast<double>(i) / 86400, static_cast<double>(i % 1000));
    benchmark::DoNotOptimize(s.count());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}
BENCHMARK(BM_ChartAppendInOrder)->Args({10'000'000, 0})->Args({10'000'000, 1})->Unit(benchmark::kMillisecond);

// 16 curves of a day and more at one-second steps.
const ChartModel& fileChart() {
  static const ChartModel chart = [] {
    ChartModel c;
    for (int s = 1; s <= 16; ++s) {
      TSeries& series = c.Series(s);
      series.Name = "Kurve " + std::to_string(s);
      for (int i = 0; i < 100'000; ++i)
        series.Add(46000 + i / 86400.0, 20 + 10 * std::sin(i * 0.001 * s));
    }
    return c;
  }();
  return chart;
}

const fs::path kFile = fs::temp_directory_path() / "veltra_chart_bench.gra";
const fs::path kPlain = fs::temp_directory_path() / "veltra_chart_bench.bin";

void BM_ChartFileWrite(benchmark::State& state) {
  const ChartModel& chart = fileChart();
  for (auto _ : state)
    saveChartFile(chart, kFile, 1);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(kFile)));
}
BENCHMARK(BM_ChartFileWrite)->Unit(benchmark::kMillisecond);

void BM_ChartFilePlainFwrite(benchmark::State& state) {
  const std::string image = chartFileImage(fileChart(), 1);
  for (auto _ : state) {
    std::FILE* f = std::fopen(kPlain.c_str(), "wb");
    std::fwrite(image.data(), 1, image.size(), f);
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}
BENCHMARK(BM_ChartFilePlainFwrite)->Unit(benchmark::kMillisecond);

void BM_ChartFileRead(benchmark::State& state) {
  saveChartFile(fileChart(), kFile, 1);
  for (auto _ : state) {
    const ChartModel chart = loadChartFile(kFile);
    benchmark::DoNotOptimize(chart.seriesCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(kFile)));
}
BENCHMARK(BM_ChartFileRead)->Unit(benchmark::kMillisecond);

void BM_ChartFilePlainFread(benchmark::State& state) {
  const std::string image = chartFileImage(fileChart(), 1);
  {
    std::FILE* f = std::fopen(kPlain.c_str(), "wb");
    std::fwrite(image.data(), 1, image.size(), f);
    std::fclose(f);
  }
  for (auto _ : state) {
    // Into new memory, as a reader must.
    std::string buffer(image.size(), '\0');
    std::FILE* f = std::fopen(kPlain.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}
BENCHMARK(BM_ChartFilePlainFread)->Unit(benchmark::kMillisecond);

} // namespace
