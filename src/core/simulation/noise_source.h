#pragma once

#include <cstdint>

namespace veltra::core {

// The simulation's own random numbers (SplitMix64), so that a seed gives
// the same noise on every machine and library version.
class NoiseSource {
public:
  explicit NoiseSource(std::uint64_t seed) : m_state(seed) {}

  std::uint64_t next();
  // Uniform in [0, 1), 53 bits.
  double uniform();
  // Mean 0, standard deviation 1: the sum of four uniform numbers, shifted
  // and scaled (bell-shaped, never beyond ±3.46).
  double normal();

private:
  std::uint64_t m_state;
};

} // namespace veltra::core
