#pragma once

#include "core/model/project.h"

namespace veltra::core {

// Adds destination (dstCol, dstRow) to connection n of `loop` (analog:
// XWires with XA/XE, digital: YWires with YA/YE) in its first free
// destination slot, and sets the source, the source cell's output field and
// the destination cell's input field. False, with nothing changed, when all
// 20 slots are used or an argument is out of range.
bool addDestination(Project& p, int loop, bool analog, int n, int srcCol, int srcRow, int dstCol, int dstRow);

} // namespace veltra::core
