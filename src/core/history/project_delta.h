#pragma once

#include "core/model/project.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace veltra::core {

// What one edit changed in a project: every record that differs, before and
// after, and nothing else. Taking it back writes the before images, doing it
// again the after images; both leave every other record alone.
class ProjectDelta {
public:
  struct CellChange {
    std::int16_t loop;
    std::int8_t col, row;
    TCell before, after;
  };
  struct WireChange {
    std::int16_t loop;
    std::int8_t n;
    bool analog;
    TWire before, after;
  };
  struct LoopTextChange {
    int loop;
    std::string before, after;
  };
  struct SampleTimeChange {
    int loop;
    std::int32_t before, after;
  };
  struct SignalChange {
    SignalGroup group;
    bool name; // SignalName instead of SignalDesc
    std::int16_t n;
    TSignalText before, after;
  };
  struct ConstantChange {
    int n;
    double before, after;
  };
  struct PointChange {
    int program, point;
    TSwitchPoint before, after;
  };
  // Replaces `removed` at position `at` of TextList by `inserted`; hunks
  // apply in order, each on the list the previous one left.
  struct TextHunk {
    std::size_t at;
    std::vector<std::string> removed, inserted;
  };
  struct ProjectDataChange {
    TProjectData before, after;
  };

  bool empty() const;
  // Heap and object bytes the delta holds, for the history's bookkeeping
  // and the benchmark of memory per step.
  std::size_t bytes() const;

  void undo(Project& p) const;
  void redo(Project& p) const;
  // `later` happened right after this delta: the result goes from this
  // delta's before images to `later`'s after images.
  void merge(const ProjectDelta& later);
  // The loops whose cells, connections, description or sample time changed,
  // in ascending order.
  std::vector<int> loops() const;

  std::vector<CellChange> cells;
  std::vector<WireChange> wires;
  std::vector<LoopTextChange> loopTexts;
  std::vector<SampleTimeChange> sampleTimes;
  std::vector<SignalChange> signalTexts;
  std::vector<ConstantChange> constants;
  std::vector<PointChange> points;
  std::vector<TextHunk> textHunks;
  std::optional<ProjectDataChange> projectData;
};

// Everything in which `now` differs from `shadow`, record by record; `shadow`
// is brought up to `now` on the way, so that it stays the image of the last
// recorded state. Only the tables an edit can change are looked at (not
// ErrorTexts, Modified or CurrentLoop).
ProjectDelta takeDelta(Project& shadow, const Project& now);

} // namespace veltra::core
