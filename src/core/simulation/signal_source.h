#pragma once

#include <memory>
#include <string>

namespace veltra::core {

// One simulated signal: its value `t` seconds after the stand-in started.
// The stand-in asks every source at every update; a source keeps no state,
// so a clock that runs faster (or jumps) gives the same curve.
class SignalSource {
public:
  virtual ~SignalSource() = default;
  virtual double value(double t) const = 0;
  // How the settings file writes it ("sine 5 8 600").
  virtual std::string describe() const = 0;
};

std::unique_ptr<SignalSource> constantSource(double v);
// From `from` to `to` in `period` seconds, then again from `from`.
std::unique_ptr<SignalSource> rampSource(double from, double to, double period);
// mean + amplitude * sin(2 pi t / period + phase in degrees).
std::unique_ptr<SignalSource> sineSource(double mean, double amplitude, double period, double phaseDegrees);
// `before` until `at` seconds, `after` from then on.
std::unique_ptr<SignalSource> stepSource(double before, double after, double at);
// `high` for the first `duty` part of every `period`, `low` for the rest.
std::unique_ptr<SignalSource> squareSource(double low, double high, double period, double duty);

} // namespace veltra::core
