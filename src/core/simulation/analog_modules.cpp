// B C D G K Y: calculations on analog values.
#include "core/modules/catalogue.h"
#include "core/simulation/module_context.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace veltra::core {

double limitValue(double stored, const ServerBlock& block) {
  const LimitRef ref = decodeLimit(stored);
  if (ref.source == LimitSource::Number) return stored;
  const BlockArea area = ref.source == LimitSource::F ? BlockArea::F : BlockArea::H;
  return block.analog(area, static_cast<long long>(std::floor(ref.value))).value_or(0.0);
}

namespace {

// The value on the straight line from (x1, y1) to (x2, y2), held at the
// end values outside it; points given from right to left count the same.
double segment(double x, double x1, double y1, double x2, double y2) {
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  if (x <= x1) return y1;
  if (x >= x2) return y2;
  return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

// B: nothing for a division by zero or an unknown function (the output
// keeps its value).
std::optional<double> calculate(std::int32_t function, double a, double b) {
  switch (function) {
  case 0:
    return a + b;
  case 1:
    return a - b;
  case 2:
    return a * b;
  case 3:
    if (b == 0) return std::nullopt;
    return a / b;
  case 4:
    return std::min(a, b);
  case 5:
    return std::max(a, b);
  default:
    return std::nullopt;
  }
}

// K: five points, held at the first and last y outside them; a point that
// does not lie right of its predecessor starts a step.
double curve(const ExecModule& m, double x) {
  double px = m.f64(0), py = m.f64(8);
  if (x <= px) return py;
  for (int k = 1; k < 5; ++k) {
    const double qx = m.f64(16 * k), qy = m.f64(16 * k + 8);
    if (x <= qx) return qx > px ? py + (x - px) * (qy - py) / (qx - px) : qy;
    px = std::max(px, qx);
    py = qy;
  }
  return py;
}

// D's working memory: 50 samples, then the count held, the next slot, the
// seconds since the last sample and whether one was taken.
constexpr int kAverageSlots = 50;
constexpr std::size_t kCountAt = 400, kNextAt = 404, kSinceAt = 408, kStartedAt = 412;

double average(const ExecModule& m, ModuleContext& c) {
  const int n = std::clamp(m.i32(4), 1, kAverageSlots);
  const std::int32_t interval = m.i32(16);
  WorkArea& w = c.work;
  std::int32_t count = std::clamp(w.get<std::int32_t>(kCountAt), 0, n);
  std::int32_t next = std::clamp(w.get<std::int32_t>(kNextAt), 0, n - 1);
  const std::int32_t since = w.get<std::int32_t>(kSinceAt) + c.dt;
  if (w.get<std::uint8_t>(kStartedAt) == 0 || since >= interval) {
    w.set<double>(static_cast<std::size_t>(next) * 8, c.analog(m.xe[1]));
    next = (next + 1) % n;
    count = std::min(count + 1, n);
    w.set<std::int32_t>(kSinceAt, 0);
    w.set<std::uint8_t>(kStartedAt, 1);
  } else {
    w.set<std::int32_t>(kSinceAt, since);
  }
  w.set<std::int32_t>(kCountAt, count);
  w.set<std::int32_t>(kNextAt, next);
  // The newest `count` samples lie before `next`, going round.
  double lo = 0, hi = 0, sum = 0;
  for (int i = 0; i < count; ++i) {
    const int slot = ((next - 1 - i) % n + n) % n;
    const double v = w.get<double>(static_cast<std::size_t>(slot) * 8);
    lo = i == 0 ? v : std::min(lo, v);
    hi = i == 0 ? v : std::max(hi, v);
    sum += v;
  }
  switch (m.i32(0)) {
  case 0:
    return lo;
  case 1:
    return hi;
  case 2:
    return sum / count;
  default:
    return 0;
  }
}

} // namespace

void executeAnalogModule(const ExecModule& m, ModuleContext& c) {
  switch (m.letter) {
  case 'B':
    if (const std::optional<double> v = calculate(m.i32(0), c.analog(m.xe[1]), c.analog(m.xe[2])))
      c.setAnalog(m.xa[1], *v * m.f64(8));
    break;
  case 'C': {
    const double x = c.analog(m.xe[1]);
    for (int k = 0; k < 3; ++k)
      c.setAnalog(m.xa[k + 1], segment(x, m.f64(32 * k), m.f64(32 * k + 8), m.f64(32 * k + 16), m.f64(32 * k + 24)));
    break;
  }
  case 'D':
    c.setAnalog(m.xa[1], average(m, c));
    break;
  case 'G': {
    // The upper limit wins when the limits cross.
    const double lo = limitValue(m.f64(0), c.block), hi = limitValue(m.f64(8), c.block);
    c.setAnalog(m.xa[1], std::min(std::max(c.analog(m.xe[1]), lo), hi));
    break;
  }
  case 'K':
    c.setAnalog(m.xa[1], curve(m, c.analog(m.xe[1])));
    break;
  case 'Y':
    c.setAnalog(m.xa[1], c.bit(m.ye[3]) ? c.analog(m.xe[2]) : c.analog(m.xe[1]));
    break;
  default:
    break;
  }
}

} // namespace veltra::core
