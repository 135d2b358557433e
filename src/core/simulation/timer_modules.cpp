// P T: pulses and timers, counting in milliseconds of the loop's sample
// time.
#include "core/simulation/module_context.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace veltra::core {

namespace {

constexpr long long kMaxMs = std::numeric_limits<std::int32_t>::max();

long long ms(long long seconds) { return std::clamp(seconds * 1000, 0LL, kMaxMs); }

// P: a rising edge starts a pulse of "Dauer" × 100 ms; an edge during the
// pulse does not restart it. Working memory: the milliseconds left (i32),
// the input of the last run (u8).
void pulse(const ExecModule& m, ModuleContext& c) {
  const bool in = c.bit(m.ye[1]);
  const bool last = c.work.get<std::uint8_t>(4) != 0;
  long long left = c.work.get<std::int32_t>(0);
  if (left > 0)
    left = std::max(0LL, left - c.dtMs());
  else if (in && !last)
    left = std::clamp(static_cast<long long>(m.i32(4)) * 100, 0LL, kMaxMs);
  c.work.set<std::int32_t>(0, static_cast<std::int32_t>(left));
  c.work.set<std::uint8_t>(4, in ? 1 : 0);
  c.setBit(m.ya[1], (left > 0) != (m.u8(0) != 0));
}

// T's working memory: a time in ms (i32), the input and the output of the
// last run (u8 each).
constexpr std::size_t kTimeAt = 0, kLastAt = 4, kOutAt = 5;

// Blinker and PWM: while the input is on, `onMs` on, then `offMs` off,
// starting with on; the phase starts again with every switch-on.
bool blink(WorkArea& w, bool in, long long onMs, long long offMs, long long dtMs) {
  if (!in) {
    w.set<std::int32_t>(kTimeAt, 0);
    return false;
  }
  const long long period = onMs + offMs;
  if (period <= 0) return true;
  const long long t = w.get<std::int32_t>(kTimeAt) % period;
  w.set<std::int32_t>(kTimeAt, static_cast<std::int32_t>((t + dtMs) % period));
  return t < onMs;
}

bool timer(const ExecModule& m, ModuleContext& c) {
  WorkArea& w = c.work;
  const bool in = c.bit(m.ye[1]);
  const bool last = w.get<std::uint8_t>(kLastAt) != 0;
  const long long p1 = ms(m.i32(8)), p2 = ms(m.i32(12));
  bool out = false;
  switch (m.i32(0)) {
  case 0: { // Wischer: on with the rising edge for p1, off earlier when the input falls
    long long left = w.get<std::int32_t>(kTimeAt);
    if (in && !last)
      left = p1;
    else
      left = std::max(0LL, left - c.dtMs());
    w.set<std::int32_t>(kTimeAt, static_cast<std::int32_t>(left));
    out = in && left > 0;
    break;
  }
  case 1: // Blinker: p1 on, p2 off
    out = blink(w, in, p1, p2, c.dtMs());
    break;
  case 2: { // Impulse: on after the input was on for p1, off after it was off for p2
    out = w.get<std::uint8_t>(kOutAt) != 0;
    long long t = in != out ? w.get<std::int32_t>(kTimeAt) : 0;
    if (in != out && t >= (in ? p1 : p2)) {
      out = in;
      t = 0;
    } else if (in != out) {
      t = std::min(t + c.dtMs(), kMaxMs);
    }
    w.set<std::int32_t>(kTimeAt, static_cast<std::int32_t>(t));
    break;
  }
  case 3: { // PWM: period p1, on for p2 percent of it
    const long long on = p1 * std::clamp<std::int32_t>(m.i32(12), 0, 100) / 100;
    out = blink(w, in, on, p1 - on, c.dtMs());
    break;
  }
  default:
    break;
  }
  w.set<std::uint8_t>(kLastAt, in ? 1 : 0);
  w.set<std::uint8_t>(kOutAt, out ? 1 : 0);
  return out;
}

} // namespace

void executeTimerModule(const ExecModule& m, ModuleContext& c) {
  if (m.letter == 'P')
    pulse(m, c);
  else if (m.letter == 'T')
    c.setBit(m.ya[1], timer(m, c) != (m.u8(4) != 0));
}

} // namespace veltra::core
