#include "core/editor/text_annotations.h"

#include "core/util/lenient_int.h"

namespace veltra::core {

namespace {

std::string replaceAll(std::string s, char from, char to) {
  for (char& c : s)
    if (c == from) c = to;
  return s;
}

} // namespace

std::int64_t textKey(int loop, int col, int row) { return static_cast<std::int64_t>(loop) * 10000 + col * 100 + row; }

TextAnnotation parseTextEntry(std::string_view entry) {
  TextAnnotation t;
  const size_t eq = entry.find('=');
  std::string_view keyPart;
  if (eq != std::string_view::npos)
    keyPart = entry.substr(eq + 1);
  else if (!entry.empty())
    keyPart = entry.substr(1);
  t.key = lenientInt(keyPart);
  if (t.key > 0) {
    t.loop = static_cast<int>(t.key / 10000);
    t.col = static_cast<int>((t.key % 10000) / 100);
    t.row = static_cast<int>(t.key % 100);
  }
  std::string_view text = (eq != std::string_view::npos && eq > 0) ? entry.substr(0, eq) : entry;
  const size_t bar1 = text.find('|');
  if (bar1 == std::string_view::npos) {
    t.lines[0] = text;
  } else {
    t.lines[0] = text.substr(0, bar1);
    std::string_view rest = text.substr(bar1 + 1);
    const size_t bar2 = rest.find('|');
    if (bar2 == std::string_view::npos) {
      t.lines[1] = rest;
    } else {
      t.lines[1] = rest.substr(0, bar2);
      t.lines[2] = rest.substr(bar2 + 1);
    }
  }
  for (std::string& line : t.lines)
    line = replaceAll(line, '~', '=');
  return t;
}

std::string formatTextEntry(const std::array<std::string, 3>& lines, int loop, int col, int row) {
  if (lines[0].empty() && lines[1].empty() && lines[2].empty()) return {};
  return replaceAll(lines[0], '=', '~') + "|" + replaceAll(lines[1], '=', '~') + "|" + replaceAll(lines[2], '=', '~') +
         "=" + std::to_string(textKey(loop, col, row));
}

int findTextEntry(const std::vector<std::string>& list, int loop, int col, int row) {
  for (size_t i = 0; i < list.size(); ++i) {
    TextAnnotation t = parseTextEntry(list[i]);
    if (t.key > 0 && t.loop == loop && t.col == col && t.row == row) return static_cast<int>(i);
  }
  return -1;
}

} // namespace veltra::core
