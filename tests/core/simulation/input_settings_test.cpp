#include "core/simulation/input_settings.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltra::core {
namespace {

TEST(InputSettings, EveryKindWithCommentsAndWithoutEqualsSign) {
  const std::vector<SimulatedInput> in = parseInputSettings("# Kopf\n"
                                                            "E1 = sine 5 8 600   # Aussen\r\n"
                                                            "\n"
                                                            "  e2 ramp 0 10 100\n"
                                                            "E256 = step 20 25 120 ; Sprung\n"
                                                            "I5 = square 0 1 120 0.25\n"
                                                            "i256=const 1\n");
  ASSERT_EQ(in.size(), 5u);
  EXPECT_EQ(in[1].letter, 'E');
  EXPECT_EQ(in[1].n, 2);
  EXPECT_EQ(in[4].area(), BlockArea::I);
  EXPECT_EQ(in[4].n, 256);
  EXPECT_EQ(in[0].source->describe(), "sine 5 8 600 0");
  EXPECT_EQ(in[3].source->describe(), "square 0 1 120 0.25");
  EXPECT_FALSE(parseInputSettings(kDefaultInputSettings).empty());
}

TEST(InputSettings, FaultsNameTheirLine) {
  const char* bad[] = {"E1 = wave 1 2 3",  "E257 = const 1", "A1 = const 1",        "E1 = const 1\nE1 = const 2",
                       "E1 = sine 1 2 0",  "E1 = sine 1 2",  "I1 = square 0 1 5 2", "E1",
                       "E1x = const 1",    "E1 = const 1,5", "E-1 = const 1",       "E = const 1",
                       "I1 = ramp 0 1 -5", "E1 = const 1 2"};
  for (const char* text : bad) {
    try {
      parseInputSettings(std::string("# gut\n\n") + text);
      ADD_FAILURE() << text;
    } catch (const Error& e) {
      EXPECT_TRUE(std::string(e.what()).starts_with("Eingangsdatei, Zeile ")) << e.what();
      EXPECT_NE(std::string(e.what()).find(std::string("Zeile ") +
                                           (std::string(text).find('\n') != std::string::npos ? "4" : "3")),
                std::string::npos)
          << text << ": " << e.what();
    }
  }
}

TEST(SignalSources, CurvesOverTime) {
  EXPECT_EQ(constantSource(3)->value(1e6), 3);
  const auto ramp = rampSource(10, 20, 100);
  EXPECT_EQ(ramp->value(0), 10);
  EXPECT_EQ(ramp->value(50), 15);
  EXPECT_EQ(ramp->value(150), 15) << "starts again after a period";
  const auto sine = sineSource(5, 8, 600, 0);
  EXPECT_NEAR(sine->value(150), 13, 1e-9);
  EXPECT_NEAR(sine->value(450), -3, 1e-9);
  EXPECT_NEAR(sineSource(0, 1, 100, 90)->value(0), 1, 1e-9);
  const auto step = stepSource(20, 25, 120);
  EXPECT_EQ(step->value(119.9), 20);
  EXPECT_EQ(step->value(120), 25);
  const auto square = squareSource(0, 1, 120, 0.25);
  EXPECT_EQ(square->value(0), 1);
  EXPECT_EQ(square->value(29.9), 1);
  EXPECT_EQ(square->value(30), 0);
  EXPECT_EQ(square->value(125), 1);
}

} // namespace
} // namespace veltra::core
