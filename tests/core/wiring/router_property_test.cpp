// The fast router must lay every line exactly as the literal one does.
// Random loops built by the editor's rules; a fresh seed on every run,
// printed, and taken from VELTRA_ROUTER_SEED when that is set.

#include "wiring/loop_wiring.h"

#include "core/wiring/field_compare.h"
#include "core/wiring/loop_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <string>

namespace veltra::core {
namespace {

using testing::LoopShape;
using testing::uniform;

std::uint64_t runSeed() {
  if (const char* env = std::getenv("VELTRA_ROUTER_SEED"); env != nullptr && *env != '\0')
    return std::stoull(env, nullptr, 0);
  std::random_device rd;
  return (static_cast<std::uint64_t>(rd()) << 32) ^ rd();
}

// Loops of varying density, kept moderate: the literal router's cost grows
// with the square of the area a search covers, so the crowded loops are the
// benchmark's business. Three kinds:
// - most are small loops with short, mostly near connections;
// - some have walls of modules in every other column, with holes now and
//   then: lines to far destinations fail inside their channel again and
//   again, which is what the fast router's memory of failed searches is for;
// - a few are fuller loops with enclosed empty cells and longer lines.
LoopShape randomShape(std::mt19937_64& rng, int run) {
  LoopShape s;
  const int kind = run % 20;
  if (kind < 15) {
    s.modules = uniform(rng, 2, 16);
    s.analogConnections = uniform(rng, 0, 4);
    s.digitalConnections = uniform(rng, 0, 4);
    s.nearness = uniform(rng, 2, 6);
  } else if (kind < 18) {
    s.wallColumns = uniform(rng, 7, 8);
    s.wallHolePerMille = uniform(rng, 0, 2) * 30;
    s.modules = uniform(rng, 0, 6);
    s.analogConnections = uniform(rng, 0, 4);
    s.digitalConnections = uniform(rng, 0, 4);
    s.nearness = uniform(rng, 1, 2);
  } else {
    s.modules = uniform(rng, 20, 30);
    s.analogConnections = uniform(rng, 0, 5);
    s.digitalConnections = uniform(rng, 0, 5);
    s.nearness = uniform(rng, 3, 8);
  }
  s.maxDests = uniform(rng, 1, 20);
  s.doubledPerMille = uniform(rng, 0, 1) * 30;
  s.gapPerMille = uniform(rng, 0, 1) * 100;
  return s;
}

// Sub-cells where two different connections cross.
int crossings(const WireField& f) {
  int n = 0;
  for (int i = 0; i < kFieldSize; ++i)
    for (int j = 0; j < kFieldSize; ++j) {
      const TWireCell& c = f.at(i, j);
      if (c.left != 0 && c.left == c.right && c.top != 0 && c.top == c.bottom && c.left != c.top) ++n;
    }
  return n;
}

TEST(RouterProperty, FastAndLiteralLayTheSameLines) {
  const std::uint64_t seed = runSeed();
  std::cout << "VELTRA_ROUTER_SEED=" << seed << std::endl;
  ::testing::Test::RecordProperty("VELTRA_ROUTER_SEED", std::to_string(seed));

  auto project = std::make_unique<Project>();
  TWiring fast(RouterKind::Fast), literal(RouterKind::Literal);
  WireField fastField, literalField;
  RouteSummary total;
  int crossed = 0, digital = 0;
  constexpr int kRuns = 2000;
  for (int run = 0; run < kRuns; ++run) {
    const std::uint64_t loopSeed = seed + static_cast<std::uint64_t>(run);
    std::mt19937_64 rng(loopSeed);
    const int loop = 1 + run % kLoops;
    testing::generateLoop(*project, loop, rng, randomShape(rng, run));

    BildeBelegung(*project, loop, fastField);
    BildeBelegung(*project, loop, literalField);
    const RouteSummary f = BildeWireArray(*project, loop, fastField, fast);
    const RouteSummary l = BildeWireArray(*project, loop, literalField, literal);
    ASSERT_EQ(f.byCode, l.byCode) << "run " << run << ", seed " << seed;
    ASSERT_TRUE(testing::sameField(fastField, literalField)) << "run " << run << ", seed " << seed;
    // Routing the loop again onto its own lines (as without BildeBelegung):
    // the failed searches now meet other connections' lines before their own.
    if (run % 20 < 15 && run % 5 == 0) {
      const RouteSummary f2 = BildeWireArray(*project, loop, fastField, fast);
      const RouteSummary l2 = BildeWireArray(*project, loop, literalField, literal);
      ASSERT_EQ(f2.byCode, l2.byCode) << "second pass, run " << run << ", seed " << seed;
      ASSERT_TRUE(testing::sameField(fastField, literalField)) << "second pass, run " << run << ", seed " << seed;
    }
    // One more line as the connect tool lays it, outside a batch.
    if (run % 2 == 0) {
      const int x1 = outputPointX(uniform(rng, 0, kCols - 1)), y1 = pointY(uniform(rng, 0, kRows - 1));
      const int x2 = inputPointX(uniform(rng, 1, kCols - 1)), y2 = pointY(uniform(rng, 0, kRows - 1));
      const auto id = static_cast<std::uint8_t>(uniform(rng, 1, 228));
      ASSERT_EQ(fast.FindeWeg(fastField, x1, y1, x2, y2, id), literal.FindeWeg(literalField, x1, y1, x2, y2, id))
          << "single line, run " << run << ", seed " << seed;
      ASSERT_TRUE(testing::sameField(fastField, literalField)) << "single line, run " << run << ", seed " << seed;
    }
    for (int code = 0; code <= kWegNoPath; ++code)
      total.byCode[static_cast<std::size_t>(code)] += f.byCode[static_cast<std::size_t>(code)];
    crossed += crossings(fastField) > 0 ? 1 : 0;
    for (int n = 1; n <= kWires; ++n)
      digital += project->YWires[static_cast<std::size_t>(loop)][static_cast<std::size_t>(n)].isFree() ? 0 : 1;
  }
  std::cout << "routed " << total.byCode[kWegOk] << ", refused by a check "
            << total.calls() - total.routed() - total.byCode[kWegNoPath] << ", no way " << total.byCode[kWegNoPath]
            << ", loops with crossings " << crossed << std::endl;
  // The run is only worth something if it saw every kind of outcome.
  EXPECT_GT(total.routed(), 3 * kRuns);
  EXPECT_GT(total.byCode[kWegNoPath], 0);
  EXPECT_GT(total.byCode[kWegTargetTaken], 0);
  EXPECT_GT(crossed, kRuns / 10);
  EXPECT_GT(digital, kRuns);
}

} // namespace
} // namespace veltra::core
