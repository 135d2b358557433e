#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veltra::core {

// The text annotation file: one TextList entry per line (CR LF, LF or CR),
// kept byte for byte; a final line without line end counts.
std::vector<std::string> readTxl(std::string_view text);
// The same into `list`, replacing what it held; the strings already there
// are reused, so that a list read again does not allocate anew.
void readTxl(std::string_view text, std::vector<std::string>& list);

} // namespace veltra::core
