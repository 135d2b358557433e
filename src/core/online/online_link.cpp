#include "core/online/online_link.h"

#include "core/util/number_parse.h"

#include <cstdint>

namespace veltra::core {

std::string checksumMismatchMessage(const TableChecksum& tool, const TableChecksum& block) {
  auto words = [](const TableChecksum& c) {
    std::string s;
    for (std::size_t k = 0; k < c.size(); ++k) {
      if (k > 0) s += ' ';
      s += std::to_string(static_cast<std::int32_t>(c[k]));
    }
    return s;
  };
  return "Checksum nicht identisch " + words(tool) + "-" + words(block);
}

IntervalText measureIntervalFromText(const std::string& text) {
  const std::optional<std::int32_t> v = parseInt(text);
  if (!v) return {std::nullopt, text, intConversionMessage(text)};
  const std::int32_t interval = *v < 1 ? 60 : *v;
  return {interval, std::to_string(interval), {}};
}

OnlineLink::OnlineLink(BlockAttacher& attacher, std::string blockName)
    : m_attacher(attacher), m_blockName(blockObjectName(blockName)) {}

std::optional<LinkStart> OnlineLink::attachAndHandshake(Project& project, ModuleTable& table, int dataMemorySize) {
  if (!m_view.valid()) {
    AttachResult r = m_attacher.attach(m_blockName);
    if (r.status != AttachStatus::Attached) return LinkStart{false, r.message, {}};
    m_view = r.block;
  }
  const TableChecksum tool = table.BuildChecksum(project, dataMemorySize);
  const TableChecksum server = m_view.checksum();
  if (tool != server) return LinkStart{false, checksumMismatchMessage(tool, server), {}};
  return std::nullopt;
}

LinkStart OnlineLink::DebugClick(Project& project, ModuleTable& table, int dataMemorySize) {
  if (std::optional<LinkStart> refused = attachAndHandshake(project, table, dataMemorySize)) return *refused;
  m_onlineMode = true;
  return {true, {}, {}};
}

void OnlineLink::DStopClick() { m_onlineMode = false; }

IntervalText OnlineLink::edMesszeitChange(const std::string& text) {
  IntervalText t = measureIntervalFromText(text);
  if (t.interval) m_measureInterval = *t.interval;
  return t;
}

LinkStart OnlineLink::startMeasuring(Project& project, ModuleTable& table, int dataMemorySize,
                                     const std::string& intervalText) {
  const IntervalText t = measureIntervalFromText(intervalText);
  if (!t.interval) return {false, t.error, {}};
  m_measureInterval = *t.interval;
  m_tickCount = 0;
  if (std::optional<LinkStart> refused = attachAndHandshake(project, table, dataMemorySize)) {
    refused->intervalText = t.text;
    return *refused;
  }
  m_measuringMode = true;
  return {true, {}, t.text};
}

void OnlineLink::btMStopClick() { m_measuringMode = false; }

LinkTick OnlineLink::ComTimerTimer() {
  LinkTick t;
  t.redraw = m_onlineMode;
  if (m_measuringMode) {
    // Counting stops at the top; an interval that long never comes anyway.
    if (m_tickCount < INT32_MAX) ++m_tickCount;
    if (m_tickCount / 2 >= m_measureInterval) {
      m_tickCount = 0;
      t.writeRows = true;
    }
  }
  return t;
}

void OnlineLink::loopChanged(int loop) {
  if (m_view.valid()) m_view.clearConnections(loop);
}

bool OnlineLink::btnSUhrClick(Project& project) const {
  if (!m_onlineMode || !m_view.valid()) return false;
  m_view.readSwitchPrograms(project.SwitchPrograms);
  return true;
}

LinkButtons OnlineLink::buttons() const {
  return {!m_onlineMode, m_onlineMode, m_onlineMode, !m_measuringMode, m_measuringMode};
}

} // namespace veltra::core
