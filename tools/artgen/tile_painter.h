#pragma once

#include "image.h"

#include "core/editor/grid_geometry.h"

#include <cstdint>
#include <string>

namespace veltra::artgen {

// Connection tiles: one 7 × 7 picture per sub-cell of the routing field,
// chosen by the sides through which lines leave it. The line runs through
// the middle pixel (3, 3), so that neighbouring tiles join edge to edge.
inline constexpr int kTileSize = core::kSubCellPx;
inline constexpr int kTileMid = kTileSize / 2;
inline constexpr int kTileCount = 15; // v0 .. v12, V13, V14

enum TileSide : std::uint8_t { kSideLeft = 1, kSideRight = 2, kSideTop = 4, kSideBottom = 8 };

// The sides tile `number` reaches (a TileSide mask): v1 left+right, v2
// top+bottom, v3..v6 the four corners, v7..v10 the four junctions, v11 and
// v12 all four (joined, resp. crossing), V13 and V14 all four as two
// separate corners, v0 none.
unsigned tileSides(int number);

// Whether the lines of the tile meet in the middle (a junction dot is drawn).
bool tileJoins(int number);

// "v1.bmp", "V13.bmp"; with the prefix "r" for analog connections.
std::string tileFileName(int number, bool analog);

// Black for digital connections, red for analog ones, on white.
Image paintTile(int number, bool analog);

} // namespace veltra::artgen
