#pragma once

#include "core/history/project_delta.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace veltra::core {

// The undo and redo history of the open project. It keeps an image of the
// last recorded state; when the outermost edit ends, whatever differs from
// it becomes one step (a ProjectDelta), so an edit path only has to run
// inside an edit to be undoable, whatever tables it touches. Edits nest: the
// inner ones belong to the step of the outermost, which takes the first name
// given. A step remembers the loop it concerns. What changes outside an edit
// is no edit (the compiler's connection and work memory fields, error codes
// set by checks and cleared by saving): it is taken into the image without a
// step when the next edit begins, before undo and redo, and on saving.
class EditHistory {
public:
  static constexpr std::size_t kDefaultDepth = 500;

  explicit EditHistory(Project& project, std::size_t depth = kDefaultDepth);
  ~EditHistory();
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;

  // "Neu", "Laden", or another project object: no steps, the project's
  // current state is the saved one.
  void reset(Project& project);
  // "Speichern": the current state is the saved one.
  void markSaved();
  // Takes what changed outside an edit into the image, without a step.
  void absorb();
  // Called after every change of the steps, the position or the saved state
  // (the window updates its menu).
  void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

  // --- the seam every edit path runs in ---
  // `mergeKey`: consecutive steps with the same non-empty key become one
  // (typing a description letter by letter).
  void begin(const std::string& name = {}, const std::string& mergeKey = {});
  void end();
  // Names the open edit unless it already has a name.
  void name(const std::string& name);
  bool editOpen() const { return m_depth > 0; }

  bool canUndo() const { return m_pos > 0; }
  bool canRedo() const { return m_pos < m_steps.size(); }
  std::string undoName() const;
  std::string redoName() const;
  // Takes back / does again one step and sets Modified: false exactly when
  // the project is back in its saved state. Returns the loop the step
  // concerns (0 when none, or nothing to do). Inside an open edit, what it
  // changed so far is recorded first.
  int undo();
  int redo();

  std::size_t size() const { return m_steps.size(); }
  std::size_t depth() const { return m_depthLimit; }
  // Bytes held by the steps.
  std::size_t bytes() const;

private:
  struct Step {
    std::string name;
    std::string mergeKey;
    int loop = 0;
    ProjectDelta delta;
  };
  void record();
  int step(bool back);
  void updateModified();
  void changed();

  Project* m_p;
  std::unique_ptr<Project> m_shadow; // the last recorded state
  std::deque<Step> m_steps;
  std::size_t m_pos = 0; // steps applied
  long long m_saved = 0; // m_pos of the saved state, -1 when no longer reachable
  std::size_t m_depthLimit;
  int m_depth = 0;
  std::string m_name, m_mergeKey;
  int m_loopAtBegin = 0;
  std::function<void()> m_changed;
};

// An edit for the time of a scope; a null history records nothing.
class EditScope {
public:
  EditScope(EditHistory* h, const std::string& name = {}, const std::string& mergeKey = {}) : m_h(h) {
    if (m_h != nullptr) m_h->begin(name, mergeKey);
  }
  ~EditScope() {
    if (m_h != nullptr) m_h->end();
  }
  EditScope(const EditScope&) = delete;
  EditScope& operator=(const EditScope&) = delete;

private:
  EditHistory* m_h;
};

} // namespace veltra::core
