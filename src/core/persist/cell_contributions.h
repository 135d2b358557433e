#pragma once

#include "core/model/project.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace veltra::core {

// What the cells of a project being loaded give to other tables: the step
// right after the ".vtr" file (error := 0 in every cell, each signal
// module's text into its signal's description) and the constants rebuilt at
// the end (BildeFRArray, then SetzeFWert for every constant). Both go through
// the cells in loop, column, row order, the last module winning. Instead of
// visiting all 45000 cells again once the file has been read, each loop is
// taken right after its record, while its cells are still in cache, and what
// it gives is applied in loop order when the step is due. The results are
// those of adoptModuleTexts, BildeFRArray and setzeAlleFWerte.
class CellContributions {
public:
  // Starts over for `p`, keeping the storage of earlier loads.
  void start(Project& p);
  // Takes `loop` as it is now and clears its error codes. Taking a loop
  // again (a file may hold two records of one loop) replaces what it gave
  // before, so the last call per loop must follow its last change.
  void take(int loop);
  // The module texts into SignalDesc, as adoptModuleTexts does (the error
  // codes are already cleared).
  void adoptModuleTexts() const;
  // BildeFRArray followed by setzeAlleFWerte, from the F modules taken.
  void rebuildConstants() const;

private:
  struct Text {
    TSignalText* entry; // in the project's SignalDesc
    TSignalText text;
  };
  struct Constant {
    TCell* cell;
    std::int32_t number;
    double value;
  };
  struct Range {
    std::size_t begin = 0;
    std::size_t end = 0;
  };

  Project* m_project = nullptr;
  std::array<std::span<TSignalText>, kAllGroups.size()> m_desc; // SignalDesc by group
  std::vector<Text> m_texts;
  std::vector<Constant> m_constants;
  std::array<Range, kLoops + 1> m_textsOf{};     // per loop, into m_texts
  std::array<Range, kLoops + 1> m_constantsOf{}; // per loop, into m_constants
};

} // namespace veltra::core
