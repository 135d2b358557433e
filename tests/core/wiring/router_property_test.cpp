// The fast router must lay every line exactly as the literal one does, on
// random loops; a fresh seed each run, printed, or VELTRA_ROUTER_SEED.

#include "core/wiring/loop_wiring.h"

#include "field_compare.h"
#include "loop_builder.h"

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

// Moderate loops (the literal router is slow): mostly small with near lines;
// some walled into channels, where far lines fail again and again (the fast
// router's memory of failed searches); a few fuller ones with longer lines.
LoopShape randomShape(std::mt19937_64& rng, int run) {
  LoopShape s;
  const int kind = run % 20;
  if (kind >= 15 && kind < 18) {
    s.wallColumns = uniform(rng, 7, 8);
    s.wallHolePerMille = uniform(rng, 0, 2) * 30;
  }
  s.modules = kind < 15 ? uniform(rng, 2, 16) : kind < 18 ? uniform(rng, 0, 6) : uniform(rng, 20, 30);
  const int maxConnections = kind < 18 ? 4 : 5;
  s.analogConnections = uniform(rng, 0, maxConnections);
  s.digitalConnections = uniform(rng, 0, maxConnections);
  s.nearness = kind < 15 ? uniform(rng, 2, 6) : kind < 18 ? uniform(rng, 1, 2) : uniform(rng, 3, 8);
  s.maxDests = uniform(rng, 1, 20);
  s.doubledPerMille = uniform(rng, 0, 1) * 30;
  s.gapPerMille = uniform(rng, 0, 1) * 100;
  return s;
}

bool hasCrossing(const WireField& f) {
  for (int i = 0; i < kFieldSize; ++i)
    for (int j = 0; j < kFieldSize; ++j) {
      const TWireCell& c = f.at(i, j);
      if (c.left != 0 && c.left == c.right && c.top != 0 && c.top == c.bottom && c.left != c.top) return true;
    }
  return false;
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
  auto same = [&](const RouteSummary& f, const RouteSummary& l, const char* what, int run) {
    ASSERT_EQ(f.byCode, l.byCode) << what << ", run " << run << ", seed " << seed;
    ASSERT_TRUE(testing::sameField(fastField, literalField)) << what << ", run " << run << ", seed " << seed;
  };
  for (int run = 0; run < kRuns; ++run) {
    std::mt19937_64 rng(seed + static_cast<std::uint64_t>(run));
    const int loop = 1 + run % kLoops;
    testing::generateLoop(*project, loop, rng, randomShape(rng, run));
    BildeBelegung(*project, loop, fastField);
    BildeBelegung(*project, loop, literalField);
    const RouteSummary f = BildeWireArray(*project, loop, fastField, fast);
    ASSERT_NO_FATAL_FAILURE(same(f, BildeWireArray(*project, loop, literalField, literal), "loop", run));
    // Routing again onto its own lines: failed searches now meet other lines first.
    if (run % 20 < 15 && run % 5 == 0) {
      ASSERT_NO_FATAL_FAILURE(same(BildeWireArray(*project, loop, fastField, fast),
                                   BildeWireArray(*project, loop, literalField, literal), "second pass", run));
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
    crossed += hasCrossing(fastField) ? 1 : 0;
    for (int n = 1; n <= kWires; ++n)
      digital += project->YWires[static_cast<std::size_t>(loop)][static_cast<std::size_t>(n)].isFree() ? 0 : 1;
  }
  // The run is only worth something if it saw every kind of outcome.
  EXPECT_GT(total.routed(), 3 * kRuns);
  EXPECT_GT(total.byCode[kWegNoPath], 0);
  EXPECT_GT(total.byCode[kWegTargetTaken], 0);
  EXPECT_GT(crossed, kRuns / 10);
  EXPECT_GT(digital, kRuns);
}

} // namespace
} // namespace veltra::core
