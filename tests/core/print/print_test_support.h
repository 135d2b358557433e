#pragma once

// Projects, lists and metrics for the report tests.

#include "core/model/module_ops.h"
#include "core/model/project.h"
#include "core/modules/catalogue.h"
#include "core/print/report_lists.h"
#include "core/print/text_metrics.h"

#include <memory>
#include <string>

namespace veltra::core::print_test {

// A Project is about 15 MB: always on the heap.
inline std::unique_ptr<Project> newProject() { return std::make_unique<Project>(); }

// Writes a module with its type's defaults at (col, row), whatever the
// placement rules say, so that a test can put any letter anywhere.
inline TCell& put(Project& p, int loop, int col, int row, char letter) {
  const ModuleType* type = moduleType(letter);
  const int height = type != nullptr ? type->height : 1;
  for (int k = 0; k < height; ++k) {
    TCell& c = p.cell(loop, col, row + k);
    c.clear();
    c.letter = static_cast<std::uint8_t>(letter);
    c.height = static_cast<std::uint8_t>(height);
    c.part = static_cast<std::uint8_t>(k + 1);
  }
  TCell& top = p.cell(loop, col, row);
  createModuleDefaults(p, top);
  return top;
}

// Signal file lines "A-Name 1".. and item lists "B0", "B1".. per letter.
inline ReportLists testLists() {
  ReportLists lists;
  for (const char letter : {'A', 'E', 'I', 'Q', 'V'}) {
    std::vector<std::string> lines;
    for (int n = 1; n <= 20; ++n)
      lines.push_back(std::string(1, letter) + "-Name " + std::to_string(n));
    lists.setSignalLines(letter, lines);
  }
  for (const char letter : {'B', 'D', 'J', 'L', 'T'})
    lists.setItems(letter, {std::string(1, letter) + "0", std::string(1, letter) + "1", std::string(1, letter) + "2"});
  return lists;
}

// 23 units a character, "J" 44 high: a line is 84 units.
inline const FixedPitchMetrics kMetrics{23, 44};

} // namespace veltra::core::print_test
