#pragma once

#include "core/model/types.h"
#include "core/print/report_lists.h"

#include <string>
#include <vector>

namespace veltra::core {

// The lines (UTF-8) the control loop listing prints for the module whose top
// cell `top` stands at (col, row): the heading "Modul: R - Regler   x: 4
// y: 2", the module's text, its parameter lines and, with `connections`,
// its connection lines ("In X3 --- Out X7"). Empty for a cell that is no
// module's top cell.
std::vector<std::string> moduleBlockLines(const TCell& top, int col, int row, const ReportLists& lists,
                                          bool connections);

// The connection lines alone: every port label followed by the number in
// its connection field, an input and the output after it on one line.
std::vector<std::string> connectionLines(const TCell& top);

// Fixed point with three decimals: 1 -> "1.000".
std::string printNumber(double v);

} // namespace veltra::core
