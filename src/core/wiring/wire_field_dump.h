#pragma once

#include "core/wiring/wire_field.h"

#include <string>

namespace veltra::core {

// The whole field as text: 75 lines, one per row j = 0..74, each with the 75
// sub-cells of columns i = 0..74 separated by one blank and ended by '\n'.
// A sub-cell is ten lower-case hex digits: state, left, right, bottom, top,
// two digits each.
std::string dumpWireField(const WireField& field);

// A readable picture of the sub-cells i0..i1, j0..j1 (inclusive, clipped to
// the field) for messages of tests and tools: a header of column numbers,
// then per row the row number and per sub-cell its state ('.' free, 'w'
// wire, '#' module area, else the number) and its left, right, bottom and
// top ids ("--" for none).
std::string dumpWireFieldRegion(const WireField& field, int i0, int j0, int i1, int j1);

} // namespace veltra::core
