#include "core/modules/catalogue.h"
#include "core/modules/w_temperature.h"
#include "core/util/number_format.h"
#include "core/util/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace veltra::core {
namespace {

// What the dialog does: show stored ÷ 100 in shortest form, read the text
// back, store × 100.
double throughTheDialog(double stored) {
  std::optional<double> degrees = parseReal(formatGeneral(wTemperatureDegrees(stored)));
  EXPECT_TRUE(degrees);
  std::optional<double> back = wTemperatureStored(*degrees);
  EXPECT_TRUE(back);
  return back.value_or(std::nan(""));
}

TEST(WTemperature, DefaultsAreHundredthsOfTheDesignValues) {
  const ModuleType* w = moduleType('W');
  ASSERT_NE(w, nullptr);
  std::vector<double> degrees;
  for (int offset : kWTemperatureOffsets)
    for (const ParamDef& f : w->params)
      if (f.offset == offset) degrees.push_back(wTemperatureDegrees(f.defaultValue));
  EXPECT_EQ(degrees, (std::vector<double>{-10.0, 30.0, 2.0}));
}

TEST(WTemperature, EveryWholeHundredthSurvivesShowAndConfirm) {
  for (int s = -100000; s <= 100000; ++s)
    ASSERT_EQ(throughTheDialog(s), s) << s;
  for (double s : {1e9 + 7, -123456789.0, 9007199254740.0})
    EXPECT_EQ(throughTheDialog(s), s) << s;
}

TEST(WTemperature, TypedDegreesAreCutTowardZero) {
  for (auto [typed, stored] : {std::pair{21.5, 2150.0},
                               {0.29, 29.0},
                               {21.555, 2155.0},
                               {-21.559, -2155.0},
                               {1.2349, 123.0}}) // 0.29 * 100 is 28.999999999999996 in binary
    EXPECT_EQ(wTemperatureStored(typed), stored) << typed;
  std::optional<double> tiny = wTemperatureStored(-0.004);
  ASSERT_TRUE(tiny);
  EXPECT_EQ(*tiny, 0.0);
  EXPECT_FALSE(std::signbit(*tiny));
  EXPECT_FALSE(wTemperatureStored(1e307)); // overflow is no value
  EXPECT_FALSE(wTemperatureStored(std::nan("")));
}

} // namespace
} // namespace veltra::core
