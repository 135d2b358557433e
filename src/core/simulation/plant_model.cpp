#include "core/simulation/plant_model.h"

#include <cmath>

namespace veltra::core {

namespace {

bool isBitArea(BlockArea a) { return layoutOf(a).element == BlockElement::Bit; }

} // namespace

PlantModel::PlantModel(std::vector<PlantPath> paths, std::uint64_t seed) : m_paths(std::move(paths)), m_noise(seed) {
  m_states.reserve(m_paths.size());
  for (const PlantPath& p : m_paths) {
    State s;
    // The exact discrete lag: after t seconds of a unit step it stands at
    // 1 - exp(-t / T), as the continuous one.
    s.alpha = p.timeConstant > 0 ? -std::expm1(-1.0 / p.timeConstant) : 1.0;
    s.delay.assign(static_cast<std::size_t>(std::max(p.deadTime, 0)) + 1, 0.0);
    m_states.push_back(std::move(s));
  }
}

void PlantModel::step(ServerBlock& block, OwnedSlots& slots) {
  for (std::size_t i = 0; i < m_paths.size(); ++i) {
    const PlantPath& p = m_paths[i];
    State& s = m_states[i];
    const double u = isBitArea(p.sourceArea) ? (block.bit(p.sourceArea, p.source).value_or(false) ? 1.0 : 0.0)
                                             : block.analog(p.sourceArea, p.source).value_or(0.0);
    s.delay[s.next] = std::isfinite(u) ? u : 0.0;
    s.next = (s.next + 1) % s.delay.size();
    const double delayed = s.delay[s.next]; // the oldest: deadTime seconds ago
    s.lag += s.alpha * (p.gain * delayed - s.lag);
    double v = p.base + s.lag;
    // Every path draws, with or without noise, so that adding noise to one
    // path does not change another's.
    const double n = m_noise.normal();
    if (p.noise > 0) v += p.noise * n;
    if (isBitArea(p.targetArea))
      slots.writeBit(block, p.targetArea, p.target, v >= 0.5);
    else
      slots.writeAnalog(block, p.targetArea, p.target, v);
  }
}

} // namespace veltra::core
