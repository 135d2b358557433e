#pragma once

#include "core/model/project.h"

#include <string_view>

namespace veltra::core {

// Reads a signal description file over `desc`: line k of a section sets
// entry k of its group, cut to 21 characters; a "--" line moves on to the
// next section (after the last one reading ends); lines beyond a group's
// size are skipped, and entries the file does not reach keep their text.
void readDesc(std::string_view text, SignalTables& desc);

} // namespace veltra::core
