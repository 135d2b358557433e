#include "core/persist/desc_writer.h"

#include "core/persist/desc_sections.h"

namespace veltra::core {

std::string writeDesc(const SignalTables& desc) {
  std::string out;
  out.reserve(300000);
  for (SignalGroup g : kDescSections) {
    auto entries = desc.group(g);
    for (std::size_t n = 1; n < entries.size(); ++n) {
      out += entries[n].view();
      out += kLineEnd;
    }
    out += kDescSeparator;
    out += kLineEnd;
  }
  return out;
}

} // namespace veltra::core
