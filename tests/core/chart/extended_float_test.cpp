#include "core/chart/extended_float.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace veltra::core {
namespace {

// Builds the ten bytes from the sign-and-exponent word and the significand.
Extended80 ext(unsigned top, std::uint64_t m) {
  Extended80 e{};
  for (int i = 0; i < 8; ++i)
    e[i] = static_cast<std::uint8_t>(m >> (8 * i));
  e[8] = static_cast<std::uint8_t>(top);
  e[9] = static_cast<std::uint8_t>(top >> 8);
  return e;
}

constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

TEST(ExtendedFloatTest, KnownEncodings) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double v;
    Extended80 e;
  } cases[] = {
      {1.0, ext(0x3FFF, kTop)},
      {-2.0, ext(0xC000, kTop)},
      {0.5, ext(0x3FFE, kTop)},
      {3.0, ext(0x4000, kTop | kTop >> 1)},
      {0.0, ext(0, 0)},
      {-0.0, ext(0x8000, 0)},
      {inf, ext(0x7FFF, kTop)},
      {-inf, ext(0xFFFF, kTop)},
      {5e-324, ext(16383 - 1074, kTop)}, // smallest subnormal: normal in extended
      {std::numeric_limits<double>::denorm_min() * 3, ext(16383 - 1073, kTop | kTop >> 1)},
      {std::numeric_limits<double>::min(), ext(16383 - 1022, kTop)},
      {std::numeric_limits<double>::max(), ext(16383 + 1023, ~std::uint64_t{0} << 11)},
      {46361.75, ext(0x400E, 0xB519C00000000000)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toExtended(c.v), c.e) << c.v;
    EXPECT_EQ(bits(fromExtended(c.e)), bits(c.v)) << c.v;
  }
}

TEST(ExtendedFloatTest, EveryDoubleComesBackWithItsBits) {
  std::mt19937_64 rng(11);
  for (int i = 0; i < 200000; ++i) {
    const std::uint64_t b = rng();
    const double v = std::bit_cast<double>(b);
    const double back = fromExtended(toExtended(v));
    ASSERT_EQ(bits(back), b) << std::hex << b; // NaNs included: sign and payload kept
  }
}

TEST(ExtendedFloatTest, NarrowingRoundsToNearestEven) {
  // 1 + 2^-53 lies halfway between 1 and the next double: ties go to 1 (even).
  EXPECT_EQ(fromExtended(ext(0x3FFF, kTop | 1ull << 10)), 1.0);
  // Just above halfway goes up.
  EXPECT_EQ(fromExtended(ext(0x3FFF, kTop | 1ull << 10 | 1)), std::nextafter(1.0, 2.0));
  // Halfway above an odd significand goes up to even.
  EXPECT_EQ(fromExtended(ext(0x3FFF, kTop | 1ull << 11 | 1ull << 10)), 1.0 + 2 * 0x1p-52);
  // All ones below the kept bits carry into the exponent.
  EXPECT_EQ(fromExtended(ext(0x3FFF, ~std::uint64_t{0})), 2.0);
}

TEST(ExtendedFloatTest, BeyondTheDoubleRange) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(fromExtended(ext(0x7FFE, kTop)), inf);                    // the largest extended
  EXPECT_EQ(fromExtended(ext(0xC3FF, kTop)), -inf);                   // 2^1024
  EXPECT_EQ(fromExtended(ext(16383 + 1023, ~std::uint64_t{0})), inf); // rounds above the largest double
  EXPECT_EQ(bits(fromExtended(ext(0x0001, kTop))), 0u);               // far below: +0
  EXPECT_EQ(bits(fromExtended(ext(0x8001, kTop))), bits(-0.0));       // -0
  // Half the smallest subnormal ties to 0; a little more gives it.
  EXPECT_EQ(fromExtended(ext(16383 - 1075, kTop)), 0.0);
  EXPECT_EQ(fromExtended(ext(16383 - 1075, kTop | 1)), 5e-324);
  // A subnormal result is rounded once, at its own precision: 1.5 * 2^-1074 -> 2 * 2^-1074.
  EXPECT_EQ(fromExtended(ext(16383 - 1074, kTop | kTop >> 1)), 2 * 5e-324);
  // The extended denormal form is read as well.
  EXPECT_EQ(fromExtended(ext(0, 1)), 0.0);
}

TEST(ExtendedFloatTest, InvalidEncodingsAreNaN) {
  EXPECT_TRUE(std::isnan(fromExtended(ext(0x7FFF, kTop | 1))));         // a NaN whose payload lay below
  EXPECT_TRUE(std::isnan(fromExtended(ext(0x7FFF, kTop | kTop >> 1)))); // quiet NaN
  EXPECT_TRUE(std::isnan(fromExtended(ext(0x7FFF, 0))));                // pseudo-infinity
  EXPECT_TRUE(std::isnan(fromExtended(ext(0x3FFF, 1ull << 62))));       // unnormal
}

} // namespace
} // namespace veltra::core
