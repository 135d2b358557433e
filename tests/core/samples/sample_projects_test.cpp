#include "core/compiler/duplicate_outputs.h"
#include "core/compiler/module_table.h"
#include "core/persist/project_file_set.h"
#include "core/wiring/loop_wiring.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace veltra::core {
namespace {

// The sample a new user opens first must load, pass the checks, compile and
// draw every one of its lines.
TEST(SampleProjects, HeatingPlantLoadsCompilesAndRoutesEveryLine) {
  auto empty = std::make_unique<Project>();
  LoadedProject loaded =
      loadProject(*empty, VELTRA_PROGRAM_DIR, std::filesystem::path(VELTRA_SAMPLES_DIR) / "heizung" / "heizung.vtr");
  Project& p = *loaded.project;
  EXPECT_TRUE(loaded.hasProjectData);
  EXPECT_TRUE(DoppelAusgaengePruefen(p));
  auto table = std::make_unique<ModuleTable>();
  const CompileResult result = table->ErzeugeModulTabelle(p);
  EXPECT_TRUE(result.success);
  auto field = std::make_unique<WireField>();
  TWiring wiring;
  int loopsWithModules = 0;
  for (int loop = 1; loop <= kLoops; ++loop) {
    if (p.loopIsEmpty(loop)) continue;
    ++loopsWithModules;
    BildeBelegung(p, loop, *field);
    const RouteSummary s = BildeWireArray(p, loop, *field, wiring);
    EXPECT_EQ(s.routed(), s.calls()) << "loop " << loop;
  }
  EXPECT_GE(loopsWithModules, 4);
}

} // namespace
} // namespace veltra::core
