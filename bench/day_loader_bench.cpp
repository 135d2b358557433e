// Loading one full day of all eight groups at a 60 s interval (1,440 rows;
// V with 9,216 columns, about 100 MB), and beside it in the same run pandas
// reading the same files with read_csv(sep=";", header=None). Counters: MB/s,
// the heap held after the load over the bytes of the values kept
// (mem_ratio), and for pandas the resident growth of its process.
//
//   veltra_bench --benchmark_filter=Day --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

#include "core/online/day_loader.h"
#include "core/online/measure_files.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <malloc.h>
#include <random>
#include <string>

namespace {

using namespace veltra;
namespace fs = std::filesystem;

// The files of 5 December 2026: analog groups in our recorder's decimal
// form, V in hundredths as older recordings hold it, bits 0 / 1.
struct DayFiles {
  fs::path dir = fs::temp_directory_path() / "veltra_day_bench";
  std::uint64_t bytes = 0;

  DayFiles() {
    fs::create_directories(dir);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> hundredths(-5000, 15000);
    for (const core::DayGroupInfo& g : core::kDayGroups) {
      const fs::path p = dir / core::dayFileName(g.prefix, "05.12.2026");
      if (!fs::exists(p)) {
        std::string text;
        for (int r = 0; r < 1440; ++r) {
          char time[16];
          std::snprintf(time, sizeof time, "%02d:%02d:00", r / 60, r % 60);
          text += time;
          for (int n = 1; n <= g.signalCount; ++n) {
            text += ';';
            const int v = hundredths(rng);
            if (g.bits)
              text += (v & 1) ? '1' : '0';
            else if (g.letter == 'V')
              text += std::to_string(v);
            else
              core::appendMeasureValue(text, v / 100.0);
          }
          text += "\r\n";
        }
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
      }
      bytes += fs::file_size(p);
    }
  }
  fs::path chosen() const { return dir / "A_05.12.2026.csv"; }
};

const DayFiles& dayFiles() {
  static const DayFiles files;
  return files;
}

void BM_DayLoad(benchmark::State& state) {
  const DayFiles& files = dayFiles();
  const core::DayLoadOptions options;
  double ratio = 0, kept = 0;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    core::DayMeasurement m;
    const core::DayLoadResult r = core::loadDay(files.chosen(), options, m);
    if (!r.message.empty()) state.SkipWithError(r.message.c_str());
    const std::size_t held = mallinfo2().uordblks - before;
    std::size_t values = 0;
    for (std::size_t g = 0; g < core::kDayGroups.size(); ++g)
      values += m.group(g).rows() * static_cast<std::size_t>(m.group(g).columns()) * sizeof(double);
    ratio = static_cast<double>(held) / static_cast<double>(values);
    kept = static_cast<double>(values) / 1e6;
    benchmark::DoNotOptimize(m);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.bytes));
  state.counters["file_MB"] = static_cast<double>(files.bytes) / 1e6;
  state.counters["kept_MB"] = kept;
  state.counters["mem_ratio"] = ratio;
}
BENCHMARK(BM_DayLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

// pandas in its own process, timed inside it (its import is not counted).
void BM_DayLoadPandas(benchmark::State& state) {
  const DayFiles& files = dayFiles();
  const std::string script =
      "import sys,time,resource\n"
      "import pandas as pd\n"
      "names=['E_','A_','H_','I_','Q_','M_','V_','F_']\n"
      "r0=resource.getrusage(resource.RUSAGE_SELF).ru_maxrss\n"
      "t=time.perf_counter()\n"
      "frames=[pd.read_csv(sys.argv[1]+'/'+n+'05.12.2026.csv',sep=';',header=None) for n in names]\n"
      "d=time.perf_counter()-t\n"
      "r1=resource.getrusage(resource.RUSAGE_SELF).ru_maxrss\n"
      "print(d,(r1-r0)*1024)\n";
  const fs::path scriptFile = files.dir / "read.py";
  if (std::FILE* f = std::fopen(scriptFile.c_str(), "wb")) {
    std::fwrite(script.data(), 1, script.size(), f);
    std::fclose(f);
  }
  double rss = 0;
  for (auto _ : state) {
    // The Debian interpreter, which has the package; another python3 may come first on PATH.
    const std::string cmd = "/usr/bin/python3 " + scriptFile.string() + " " + files.dir.string();
    std::FILE* p = popen(cmd.c_str(), "r");
    double seconds = -1, grown = 0;
    if (p == nullptr || std::fscanf(p, "%lf %lf", &seconds, &grown) != 2) seconds = -1;
    if (p != nullptr) pclose(p);
    if (seconds < 0) {
      state.SkipWithError("python3 with pandas is not installed (scripts/setup)");
      break;
    }
    state.SetIterationTime(seconds);
    rss = grown;
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.bytes));
  state.counters["rss_MB"] = rss / 1e6;
}
BENCHMARK(BM_DayLoadPandas)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

} // namespace
