#include "core/persist/desc_reader.h"

#include "core/persist/desc_sections.h"
#include "core/util/lines.h"

namespace veltra::core {

void readDesc(std::string_view text, SignalTables& desc) {
  std::size_t section = 0;
  std::span<TSignalText> entries = desc.group(kDescSections[0]);
  std::size_t index = 1;
  forEachLine(text, [&](std::string_view line) {
    if (line == kDescSeparator) {
      if (++section == kDescSections.size()) return false;
      entries = desc.group(kDescSections[section]);
      index = 1;
      return true;
    }
    if (index < entries.size()) entries[index].assign(line);
    ++index;
    return true;
  });
}

} // namespace veltra::core
