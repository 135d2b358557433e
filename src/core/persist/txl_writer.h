#pragma once

#include <string>
#include <vector>

namespace veltra::core {

// The text annotation file image: every TextList entry followed by CR LF.
std::string writeTxl(const std::vector<std::string>& textList);

} // namespace veltra::core
