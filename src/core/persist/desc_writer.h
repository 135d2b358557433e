#pragma once

#include "core/model/project.h"

#include <string>

namespace veltra::core {

// The signal description file image: for each group in the order E, F, I, S,
// A, Q, V, H, M every entry on a line of its own, then "--"; every line ends
// with CR LF (11049 lines).
std::string writeDesc(const SignalTables& desc);

} // namespace veltra::core
