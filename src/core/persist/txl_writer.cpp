#include "core/persist/txl_writer.h"

#include <string_view>

namespace veltra::core {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
} // namespace

std::string writeTxl(const std::vector<std::string>& textList) {
  std::size_t size = 0;
  for (const std::string& line : textList)
    size += line.size() + kLineEnd.size();
  std::string out;
  out.reserve(size);
  for (const std::string& line : textList) {
    out += line;
    out += kLineEnd;
  }
  return out;
}

} // namespace veltra::core
