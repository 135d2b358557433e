#include "core/simulation/signal_source.h"

#include "core/util/number_format.h"

#include <cmath>
#include <numbers>

namespace veltra::core {

namespace {

std::string join(const char* kind, std::initializer_list<double> values) {
  std::string s = kind;
  for (double v : values)
    s += " " + formatGeneral(v);
  return s;
}

// The part of the current period that has passed, 0 <= p < 1.
double phaseOf(double t, double period) {
  const double p = std::fmod(t / period, 1.0);
  return p < 0 ? p + 1.0 : p;
}

class Constant : public SignalSource {
public:
  explicit Constant(double v) : m_v(v) {}
  double value(double) const override { return m_v; }
  std::string describe() const override { return join("const", {m_v}); }

private:
  double m_v;
};

class Ramp : public SignalSource {
public:
  Ramp(double from, double to, double period) : m_from(from), m_to(to), m_period(period) {}
  double value(double t) const override { return m_from + (m_to - m_from) * phaseOf(t, m_period); }
  std::string describe() const override { return join("ramp", {m_from, m_to, m_period}); }

private:
  double m_from, m_to, m_period;
};

class Sine : public SignalSource {
public:
  Sine(double mean, double amplitude, double period, double phase)
      : m_mean(mean), m_amplitude(amplitude), m_period(period), m_phase(phase) {}
  double value(double t) const override {
    return m_mean + m_amplitude * std::sin(2 * std::numbers::pi * (t / m_period + m_phase / 360.0));
  }
  std::string describe() const override { return join("sine", {m_mean, m_amplitude, m_period, m_phase}); }

private:
  double m_mean, m_amplitude, m_period, m_phase;
};

class Step : public SignalSource {
public:
  Step(double before, double after, double at) : m_before(before), m_after(after), m_at(at) {}
  double value(double t) const override { return t < m_at ? m_before : m_after; }
  std::string describe() const override { return join("step", {m_before, m_after, m_at}); }

private:
  double m_before, m_after, m_at;
};

class Square : public SignalSource {
public:
  Square(double low, double high, double period, double duty)
      : m_low(low), m_high(high), m_period(period), m_duty(duty) {}
  double value(double t) const override { return phaseOf(t, m_period) < m_duty ? m_high : m_low; }
  std::string describe() const override { return join("square", {m_low, m_high, m_period, m_duty}); }

private:
  double m_low, m_high, m_period, m_duty;
};

} // namespace

std::unique_ptr<SignalSource> constantSource(double v) { return std::make_unique<Constant>(v); }
std::unique_ptr<SignalSource> rampSource(double from, double to, double period) {
  return std::make_unique<Ramp>(from, to, period);
}
std::unique_ptr<SignalSource> sineSource(double mean, double amplitude, double period, double phaseDegrees) {
  return std::make_unique<Sine>(mean, amplitude, period, phaseDegrees);
}
std::unique_ptr<SignalSource> stepSource(double before, double after, double at) {
  return std::make_unique<Step>(before, after, at);
}
std::unique_ptr<SignalSource> squareSource(double low, double high, double period, double duty) {
  return std::make_unique<Square>(low, high, period, duty);
}

} // namespace veltra::core
