#include "persist/desc_reader.h"

#include "persist/desc_sections.h"

namespace veltra::core {

namespace {

// Calls f for every line of text, split at CR LF, LF or CR as splitLines
// does, without copying the lines.
template <typename F> void forEachLine(std::string_view text, F f) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    if (!f(text.substr(start, i - start))) return;
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) f(text.substr(start));
}

} // namespace

void readDesc(std::string_view text, SignalTables& desc) {
  std::size_t section = 0;
  long long index = 1;
  forEachLine(text, [&](std::string_view line) {
    if (line == kDescSeparator) {
      index = 1;
      return ++section < kDescSections.size();
    }
    if (TSignalText* entry = desc.at(kDescSections[section], index)) entry->assign(line);
    ++index;
    return true;
  });
}

} // namespace veltra::core
