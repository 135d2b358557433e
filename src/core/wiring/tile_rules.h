#pragma once

#include "core/wiring/wire_field.h"

#include <string>

namespace veltra::core {

// The connection tile of a wire sub-cell, chosen from the ids on its four
// sides: "v1.bmp" .. "v12.bmp", "V13.bmp", "V14.bmp", "v0.bmp", with the
// prefix "r" when every side carries an analog connection or none.
std::string tileFileName(const TWireCell& cell);

// The rule number 1..15 that decided (for tests, dumps and the painter).
int tileRule(const TWireCell& cell);
// Whether every side carries an analog connection or none (the "r" tiles).
bool tileAnalogOnly(const TWireCell& cell);
// The file name of a rule's tile; the name depends on nothing else.
std::string tileFileName(int rule, bool analogOnly);

} // namespace veltra::core
