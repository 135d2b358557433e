#pragma once

#include "core/model/project.h"

namespace veltra::core {

// Whether a module of `letter` may be placed with its top cell at (col, row)
// of `loop`: allowed columns and top rows of its type, and every cell of the
// module and its left and right neighbours empty.
bool canPlace(const Project& p, int loop, int col, int row, char letter);

// Writes letter, height and part into the module's cells when canPlace holds.
bool placeModule(Project& p, int loop, int col, int row, char letter);

// Gives the module whose top cell is `top` the defaults of its type: params,
// and the text (a signal module takes the description of signal 1 of its
// group; others get their default text only when their text is empty).
void createModuleDefaults(const Project& p, TCell& top);

// Deletes the module that owns (col, row) of `loop` with all its cells,
// detaching or removing its connections. Nothing for an empty cell.
void deleteModule(Project& p, int loop, int col, int row);

// Row of the top cell of the module that owns (col, row): row - (part - 1),
// clamped to the grid.
int topRowOf(const TCell& c, int row);

} // namespace veltra::core

namespace veltra::core {

// Whether the module of `height` rows whose top cell is (fromCol, fromRow)
// may move so that its top cell is (toCol, toRow): inside the grid and every
// target cell empty or its own. The placement rules do not apply to a move.
bool canMoveModule(const Project& p, int loop, int fromCol, int fromRow, int height, int toCol, int toRow);

// Moves the module (its cells copied beforehand into `cells`, top first):
// empties the old cells, makes every connection end follow (each exactly
// once, also when the module moves down within its own column), and writes
// the cells at the new place. Call only when canMoveModule holds.
void moveModule(Project& p, int loop, const TCell* cells, int height, int fromCol, int fromRow, int toCol, int toRow);

} // namespace veltra::core
