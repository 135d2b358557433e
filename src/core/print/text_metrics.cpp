#include "core/print/text_metrics.h"

namespace veltra::core {

int codePoints(std::string_view utf8) {
  int n = 0;
  for (const char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

int FixedPitchMetrics::width(std::string_view utf8, TextStyle) const { return codePoints(utf8) * m_charWidth; }

} // namespace veltra::core
