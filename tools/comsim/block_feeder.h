#pragma once

#include "core/simulation/input_settings.h"
#include "core/simulation/owned_slots.h"

#include "core/online/server_block.h"
#include "core/util/clock.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace veltra::comsim {

// The moment of one update: seconds since the stand-in started (for the
// signal sources) and the local time (for the time switch programs). Both
// come from the caller, so a faster clock can drive them.
struct SimulationTime {
  double seconds = 0;
  core::LocalDateTime now;
};

// Something that keeps areas of the block alive. The stand-in runs each of
// its feeders at every update; a controller simulation is one more feeder.
class BlockFeeder {
public:
  virtual ~BlockFeeder() = default;
  virtual void update(core::ServerBlock& block, const SimulationTime& t) = 0;
  // A short part of the status line ("E1=5.21 I5=0").
  virtual std::string status(const core::ServerBlock& block) const = 0;
  // The slots the tool took over from this feeder.
  virtual const std::vector<std::string>& takenOver() const = 0;
};

// E and I from their signal sources.
class InputFeeder : public BlockFeeder {
public:
  explicit InputFeeder(std::vector<core::SimulatedInput> inputs) : m_inputs(std::move(inputs)) {}
  void update(core::ServerBlock& block, const SimulationTime& t) override;
  std::string status(const core::ServerBlock& block) const override;
  const std::vector<std::string>& takenOver() const override { return m_slots.takenOver(); }

private:
  std::vector<core::SimulatedInput> m_inputs;
  core::OwnedSlots m_slots;
};

// The outputs S 1..32 of the time switch programs held in the block, by the
// local time.
class TimeSwitchFeeder : public BlockFeeder {
public:
  void update(core::ServerBlock& block, const SimulationTime& t) override;
  std::string status(const core::ServerBlock& block) const override;
  const std::vector<std::string>& takenOver() const override { return m_slots.takenOver(); }

private:
  core::OwnedSlots m_slots;
};

} // namespace veltra::comsim
