#include "core/simulation/noise_source.h"
#include "core/simulation/plant_model.h"
#include "core/simulation/plant_settings.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

struct Block {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kServerBlockSize, 0);
  ServerBlock view{bytes};
};

// The first numbers of SplitMix64 from seed 0 are fixed: the noise of a
// seed is the same on every machine.
TEST(NoiseSourceTest, IsSplitMix64) {
  NoiseSource n(0);
  EXPECT_EQ(n.next(), 0xE220A8397B1DCDAFULL);
  EXPECT_EQ(n.next(), 0x6E789E6AA1B965F4ULL);
  EXPECT_EQ(n.next(), 0x06C45D188009454FULL);
}

TEST(NoiseSourceTest, NormalHasMeanZeroAndDeviationOne) {
  NoiseSource n(42);
  double sum = 0, squares = 0, largest = 0;
  constexpr int kCount = 200000;
  for (int i = 0; i < kCount; ++i) {
    const double v = n.normal();
    sum += v;
    squares += v * v;
    largest = std::max(largest, std::fabs(v));
  }
  EXPECT_NEAR(sum / kCount, 0, 0.01);
  EXPECT_NEAR(std::sqrt(squares / kCount), 1, 0.01);
  EXPECT_LE(largest, 2 * std::sqrt(3.0));
  EXPECT_GT(largest, 2.5);
}

// A step of the source: the target holds its base for the dead time, then
// follows gain × (1 − exp(−t / T)).
TEST(PlantModelTest, StepResponseWithDeadTime) {
  Block b;
  OwnedSlots slots;
  PlantModel plant({PlantPath{BlockArea::A, 1, BlockArea::E, 1, 2.0, 10.0, 100.0, 5, 0.0}}, 1);
  b.view.setAnalog(BlockArea::A, 1, 1.0);
  std::vector<double> e;
  for (int s = 0; s < 400; ++s) {
    plant.step(b.view, slots);
    e.push_back(b.view.analog(BlockArea::E, 1).value());
  }
  for (int s = 0; s < 5; ++s)
    EXPECT_EQ(e[static_cast<std::size_t>(s)], 10.0) << s;
  // The source of step 0 arrives in step 5: after step 5 + k - 1, k seconds of lag.
  for (int k : {1, 50, 100, 300}) {
    const double want = 10.0 + 2.0 * (1 - std::exp(-k / 100.0));
    EXPECT_NEAR(e[static_cast<std::size_t>(4 + k)], want, 1e-12) << k;
  }
  EXPECT_NEAR(e[104], 10 + 2 * 0.6321205588, 1e-9) << "63 % after one time constant";
}

TEST(PlantModelTest, WithoutLagTheTargetFollowsAtOnceAndBitsSwitchAtOneHalf) {
  Block b;
  OwnedSlots slots;
  PlantModel plant({PlantPath{BlockArea::Q, 2, BlockArea::I, 4, 1.0, 0.0, 0.0, 2, 0.0},
                    PlantPath{BlockArea::H, 3, BlockArea::E, 2, -1.0, 0.0, 0.0, 0, 0.0}},
                   1);
  b.view.setBit(BlockArea::Q, 2, true);
  b.view.setAnalog(BlockArea::H, 3, 7.0);
  std::vector<bool> i;
  for (int s = 0; s < 4; ++s) {
    plant.step(b.view, slots);
    i.push_back(b.view.bit(BlockArea::I, 4).value());
  }
  EXPECT_EQ(i, (std::vector<bool>{false, false, true, true}));
  EXPECT_EQ(b.view.analog(BlockArea::E, 2).value(), -7.0);
}

TEST(PlantModelTest, NoiseIsSeededAndATakenOverTargetStaysTheTools) {
  auto run = [](std::uint64_t seed, bool takeOver) {
    Block b;
    OwnedSlots slots;
    PlantModel plant({PlantPath{BlockArea::A, 1, BlockArea::E, 1, 1.0, 50.0, 10.0, 0, 0.5}}, seed);
    std::vector<double> e;
    for (int s = 0; s < 50; ++s) {
      if (takeOver && s == 20) b.view.setAnalog(BlockArea::E, 1, 99.0);
      plant.step(b.view, slots);
      e.push_back(b.view.analog(BlockArea::E, 1).value());
    }
    return e;
  };
  EXPECT_EQ(run(3, false), run(3, false));
  EXPECT_NE(run(3, false), run(4, false));
  const std::vector<double> e = run(3, false);
  double sum = 0;
  for (double v : e)
    sum += v;
  EXPECT_NEAR(sum / 50, 50, 0.3);
  EXPECT_NE(e[0], 50.0);
  const std::vector<double> taken = run(3, true);
  EXPECT_EQ(taken[19], e[19]);
  for (std::size_t s = 20; s < taken.size(); ++s)
    EXPECT_EQ(taken[s], 99.0) << s;
}

