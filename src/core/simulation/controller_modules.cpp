// R J W: the PID controller, the damper drive and counters, the heating
// optimiser.
#include "core/modules/time_switch.h"
#include "core/simulation/module_context.h"

#include <algorithm>
#include <cmath>

namespace veltra::core {

namespace {

constexpr double kOutputMin = 0, kOutputMax = 100; // percent

// R in the velocity form: every run moves the last output by the change of
// the P part, the I part of this run and the change of the D part, and
// clamps it to 0..100 %. Clamping the output itself is the anti-windup (no
// integral can run away), and starting from the last output makes leaving
// reset and the first run bumpless (the output starts at 0 and moves). The
// D part acts on the actual value only, so a setpoint step gives no kick.
// Without Tn it is a P(D) controller around 0 %. Working memory: output
// (f64), last error (f64), last actual value (f64), the one before (f32),
// started (u32).
void pid(const ExecModule& m, ModuleContext& c) {
  WorkArea& w = c.work;
  const double setpoint = c.analog(m.xe[1]), actual = c.analog(m.xe[2]);
  const double e = setpoint - actual;
  const double pBand = m.f64(0), tn = m.f64(8), tv = m.f64(16), gain = m.f64(24);
  double y = w.get<double>(0);
  const bool started = w.get<std::uint32_t>(28) != 0;
  if (c.bit(m.ye[3]) || !started || !std::isfinite(e)) {
    if (c.bit(m.ye[3]) || !started) y = 0;
    if (std::isfinite(e)) {
      w.set<double>(0, y);
      w.set<double>(8, e);
      w.set<double>(16, actual);
      w.set<float>(24, static_cast<float>(actual));
      w.set<std::uint32_t>(28, 1);
    }
    c.setAnalog(m.xa[1], y);
    return;
  }
  const double kp = pBand > 0 ? gain * 100.0 / pBand : 0.0;
  const double dt = c.dt;
  const double e1 = w.get<double>(8), x1 = w.get<double>(16), x2 = w.get<float>(24);
  double next;
  if (tn > 0)
    next = y + kp * ((e - e1) + dt / tn * e - tv / dt * (actual - 2 * x1 + x2));
  else
    next = kp * (e - tv / dt * (actual - x1));
  if (std::isfinite(next)) y = std::clamp(next, kOutputMin, kOutputMax);
  w.set<double>(0, y);
  w.set<double>(8, e);
  w.set<double>(16, actual);
  w.set<float>(24, static_cast<float>(x1));
  c.setAnalog(m.xa[1], y);
}

// J, by its function. Working memory: two f64 values (position, count or
// run times) and, for the counter, the last two inputs in the byte after
// the first value.
void drive(const ExecModule& m, ModuleContext& c) {
  WorkArea& w = c.work;
  const bool up = c.bit(m.ye[3]), down = c.bit(m.ye[4]), reset = c.bit(m.ye[5]);
  const std::int32_t runTime = m.i32(4); // run time in s; the comparison value of the counters
  const double maxDiff = std::fabs(m.f64(8));
  bool open = false, close = false;
  double out = 0;
  switch (m.i32(0)) {
  case 0: { // three-point damper drive, position 0..100 %
    double pos = m.xe[2] > 0 ? c.analog(m.xe[2]) : w.get<double>(0);
    if (reset) {
      pos = 0;
    } else if (up != down) {
      open = up;
      close = down;
    } else if (!up) {
      const double d = c.analog(m.xe[1]) - pos;
      open = d > maxDiff;
      close = d < -maxDiff;
    }
    if (m.xe[2] <= 0 && (open || close)) {
      const double step = runTime > 0 ? 100.0 * c.dt / runTime : 100.0;
      pos = std::clamp(pos + (open ? step : -step), 0.0, 100.0);
    }
    w.set<double>(0, pos);
    out = pos;
    break;
  }
  case 1: { // pulse counter: Ein+ counts up, Ein- down
    double count = reset ? 0 : w.get<double>(0);
    const std::uint8_t last = w.get<std::uint8_t>(8);
    if (!reset && up && (last & 1) == 0) count += 1;
    if (!reset && down && (last & 2) == 0) count -= 1;
    w.set<double>(0, count);
    w.set<std::uint8_t>(8, static_cast<std::uint8_t>((up ? 1 : 0) | (down ? 2 : 0)));
    open = runTime > 0 && count >= runTime;
    close = !open;
    out = count;
    break;
  }
  case 2: { // operating hours while Ein+ is on
    const double seconds = reset ? 0 : w.get<double>(0) + (up ? c.dt : 0);
    w.set<double>(0, seconds);
    out = seconds / 3600.0;
    open = runTime > 0 && out >= runTime;
    close = !open;
    break;
  }
  case 3: { // run time comparison of two units (Ein+, Ein-), in hours
    const double s1 = reset ? 0 : w.get<double>(0) + (up ? c.dt : 0);
    const double s2 = reset ? 0 : w.get<double>(8) + (down ? c.dt : 0);
    w.set<double>(0, s1);
    w.set<double>(8, s2);
    out = (s1 - s2) / 3600.0;
    open = out >= maxDiff && out > 0;
    close = -out >= maxDiff && out < 0;
    break;
  }
  default:
    break;
  }
  c.setBit(m.ya[1], open);
  c.setBit(m.ya[2], close);
  c.setAnalog(m.xa[3], out);
}

// Minutes from now until the program next shows `state`, looking at most
// `limit` minutes ahead; -1 when it does not within them.
int minutesUntil(std::span<const TSwitchPoint, kPointsPerProgram> program, const LocalDateTime& now, bool state,
                 int limit) {
  constexpr int kWeek = 7 * 24 * 60;
  const int at = now.weekday * 24 * 60 + now.hour * 60 + now.minute;
  for (int m = 1; m <= limit; ++m) {
    const int t = (at + m) % kWeek;
    if (switchProgramState(program, t / (24 * 60), t / 60 % 24, t % 60) == state) return m;
  }
  return -1;
}

// W, simplified: occupied by its time switch program (or the presence
// input of row 5); heating starts before occupancy by the time the room
// needs, heating factor × (setpoint − room)², stretched by the outdoor
// weighting; it stops before the end of occupancy when the room can coast
// within the comfort range; outside occupancy the setback temperature is
// kept. Working memory: output (u8), seconds in its state (f64 at 8).
void optimiser(const ExecModule& m, ModuleContext& c) {
  WorkArea& w = c.work;
  const int program = m.i32(0);
  const double room = c.analog(m.xe[1]), outdoor = c.analog(m.xe[2]), setpoint = c.analog(m.xe[3]);
  const double setback = c.analog(m.xe[4]);
  const double designMin = m.f64(64) / 100.0, designMax = m.f64(72) / 100.0, comfort = m.f64(80) / 100.0;
  const int maxOpt = std::clamp(m.i32(56), 0, 24 * 60);
  const bool presence = c.bit(m.ye[5]);
  const bool hasProgram = program >= 1 && program <= kPrograms;
  const auto points =
      hasProgram ? std::span<const TSwitchPoint, kPointsPerProgram>(c.programs[static_cast<std::size_t>(program - 1)])
                 : std::span<const TSwitchPoint, kPointsPerProgram>(c.programs[0]);
  const bool scheduled = hasProgram && switchProgramState(points, c.now.weekday, c.now.hour, c.now.minute);
  const bool occupied = scheduled || presence;

  const double span = designMax - designMin;
  const double coldness = span > 0 ? std::clamp((designMax - outdoor) / span, 0.0, 1.0) : 1.0;
  const double weight = 1.0 + std::max(0.0, m.f64(40)) / 100.0 * coldness;
  const double lack = std::max(0.0, setpoint - room);
  const double preheatMinutes = std::min<double>(maxOpt, m.f64(8) * lack * lack * weight);
  const int toStart = !occupied && hasProgram ? minutesUntil(points, c.now, true, maxOpt) : -1;
  const bool preheat = toStart >= 0 && toStart <= preheatMinutes && lack > 0;

  const double reserve = room - (setpoint - comfort);
  const double coastMinutes = reserve > 0 ? std::min<double>(maxOpt, m.f64(24) * reserve * reserve / weight) : 0;
  const int toEnd = scheduled && !presence ? minutesUntil(points, c.now, false, maxOpt) : -1;
  const bool stop = toEnd >= 0 && toEnd <= coastMinutes;

  const bool setbackDemand = !occupied && !preheat && room < setpoint - setback;
  const bool want = (occupied && !stop) || preheat || setbackDemand;

  bool out = w.get<std::uint8_t>(0) != 0;
  double inState = w.get<double>(8);
  const double least = 60.0 * (out ? m.i32(48) : m.i32(52));
  if (want != out && inState >= least) {
    out = want;
    inState = 0;
  }
  w.set<std::uint8_t>(0, out ? 1 : 0);
  w.set<double>(8, inState + c.dt);
  c.setBit(m.ya[1], occupied);
  c.setBit(m.ya[2], preheat);
  c.setBit(m.ya[3], out);
  c.setBit(m.ya[4], stop);
}

} // namespace

void executeControllerModule(const ExecModule& m, ModuleContext& c) {
  switch (m.letter) {
  case 'R':
    pid(m, c);
    break;
  case 'J':
    drive(m, c);
    break;
  case 'W':
    optimiser(m, c);
    break;
  default:
    break;
  }
}

} // namespace veltra::core
