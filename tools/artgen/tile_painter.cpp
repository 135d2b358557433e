#include "tile_painter.h"

#include "core/util/error.h"

#include <array>

namespace veltra::artgen {

namespace {

enum class TileKind : std::uint8_t {
  Unknown,  // a side combination the drawing rules do not cover
  Arms,     // straight arms from the middle to each side
  Junction, // arms with a dot where they join
  Crossing, // two runs crossing without connection
  TwoCorners,
};

struct TileDef {
  unsigned sides;
  TileKind kind;
};

constexpr unsigned L = kSideLeft, R = kSideRight, T = kSideTop, B = kSideBottom;

constexpr std::array<TileDef, kTileCount> kTiles{{
    {0, TileKind::Unknown},                // v0
    {L | R, TileKind::Arms},               // v1 horizontal
    {T | B, TileKind::Arms},               // v2 vertical
    {L | T, TileKind::Arms},               // v3 corner left-top
    {R | T, TileKind::Arms},               // v4 corner right-top
    {L | B, TileKind::Arms},               // v5 corner left-bottom
    {R | B, TileKind::Arms},               // v6 corner right-bottom
    {L | R | B, TileKind::Junction},       // v7 branch down
    {L | R | T, TileKind::Junction},       // v8 branch up
    {T | B | L, TileKind::Junction},       // v9 branch left
    {T | B | R, TileKind::Junction},       // v10 branch right
    {L | R | T | B, TileKind::Junction},   // v11 one connection on all sides
    {L | R | T | B, TileKind::Crossing},   // v12 two connections crossing
    {L | R | T | B, TileKind::TwoCorners}, // V13 left-top and right-bottom
    {L | R | T | B, TileKind::TwoCorners}, // V14 left-bottom and right-top
}};

const TileDef& tileDef(int number) {
  if (number < 0 || number >= kTileCount)
    throw core::Error("Verbindungsbild " + std::to_string(number) + " gibt es nicht.");
  return kTiles[static_cast<std::size_t>(number)];
}

constexpr int M = kTileMid;
constexpr int E = kTileSize - 1;

void drawArms(Image& img, unsigned sides, Rgb c) {
  if (sides & kSideLeft) img.hLine(0, M, M, c);
  if (sides & kSideRight) img.hLine(M, E, M, c);
  if (sides & kSideTop) img.vLine(M, 0, M, c);
  if (sides & kSideBottom) img.vLine(M, M, E, c);
}

// A corner cut diagonally before the middle, so two of them in one tile
// keep the middle pixel free and never seem to touch.
void drawCutCorner(Image& img, int sx, int sy, Rgb c) {
  const int hx = sx < 0 ? 0 : E; // end on the left or right side
  const int vy = sy < 0 ? 0 : E; // end on the top or bottom side
  img.hLine(hx, M + sx * 2, M, c);
  img.setPixel(M + sx, M + sy, c);
  img.vLine(M, M + sy * 2, vy, c);
}

} // namespace

unsigned tileSides(int number) { return tileDef(number).sides; }

bool tileJoins(int number) { return tileDef(number).kind == TileKind::Junction; }

std::string tileFileName(int number, bool analog) {
  tileDef(number);
  const char* stem = number >= 13 ? "V" : "v";
  return std::string(analog ? "r" : "") + stem + std::to_string(number) + ".bmp";
}

Image paintTile(int number, bool analog) {
  const TileDef& def = tileDef(number);
  const Rgb c = analog ? kAnalogRed : kBlack;
  Image img(kTileSize, kTileSize);
  switch (def.kind) {
  case TileKind::Unknown:
    // A small diagonal cross: visible, but clearly not a line.
    img.line(M - 1, M - 1, M + 1, M + 1, c);
    img.line(M - 1, M + 1, M + 1, M - 1, c);
    break;
  case TileKind::Arms:
    drawArms(img, def.sides, c);
    break;
  case TileKind::Junction:
    drawArms(img, def.sides, c);
    img.fillRect(M - 1, M - 1, M + 1, M + 1, c);
    break;
  case TileKind::Crossing:
    // The vertical run passes; the horizontal one breaks off a pixel
    // before it on both sides, which reads as "not joined".
    img.vLine(M, 0, E, c);
    img.hLine(0, M - 2, M, c);
    img.hLine(M + 2, E, M, c);
    break;
  case TileKind::TwoCorners:
    if (number == 13) {
      drawCutCorner(img, -1, -1, c);
      drawCutCorner(img, +1, +1, c);
    } else {
      drawCutCorner(img, -1, +1, c);
      drawCutCorner(img, +1, -1, c);
    }
    break;
  }
  return img;
}

} // namespace veltra::artgen
