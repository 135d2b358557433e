#include "core/online/measure_files.h"

#include "core/util/number_format.h"

#include <cmath>

namespace veltra::core {

const MeasureGroup* recordedGroup(char code) {
  for (const MeasureGroup& g : kRecordedGroups)
    if (g.code == code) return &g;
  return nullptr;
}

int dayGroupIndex(char letter) {
  for (std::size_t i = 0; i < kDayGroups.size(); ++i)
    if (kDayGroups[i].letter == letter) return static_cast<int>(i);
  return -1;
}

std::string dayFileName(std::string_view prefix, std::string_view dateText) {
  std::string name;
  name.reserve(prefix.size() + dateText.size() + 4);
  name += prefix;
  name += dateText;
  name += ".csv";
  return name;
}

bool dateFitsFileName(std::string_view dateText) {
  return !dateText.empty() && dateText.find('/') == std::string_view::npos &&
         dateText.find('\0') == std::string_view::npos;
}

bool isGapText(std::string_view field) { return field == kNanText || field == kInfText || field == kNegInfText; }

void appendMeasureValue(std::string& out, double v) {
  if (std::isnan(v))
    out += kNanText;
  else if (std::isinf(v))
    out += v > 0 ? kInfText : kNegInfText;
  else
    appendGeneralDigits(out, v, 15);
}

void appendMeasureRow(std::string& out, const ServerBlock& block, const MeasureGroup& group,
                      std::string_view timeText) {
  out += timeText;
  const BlockAreaLayout& l = layoutOf(group.area);
  for (int n = l.first; n <= l.last; ++n) {
    out += ';';
    if (group.analog)
      appendMeasureValue(out, block.analog(group.area, n).value_or(0.0));
    else
      out += block.bit(group.area, n).value_or(false) ? '1' : '0';
  }
  out += "\r\n";
}

} // namespace veltra::core
