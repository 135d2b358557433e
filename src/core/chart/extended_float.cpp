#include "core/chart/extended_float.h"

#include <bit>
#include <cstring>
#include <limits>

namespace veltra::core {

namespace {

constexpr int kExtBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

Extended80 pack(bool negative, int exponent, std::uint64_t significand) {
  Extended80 e{};
  for (int i = 0; i < 8; ++i)
    e[i] = static_cast<std::uint8_t>(significand >> (8 * i));
  const unsigned top = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
  e[8] = static_cast<std::uint8_t>(top);
  e[9] = static_cast<std::uint8_t>(top >> 8);
  return e;
}

double fromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

} // namespace

Extended80 toExtended(double v) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
  const bool negative = (bits >> 63) != 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (exponent == 0x7FF) return pack(negative, 0x7FFF, kIntegerBit | (fraction << 11));
  if (exponent == 0) {
    if (fraction == 0) return pack(negative, 0, 0);
    // A subnormal double is a normal extended: value = fraction * 2^-1074.
    const int shift = std::countl_zero(fraction);
    return pack(negative, -1074 + 63 - shift + kExtBias, fraction << shift);
  }
  return pack(negative, exponent - kDoubleBias + kExtBias, kIntegerBit | (fraction << 11));
}

double fromExtended(const Extended80& e) {
  std::uint64_t m = 0;
  for (int i = 0; i < 8; ++i)
    m |= std::uint64_t{e[i]} << (8 * i);
  const unsigned top = e[8] | (unsigned{e[9]} << 8);
  const bool negative = (top & 0x8000u) != 0;
  const int exponent = static_cast<int>(top & 0x7FFF);
  const std::uint64_t sign = negative ? std::uint64_t{1} << 63 : 0;
  const double nan = std::numeric_limits<double>::quiet_NaN();

  if (exponent == 0x7FFF) {
    if ((m & kIntegerBit) == 0) return negative ? -nan : nan; // pseudo-infinity or pseudo-NaN
    const std::uint64_t payload = m & ~kIntegerBit;
    if (payload == 0) return fromBits(sign | (std::uint64_t{0x7FF} << 52));
    std::uint64_t fraction = payload >> 11;
    if (fraction == 0) fraction = std::uint64_t{1} << 51; // the payload lay below the double's bits
    return fromBits(sign | (std::uint64_t{0x7FF} << 52) | fraction);
  }
  if (exponent != 0 && (m & kIntegerBit) == 0) return negative ? -nan : nan; // unnormal
  if (m == 0) return fromBits(sign);

  // value = m * 2^(unbiased - 63), with the leading bit of m at position 63.
  int unbiased = (exponent == 0 ? 1 : exponent) - kExtBias;
  const int lead = std::countl_zero(m);
  m <<= lead;
  unbiased -= lead;
  if (unbiased > kDoubleBias) return fromBits(sign | (std::uint64_t{0x7FF} << 52));

  // Bits kept: 53 for a normal result, fewer for a subnormal one.
  int kept = 53;
  if (unbiased < 1 - kDoubleBias) kept = 53 - (1 - kDoubleBias - unbiased);
  if (kept < 0) return fromBits(sign); // below half the smallest subnormal
  const int dropped = 64 - kept;
  std::uint64_t result = dropped >= 64 ? 0 : m >> dropped;
  const std::uint64_t rest = dropped >= 64 ? m : m & ((std::uint64_t{1} << dropped) - 1);
  const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
  if (rest > half || (rest == half && (result & 1) != 0)) ++result;

  if (kept == 53) {
    if (result == std::uint64_t{1} << 53) { // rounding carried into a new bit
      result >>= 1;
      ++unbiased;
      if (unbiased > kDoubleBias) return fromBits(sign | (std::uint64_t{0x7FF} << 52));
    }
    const std::uint64_t biased = static_cast<std::uint64_t>(unbiased + kDoubleBias);
    return fromBits(sign | (biased << 52) | (result & ((std::uint64_t{1} << 52) - 1)));
  }
  // Subnormal: the result is the fraction itself; a carry into bit 52 makes
  // it the smallest normal, which the same bit pattern expresses.
  return fromBits(sign | result);
}

} // namespace veltra::core
