#include "core/history/edit_history.h"

#include <algorithm>

namespace veltra::core {

EditHistory::EditHistory(Project& project, std::size_t depth)
    : m_p(&project), m_shadow(std::make_unique<Project>(project)), m_depthLimit(std::max<std::size_t>(depth, 1)) {}

EditHistory::~EditHistory() = default;

void EditHistory::reset(Project& project) {
  m_p = &project;
  *m_shadow = project;
  m_steps.clear();
  m_pos = 0;
  m_saved = 0;
  m_depth = 0;
  m_name.clear();
  m_mergeKey.clear();
  changed();
}

void EditHistory::changed() {
  if (m_changed) m_changed();
}

void EditHistory::absorb() { takeDelta(*m_shadow, *m_p); }

void EditHistory::markSaved() {
  absorb();
  m_saved = static_cast<long long>(m_pos);
  changed();
}

void EditHistory::begin(const std::string& name, const std::string& mergeKey) {
  if (m_depth++ == 0) {
    absorb();
    m_name = name;
    m_mergeKey = mergeKey;
    m_loopAtBegin = m_p->CurrentLoop;
  } else if (m_name.empty() && !name.empty()) {
    m_name = name;
    m_mergeKey = mergeKey;
  }
}

void EditHistory::name(const std::string& name) {
  if (m_depth > 0 && m_name.empty()) m_name = name;
}

void EditHistory::end() {
  if (m_depth == 0) return;
  if (--m_depth > 0) return;
  record();
  m_name.clear();
  m_mergeKey.clear();
}

void EditHistory::record() {
  ProjectDelta delta = takeDelta(*m_shadow, *m_p);
  if (delta.empty()) return;
  m_p->Modified = true;
  // A new step replaces what could be redone; a saved state among it is gone.
  if (m_pos < m_steps.size()) {
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_pos), m_steps.end());
    if (m_saved > static_cast<long long>(m_pos)) m_saved = -1;
  }
  const std::vector<int> loops = delta.loops();
  const int loop = std::find(loops.begin(), loops.end(), m_loopAtBegin) != loops.end() ? m_loopAtBegin
                   : loops.empty()                                                     ? 0
                                                                                       : loops.front();
  if (!m_mergeKey.empty() && !m_steps.empty() && m_pos == m_steps.size() && m_saved != static_cast<long long>(m_pos) &&
      m_steps.back().mergeKey == m_mergeKey) {
    m_steps.back().delta.merge(delta);
    changed();
    return;
  }
  m_steps.push_back({m_name.empty() ? "Änderung" : m_name, m_mergeKey, loop, std::move(delta)});
  ++m_pos;
  if (m_steps.size() > m_depthLimit) {
    m_steps.pop_front();
    --m_pos;
    m_saved = m_saved > 0 ? m_saved - 1 : -1;
  }
  changed();
}

std::string EditHistory::undoName() const { return canUndo() ? m_steps[m_pos - 1].name : std::string(); }

std::string EditHistory::redoName() const { return canRedo() ? m_steps[m_pos].name : std::string(); }

void EditHistory::updateModified() { m_p->Modified = m_saved != static_cast<long long>(m_pos); }

int EditHistory::step(bool back) {
  if (m_depth > 0)
    record();
  else
    absorb();
  if (back ? !canUndo() : !canRedo()) return 0;
  const Step& s = back ? m_steps[--m_pos] : m_steps[m_pos++];
  for (Project* p : {m_p, m_shadow.get()})
    back ? s.delta.undo(*p) : s.delta.redo(*p);
  updateModified();
  changed();
  return s.loop;
}

int EditHistory::undo() { return step(true); }

int EditHistory::redo() { return step(false); }

std::size_t EditHistory::bytes() const {
  std::size_t n = 0;
  for (const Step& s : m_steps)
    n += sizeof(Step) + s.name.capacity() + s.mergeKey.capacity() + s.delta.bytes();
  return n;
}

} // namespace veltra::core
