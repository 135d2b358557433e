#pragma once

#include "block_feeder.h"

#include "core/compiler/module_table.h"
#include "core/online/server_block.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace veltra::comsim {

// The communication server's part that the tool sees: the checksum of the
// table the "controller" runs, its time switch programs, and the feeders
// that keep the live areas moving. Every value the tool writes stays where
// it was written.
class ServerStandIn {
public:
  explicit ServerStandIn(core::ServerBlock& block) : m_block(block) {}

  // Publishes the table the controller runs: its checksum words and the time
  // switch block at its head.
  void publish(const core::TableChecksum& checksum, std::span<const std::uint8_t, core::kTimeSwitchBlockSize> programs);
  void addFeeder(std::unique_ptr<BlockFeeder> feeder) { m_feeders.push_back(std::move(feeder)); }
  void update(const SimulationTime& t);
  // One line: time, block name, checksum, values, what the tool took over.
  std::string statusLine(const std::string& blockName, const SimulationTime& t) const;

private:
  core::ServerBlock& m_block;
  std::vector<std::unique_ptr<BlockFeeder>> m_feeders;
};

} // namespace veltra::comsim
