#pragma once

#include "image.h"

#include <span>
#include <string_view>

namespace veltra::artgen {

// One glyph: its character and its pixel rows, row after row, 'X' = ink.
struct GlyphDef {
  char ch;
  std::string_view bits;
};

// A fixed-pitch bitmap font of our own, so that letters look the same on
// every machine, whatever fonts are installed.
class PixelFont {
public:
  // `baseline` is the row the letters stand on; rows below it are for
  // descenders. Throws core::Error when a glyph's bits do not fill the cell.
  PixelFont(int cellWidth, int cellHeight, int baseline, int spacing, std::span<const GlyphDef> glyphs);

  int cellWidth() const { return m_cellWidth; }
  int cellHeight() const { return m_cellHeight; }
  // Height of capitals and digits: the rows down to and with the baseline.
  int capHeight() const { return m_baseline + 1; }
  int spacing() const { return m_spacing; }

  // nullptr for a character the font lacks.
  const GlyphDef* glyph(char ch) const;
  // Whether the glyph has ink at (col, row); false outside its rows.
  bool ink(const GlyphDef& g, int col, int row) const;

private:
  int m_cellWidth;
  int m_cellHeight;
  int m_baseline;
  int m_spacing;
  std::span<const GlyphDef> m_glyphs;
};

// 5 × 7 letters (plus two descender rows), digits and a little punctuation.
const PixelFont& smallFont();
// 8 × 10 heavy capitals and digits with strokes two pixels wide.
const PixelFont& boldFont();

struct TextStyle {
  Rgb color = kBlack;
  int scale = 1;     // every font pixel becomes scale × scale pixels
  bool bold = false; // ink doubled one pixel to the right
};

// Width in pixels of `text` drawn in `font` with `style`.
int textWidth(std::string_view text, const PixelFont& font, const TextStyle& style = {});

// Draws `text` with the top of its capitals at (x, y). Throws core::Error
// for a character the font lacks, rather than leaving a gap in the picture.
void drawText(Image& image, int x, int y, std::string_view text, const PixelFont& font, const TextStyle& style = {});

// Draws `text` centred on the column cx.
void drawTextCentred(Image& image, int cx, int y, std::string_view text, const PixelFont& font,
                     const TextStyle& style = {});

} // namespace veltra::artgen
