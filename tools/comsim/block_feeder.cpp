#include "block_feeder.h"

#include "core/modules/time_switch.h"
#include "core/online/live_view.h"

namespace veltra::comsim {

using core::BlockArea;

void InputFeeder::update(core::ServerBlock& block, const SimulationTime& t) {
  for (const core::SimulatedInput& in : m_inputs) {
    const double v = in.source->value(t.seconds);
    if (in.letter == 'E')
      m_slots.writeAnalog(block, in.area(), in.n, v);
    else
      m_slots.writeBit(block, in.area(), in.n, v >= 0.5);
  }
}

std::string InputFeeder::status(const core::ServerBlock& block) const {
  constexpr std::size_t kShown = 8;
  std::string s;
  for (std::size_t i = 0; i < m_inputs.size() && i < kShown; ++i) {
    const core::SimulatedInput& in = m_inputs[i];
    if (!s.empty()) s += ' ';
    s += in.letter + std::to_string(in.n) + "=";
    if (in.letter == 'E')
      s += core::liveAnalogText(block.analog(in.area(), in.n).value_or(0));
    else
      s += block.bit(in.area(), in.n).value_or(false) ? '1' : '0';
  }
  if (m_inputs.size() > kShown) s += " ...";
  return s;
}

void TimeSwitchFeeder::update(core::ServerBlock& block, const SimulationTime& t) {
  core::SwitchProgramTable programs{};
  block.readSwitchPrograms(programs);
  for (int n = 1; n <= core::kPrograms; ++n)
    m_slots.writeBit(
        block, BlockArea::S, n,
        core::switchProgramState(programs[static_cast<std::size_t>(n - 1)], t.now.weekday, t.now.hour, t.now.minute));
}

std::string TimeSwitchFeeder::status(const core::ServerBlock& block) const {
  std::string on;
  for (int n = 1; n <= core::kPrograms; ++n)
    if (block.bit(BlockArea::S, n).value_or(false)) on += " " + std::to_string(n);
  return on.empty() ? "Schaltuhren aus" : "Schaltuhren ein:" + on;
}

} // namespace veltra::comsim
