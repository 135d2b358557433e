// Live view and recorder rows over any block content and any cells: every
// cell shows a text or nothing, never reads outside the block, and every
// number text of a row reads back as a number or is a gap text.
#include "core/online/live_view.h"
#include "core/model/project.h"
#include "core/online/measure_files.h"
#include "core/util/number_parse.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace veltra::core;

Project& project() {
  static std::unique_ptr<Project> p = std::make_unique<Project>();
  return *p;
}

std::vector<std::uint8_t>& blockBytes() {
  static std::vector<std::uint8_t> bytes(kServerBlockSize);
  return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  Project& p = project();
  p.emptyCells(2);
  // The first byte: how many cells of loop 2 the input fills (column by column).
  const std::size_t cells = data[0] % (kCols * kRows + 1);
  std::size_t pos = 1;
  for (std::size_t i = 0; i < cells && pos + sizeof(TCell) <= size; ++i, pos += sizeof(TCell))
    std::memcpy(&p.cell(2, static_cast<int>(i / kRows), static_cast<int>(i % kRows)), data + pos, sizeof(TCell));
  // The rest is the block, repeated to its full size.
  std::vector<std::uint8_t>& bytes = blockBytes();
  const std::size_t rest = size - pos;
  if (rest == 0) std::memset(bytes.data(), 0, bytes.size());
  for (std::size_t i = 0; rest > 0 && i < bytes.size(); i += rest)
    std::memcpy(bytes.data() + i, data + pos, std::min(rest, bytes.size() - i));
  const ServerBlock block(bytes);

  for (const LiveCell& c : liveTexts(p, 2, block))
    if (c.text.empty() || c.text.size() > 32) std::abort();
  for (const MeasureGroup& g : kRecordedGroups) {
    std::string row;
    appendMeasureRow(row, block, g, "00:00:00");
    if (row.size() < 2 || row.compare(row.size() - 2, 2, "\r\n") != 0) std::abort();
    std::size_t fields = 0;
    for (std::size_t start = 0, end; start < row.size() - 2; start = end + 1, ++fields) {
      end = row.find_first_of(";\r", start);
      const std::string field = row.substr(start, end - start);
      if (fields > 0 && !isGapText(field) && !parseReal(field)) std::abort();
    }
    if (fields != 257) std::abort();
  }
  return 0;
}
