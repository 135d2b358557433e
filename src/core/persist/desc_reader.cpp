#include "persist/desc_reader.h"

#include "persist/desc_sections.h"
#include "util/file_io.h"

namespace veltra::core {

void readDesc(std::string_view text, SignalTables& desc) {
  std::size_t section = 0;
  long long index = 1;
  for (const std::string& line : splitLines(text)) {
    if (line == kDescSeparator) {
      if (++section == kDescSections.size()) return;
      index = 1;
      continue;
    }
    if (TSignalText* entry = desc.at(kDescSections[section], index)) entry->assign(line);
    ++index;
  }
}

} // namespace veltra::core
