#include "image.h"

#include "core/util/error.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace veltra::artgen {

Image::Image(int width, int height, Rgb background) : m_width(width), m_height(height) {
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
    throw core::Error("Bildgröße " + std::to_string(width) + " × " + std::to_string(height) + " ist unzulässig.");
  m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background);
}

Rgb Image::pixel(int x, int y) const {
  if (!contains(x, y))
    throw core::Error("Bildpunkt (" + std::to_string(x) + ", " + std::to_string(y) + ") liegt außerhalb des Bildes.");
  return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)];
}

void Image::setPixel(int x, int y, Rgb c) {
  if (contains(x, y))
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)] = c;
}

void Image::fillRect(int x0, int y0, int x1, int y1, Rgb c) {
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  for (int y = std::max(y0, 0); y <= std::min(y1, m_height - 1); ++y)
    for (int x = std::max(x0, 0); x <= std::min(x1, m_width - 1); ++x)
      setPixel(x, y, c);
}

void Image::frameRect(int x0, int y0, int x1, int y1, Rgb c, int thickness) {
  for (int t = 0; t < thickness; ++t) {
    hLine(x0 + t, x1 - t, y0 + t, c);
    hLine(x0 + t, x1 - t, y1 - t, c);
    vLine(x0 + t, y0 + t, y1 - t, c);
    vLine(x1 - t, y0 + t, y1 - t, c);
  }
}

void Image::hLine(int x0, int x1, int y, Rgb c) { fillRect(x0, y, x1, y, c); }

void Image::vLine(int x, int y0, int y1, Rgb c) { fillRect(x, y0, x, y1, c); }

void Image::line(int x0, int y0, int x1, int y1, Rgb c) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    setPixel(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

namespace {

// Inside test with the squared radius widened by r, which gives round
// small circles instead of diamonds.
bool insideCircle(int dx, int dy, int radius) { return dx * dx + dy * dy <= radius * radius + radius; }

} // namespace

void Image::ring(int cx, int cy, int radius, Rgb c, int thickness) {
  for (int y = -radius; y <= radius; ++y)
    for (int x = -radius; x <= radius; ++x)
      if (insideCircle(x, y, radius) && !insideCircle(x, y, radius - thickness)) setPixel(cx + x, cy + y, c);
}

void Image::disc(int cx, int cy, int radius, Rgb c) {
  for (int y = -radius; y <= radius; ++y)
    for (int x = -radius; x <= radius; ++x)
      if (insideCircle(x, y, radius)) setPixel(cx + x, cy + y, c);
}

void Image::blit(const Image& src, int x, int y) {
  for (int sy = 0; sy < src.height(); ++sy)
    for (int sx = 0; sx < src.width(); ++sx)
      setPixel(x + sx, y + sy, src.pixel(sx, sy));
}

} // namespace veltra::artgen
