// L N O U X Z: comparisons, switching points and gates.
#include "core/simulation/module_context.h"

#include <cmath>

namespace veltra::core {

namespace {

// L: an unknown function compares nothing (off before the inversion).
bool compare(std::int32_t function, double a, double b) {
  switch (function) {
  case 0:
    return a > b;
  case 1:
    return a < b;
  case 2:
    return a >= b;
  case 3:
    return a <= b;
  case 4:
    return a == b;
  case 5:
    return a != b;
  default:
    return false;
  }
}

// N: output k switches on when the input reaches point k and off when it
// falls below point k minus the hysteresis; the four states are bits of the
// working memory.
void camSwitch(const ExecModule& m, ModuleContext& c) {
  const double x = c.analog(m.xe[1]);
  const double h = std::fabs(m.f64(32));
  std::uint32_t bits = c.work.get<std::uint32_t>(0);
  for (int k = 0; k < 4; ++k) {
    const double p = m.f64(8 * k);
    const std::uint32_t mask = 1u << k;
    if (x >= p)
      bits |= mask;
    else if (x < p - h)
      bits &= ~mask;
    c.setBit(m.ya[k + 1], (bits & mask) != 0);
  }
  c.work.set<std::uint32_t>(0, bits);
}

// Z: not inverted, on when the input rises to the switch-on threshold and
// off when it falls to the switch-off threshold; inverted, on when it falls
// to the switch-on threshold and off when it rises to the switch-off
// threshold (frost protection, storage charging). Thresholds in the wrong
// order make both conditions true at once: then off wins.
void twoPoint(const ExecModule& m, ModuleContext& c) {
  const double x = c.analog(m.xe[1]);
  const double on = limitValue(m.f64(8), c.block), off = limitValue(m.f64(16), c.block);
  const bool inverted = m.u8(0) != 0;
  bool state = c.work.get<std::uint32_t>(0) != 0;
  const bool switchOn = inverted ? x <= on : x >= on;
  const bool switchOff = inverted ? x >= off : x <= off;
  if (switchOn) state = true;
  if (switchOff) state = false;
  c.work.set<std::uint32_t>(0, state ? 1 : 0);
  c.setBit(m.ya[1], state);
}

} // namespace

void executeLogicModule(const ExecModule& m, ModuleContext& c) {
  switch (m.letter) {
  case 'L':
    c.setBit(m.ya[1], compare(m.i32(0), c.analog(m.xe[1]), c.analog(m.xe[2])) != (m.u8(4) != 0));
    break;
  case 'N':
    camSwitch(m, c);
    break;
  case 'O':
  case 'U': {
    // Unconnected inputs take no part: an AND with two of three inputs
    // wired is the AND of those two, and one without any input is off.
    bool any = false, all = true, connected = false;
    for (int row = 1; row <= 3; ++row) {
      if (m.ye[row] <= 0) continue;
      const bool v = c.bit(m.ye[row]);
      connected = true;
      any = any || v;
      all = all && v;
    }
    const bool v = m.letter == 'O' ? any : connected && all;
    c.setBit(m.ya[1], v != (m.u8(0) != 0));
    break;
  }
  case 'X':
    c.setBit(m.ya[1], (c.bit(m.ye[1]) != c.bit(m.ye[2])) != (m.u8(0) != 0));
    break;
  case 'Z':
    twoPoint(m, c);
    break;
  default:
    break;
  }
}

} // namespace veltra::core
