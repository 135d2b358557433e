#include "core/simulation/noise_source.h"

namespace veltra::core {

std::uint64_t NoiseSource::next() {
  std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

double NoiseSource::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

double NoiseSource::normal() {
  constexpr double kSqrt3 = 1.7320508075688772;
  return (uniform() + uniform() + uniform() + uniform() - 2.0) * kSqrt3;
}

} // namespace veltra::core
