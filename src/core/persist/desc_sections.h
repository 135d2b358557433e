#pragma once

#include "core/model/signal_group.h"

#include <array>
#include <string_view>

namespace veltra::core {

// The signal description file holds the description tables in this fixed
// order, each section followed by a separator line.
inline constexpr std::array<SignalGroup, 9> kDescSections = {SignalGroup::E, SignalGroup::F, SignalGroup::I,
                                                             SignalGroup::S, SignalGroup::A, SignalGroup::Q,
                                                             SignalGroup::V, SignalGroup::H, SignalGroup::M};
inline constexpr std::string_view kDescSeparator = "--";
inline constexpr std::string_view kLineEnd = "\r\n";

} // namespace veltra::core