TEST(PlantSettingsTest, SectionsKeysAndGenerators) {
  const PlantSettings s = parsePlantSettings("; Kopf\r\n"
                                             "[Eingaenge]\r\n"
                                             "E1 = sine 0 4 86400\r\n"
                                             "i5 = const 1\r\n"
                                             "[strecke HK1]\r\n"
                                             "eingang = a7\r\n"
                                             "Ausgang = E19   ; Vorlauf\r\n"
                                             "Verstaerkung = 0.6\r\n"
                                             "Grundwert = 20\r\n"
                                             "Zeitkonstante = 300\r\n"
                                             "Totzeit = 30\r\n"
                                             "Rauschen = 0.05\r\n"
                                             "[Strecke Pumpe]\r\n"
                                             "Eingang = Q2\r\n"
                                             "Ausgang = I4\r\n");
  ASSERT_EQ(s.inputs.size(), 2u);
  EXPECT_EQ(s.inputs[1].area(), BlockArea::I);
  ASSERT_EQ(s.paths.size(), 2u);
  const PlantPath& p = s.paths[0];
  EXPECT_EQ(p.sourceArea, BlockArea::A);
  EXPECT_EQ(p.source, 7);
  EXPECT_EQ(p.targetArea, BlockArea::E);
  EXPECT_EQ(p.target, 19);
  EXPECT_EQ(p.gain, 0.6);
  EXPECT_EQ(p.base, 20);
  EXPECT_EQ(p.timeConstant, 300);
  EXPECT_EQ(p.deadTime, 30);
  EXPECT_EQ(p.noise, 0.05);
  EXPECT_EQ(s.paths[1].gain, 1.0) << "defaults";
  EXPECT_EQ(s.paths[1].targetArea, BlockArea::I);
}

class PlantSettingsFault : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(PlantSettingsFault, NamesItsLine) {
  const auto [text, part] = GetParam();
  try {
    parsePlantSettings(std::string("; gut\n") + text);
    FAIL() << text;
  } catch (const Error& e) {
    const std::string m = e.what();
    EXPECT_TRUE(m.starts_with("Streckendatei, Zeile ")) << m;
    EXPECT_NE(m.find(part), std::string::npos) << m;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlantSettingsFault,
    ::testing::Values(std::pair{"[Regler]", "Zeile 2: unbekannter Abschnitt"},
                      std::pair{"Eingang = A1", "Zeile 2: vor dem ersten Abschnitt"},
                      std::pair{"[Strecke 1]\nEingang = E1\nAusgang = E2", "Zeile 3: \"E1\" ist kein Ausgang"},
                      std::pair{"[Strecke 1]\nEingang = A1\nAusgang = A2", "Zeile 4: \"A2\" ist kein Eingang"},
                      std::pair{"[Strecke 1]\nEingang = A257", "Zeile 3"},
                      std::pair{"[Strecke 1]\nEingang = A1\nAusgang = E2\nTotzeit = 1.5", "Zeile 5: die Totzeit"},
                      std::pair{"[Strecke 1]\nEingang = A1\nAusgang = E2\nTotzeit = 86401", "Zeile 5: die Totzeit"},
                      std::pair{"[Strecke 1]\nZeitkonstante = -1", "Zeile 3: Zeitkonstante darf nicht negativ"},
                      std::pair{"[Strecke 1]\nRauschen = x", "Zeile 3: \"x\" ist keine Zahl"},
                      std::pair{"[Strecke 1]\nVerstärkung = 2", "Zeile 3: unbekannter Schlüssel"},
                      std::pair{"[Strecke 1]\nEingang A1", "Zeile 3: es fehlt \"=\""},
                      std::pair{"[Strecke 1]\nEingang = A1", "Zeile 2: die Strecke braucht"},
                      std::pair{"[Strecke 1]\nEingang = A1\nAusgang = E2\n[Strecke 2]\nEingang = A3\nAusgang = E2",
                                "Zeile 5: E2 wird schon anders bewegt"},
                      std::pair{"[Eingaenge]\nE2 = const 1\n[Strecke 2]\nEingang = A3\nAusgang = E2",
                                "Zeile 4: E2 wird schon anders bewegt"},
                      std::pair{"[Eingaenge]\n\nE2 = wave 1", "Zeile 4: unbekannte Art"},
                      std::pair{"[Strecke 1", "Zeile 2: der Abschnittsname"}));

} // namespace
} // namespace veltra::core
