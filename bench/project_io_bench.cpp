// Loading and saving the largest possible project, next to reading and
// writing the same number of bytes with plain buffered file I/O. The file
// formats should cost at most twice the plain I/O.
#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/modules/catalogue.h"
#include "core/persist/project_file_set.h"
#include "core/persist/project_loader.h"
#include "core/persist/signal_lists.h"
#include "core/persist/vtp_writer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace veltra::core;
namespace fs = std::filesystem;

const fs::path kProgramDir = VELTRA_PROGRAM_DIR;
constexpr const char* kSets[] = {".vtr", ".uhr", ".desc", ".txl", ".vtp"};

// Places a module at every spot the placement rules leave free, cycling
// through the module types so that every letter occurs.
std::vector<std::pair<int, int>> fillLoop(Project& p, int loop) {
  std::vector<std::pair<int, int>> rows; // every cell of every module
  int next = loop;
  for (int col = 0; col < kCols; ++col)
    for (int row = 0; row < kRows; ++row)
      for (int k = 0; k < 26; ++k) {
        const char letter = static_cast<char>('A' + (next + k) % 26);
        if (!placeModule(p, loop, col, row, letter)) continue;
        createModuleDefaults(p, p.cell(loop, col, row));
        for (int h = 0; h < moduleType(letter)->height; ++h)
          rows.emplace_back(col, row + h);
        ++next;
        break;
      }
  return rows;
}

// Every analog and digital connection used, each with several destinations.
void connectLoop(Project& p, int loop, const std::vector<std::pair<int, int>>& cells) {
  const int n = static_cast<int>(cells.size());
  for (int w = 1; w <= kWires; ++w)
    for (int d = 1; d <= 4; ++d) {
      const auto [sc, sr] = cells[(w - 1) % n];
      const auto [dc, dr] = cells[(w - 1 + d) % n];
      addDestination(p, loop, true, w, sc, sr, dc, dr);
      addDestination(p, loop, false, w, sc, sr, dc, dr);
    }
}

std::unique_ptr<Project> largestProject() {
  auto p = std::make_unique<Project>();
  p->InitRKreise(readSignalDefaults(kProgramDir));
  for (int loop = 1; loop <= kLoops; ++loop) {
    connectLoop(*p, loop, fillLoop(*p, loop));
    p->LoopText[loop] = std::string(1000, 'b') + std::to_string(loop);
    p->LoopSampleTime[loop] = 10 * loop;
    for (int row = 0; row < kRows; ++row)
      p->TextList.push_back("Anlage " + std::to_string(loop) +
                            "|Zeile|Text=" + std::to_string(loop * 10000 + 7 * 100 + row));
  }
  for (SignalGroup g : kAllGroups)
    for (TSignalText& t : p->SignalDesc.group(g))
      t.assign("Beschreibung mit 21 Z");
  return p;
}

struct Fixture {
  fs::path dir;
  std::unique_ptr<Project> project = largestProject();
  std::size_t loadBytes = 0;
  std::size_t saveBytes = 0;

  Fixture() {
    std::string tmpl = (fs::temp_directory_path() / "veltra-bench-XXXXXX").string();
    dir = mkdtemp(tmpl.data());
    saveProject(*project, dir / "gross.vtr");
    saveProjectData(project->ProjectData, dir / "gross.vtp");
    for (const char* ext : kSets)
      loadBytes += fs::file_size(dir / (std::string("gross") + ext));
    saveBytes = loadBytes - fs::file_size(dir / "gross.vtp");
    writePlain(dir / "plain.bin", std::string(loadBytes, 'x'));
  }
  ~Fixture() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  static void writePlain(const fs::path& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
    std::fclose(f);
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

// Loading as the program does it: the project that a load replaces is the
// storage of the next load.
void BM_LoadProject(benchmark::State& state) {
  Fixture& f = fixture();
  ProjectLoader loader;
  for (auto _ : state) {
    LoadedProject loaded = loader.load(*f.project, kProgramDir, f.dir / "gross.vtr");
    benchmark::DoNotOptimize(loaded.project.get());
    loader.recycle(std::move(loaded.project));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.loadBytes));
  state.counters["file_bytes"] = static_cast<double>(f.loadBytes);
}

// The first load of a session, into a new project.
void BM_LoadProjectFresh(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    LoadedProject loaded = loadProject(*f.project, kProgramDir, f.dir / "gross.vtr");
    benchmark::DoNotOptimize(loaded.project.get());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.loadBytes));
}

void BM_PlainRead(benchmark::State& state) {
  Fixture& f = fixture();
  const fs::path path = f.dir / "plain.bin";
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::unique_ptr<char[]> buffer(new char[f.loadBytes]);
    if (std::fread(buffer.get(), 1, f.loadBytes, file) != f.loadBytes) std::abort();
    std::fclose(file);
    benchmark::DoNotOptimize(buffer.get());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.loadBytes));
}

// The same bytes read the way a plain program reads a file through a stdio
// stream: block after block through the stream's own buffer.
void BM_PlainReadStream(benchmark::State& state) {
  Fixture& f = fixture();
  const fs::path path = f.dir / "plain.bin";
  std::vector<char> block(4096);
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::size_t total = 0, n = 0;
    while ((n = std::fread(block.data(), 1, block.size(), file)) > 0) {
      total += n;
      benchmark::DoNotOptimize(block.data());
    }
    std::fclose(file);
    if (total != f.loadBytes) std::abort();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.loadBytes));
}

void BM_SaveProject(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state)
    saveProject(*f.project, f.dir / "kopie.vtr");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.saveBytes));
}

void BM_PlainWrite(benchmark::State& state) {
  Fixture& f = fixture();
  const std::string bytes(f.saveBytes, 'y');
  for (auto _ : state)
    Fixture::writePlain(f.dir / "plain_out.bin", bytes);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.saveBytes));
}

// The floor under any load: a new project with its 15 MB of tables.
void BM_NewProject(benchmark::State& state) {
  for (auto _ : state) {
    auto p = std::make_unique<Project>();
    benchmark::DoNotOptimize(p.get());
  }
}

BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProjectFresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewProject)->Unit(benchmark::kMillisecond);

} // namespace
