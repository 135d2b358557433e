#pragma once

#include "core/model/project.h"
#include "core/persist/loop_record.h"

#include <cstdint>
#include <span>

namespace veltra::core {

// A quick check, without branches, on the stored bytes of a connection table
// (the 100 TWire records): true only when every used end lies in the grid.
// It passes the tables the editor writes; when it does not pass,
// firstWireOutsideGrid decides.
bool plainlyInGrid(std::span<const std::uint8_t, kWireTableSize> stored);

// The number of the first used connection of `wires` (1..100) that names a
// cell outside the grid, at its source or at a used destination slot
// (column not negative); 0 when there is none. Free connections (source
// column negative) and unused slots may hold anything.
int firstWireOutsideGrid(const Project::LoopWires& wires);

} // namespace veltra::core
