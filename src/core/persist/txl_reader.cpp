#include "core/persist/txl_reader.h"

#include "core/util/lines.h"

namespace veltra::core {

std::vector<std::string> readTxl(std::string_view text) {
  std::vector<std::string> list;
  readTxl(text, list);
  return list;
}

void readTxl(std::string_view text, std::vector<std::string>& list) {
  std::size_t n = 0;
  forEachLine(text, [&](std::string_view line) {
    if (n < list.size())
      list[n].assign(line);
    else
      list.emplace_back(line);
    ++n;
  });
  list.resize(n);
}

} // namespace veltra::core
