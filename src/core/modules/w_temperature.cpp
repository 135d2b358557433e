#include "core/modules/w_temperature.h"

#include <cmath>
#include <limits>

namespace veltra::core {

double wTemperatureDegrees(double stored) { return stored / 100.0; }

std::optional<double> wTemperatureStored(double degrees) {
  const double scaled = degrees * 100.0;
  if (!std::isfinite(scaled)) return std::nullopt;
  const double nearest = std::round(scaled);
  // A few units in the last place of the product are rounding, not a fraction
  // the engineer typed.
  const double tolerance = 8 * std::numeric_limits<double>::epsilon() * std::fmax(1.0, std::fabs(scaled));
  const double whole = std::fabs(scaled - nearest) <= tolerance ? nearest : std::trunc(scaled);
  return whole == 0 ? 0.0 : whole; // no negative zero
}

} // namespace veltra::core
