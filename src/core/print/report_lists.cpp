#include "core/print/report_lists.h"

#include "core/persist/signal_lists.h"
#include "core/util/file_io.h"

namespace veltra::core {

namespace {

std::size_t slot(char letter) { return letter >= 'A' && letter <= 'Z' ? static_cast<std::size_t>(letter - 'A') : 26; }

} // namespace

ReportLists ReportLists::load(const std::filesystem::path& programDir) {
  ReportLists lists;
  for (const char letter : {'A', 'E', 'I', 'Q', 'V'}) {
    const std::string file = std::string(1, letter) + "Signale.txt";
    lists.setSignalLines(letter, splitLines(readFileText(findCaseInsensitive(programDir, file))));
  }
  for (const char letter : {'B', 'D', 'J', 'L', 'T'})
    lists.setItems(letter, itemsOrBuiltin(programDir, letter));
  return lists;
}

std::string ReportLists::signalName(char letter, long long n) const {
  const std::size_t s = slot(letter);
  if (s >= m_signalLines.size()) return {};
  const std::vector<std::string>& lines = m_signalLines[s];
  if (n < 1 || n > static_cast<long long>(lines.size())) return {};
  return lines[static_cast<std::size_t>(n - 1)];
}

std::string ReportLists::item(char letter, long long index) const {
  const std::size_t s = slot(letter);
  return itemText(s < m_items.size() ? m_items[s] : std::vector<std::string>{}, index);
}

void ReportLists::setSignalLines(char letter, std::vector<std::string> lines) {
  if (slot(letter) < m_signalLines.size()) m_signalLines[slot(letter)] = std::move(lines);
}

void ReportLists::setItems(char letter, std::vector<std::string> items) {
  if (slot(letter) < m_items.size()) m_items[slot(letter)] = std::move(items);
}

} // namespace veltra::core
