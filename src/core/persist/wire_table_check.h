#pragma once

#include "model/project.h"

namespace veltra::core {

// The number of the first used connection of `wires` (1..100) that names a
// cell outside the grid, at its source or at a used destination slot
// (column not negative); 0 when there is none. Free connections (source
// column negative) and unused slots may hold anything.
int firstWireOutsideGrid(const Project::LoopWires& wires);

} // namespace veltra::core
