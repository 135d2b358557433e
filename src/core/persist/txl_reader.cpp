#include "persist/txl_reader.h"

#include "util/file_io.h"

namespace veltra::core {

std::vector<std::string> readTxl(std::string_view text) { return splitLines(text); }

} // namespace veltra::core
