#pragma once

#include <cstdint>
#include <vector>

namespace veltra::artgen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The few colours every picture shares: the tiles and port marks must agree,
// since a line leaves a symbol exactly where its tile begins.
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kAnalogRed{255, 0, 0};

// A 24-bit picture in memory, origin top-left, y downwards. Drawing outside
// the picture is clipped, so painters need not guard their shapes.
class Image {
public:
  Image(int width, int height, Rgb background = kWhite);

  int width() const { return m_width; }
  int height() const { return m_height; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

  Rgb pixel(int x, int y) const;
  void setPixel(int x, int y, Rgb c);

  // Rectangles and lines take inclusive corner coordinates.
  void fillRect(int x0, int y0, int x1, int y1, Rgb c);
  void frameRect(int x0, int y0, int x1, int y1, Rgb c, int thickness = 1);
  void hLine(int x0, int x1, int y, Rgb c);
  void vLine(int x, int y0, int y1, Rgb c);
  // Any direction, one pixel wide (Bresenham).
  void line(int x0, int y0, int x1, int y1, Rgb c);
  // Circles by the midpoint rule: `ring` draws the outline of the given
  // thickness (inwards), `disc` fills.
  void ring(int cx, int cy, int radius, Rgb c, int thickness = 1);
  void disc(int cx, int cy, int radius, Rgb c);
  // Copies `src` with its top-left corner at (x, y).
  void blit(const Image& src, int x, int y);

private:
  int m_width;
  int m_height;
  std::vector<Rgb> m_pixels;
};

} // namespace veltra::artgen
