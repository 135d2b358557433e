#include "bmp_writer.h"

#include "core/util/file_io.h"

#include <string_view>

namespace veltra::artgen {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

} // namespace

std::uint32_t bmpRowStride(int width) { return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u; }

std::vector<std::uint8_t> encodeBmp(const Image& image) {
  const std::uint32_t stride = bmpRowStride(image.width());
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height());
  std::vector<std::uint8_t> out;
  out.reserve(kBmpPixelOffset + pixelBytes);

  // BITMAPFILEHEADER
  out.push_back('B');
  out.push_back('M');
  put32(out, kBmpPixelOffset + pixelBytes); // file size
  put16(out, 0);                            // reserved
  put16(out, 0);
  put32(out, kBmpPixelOffset);

  // BITMAPINFOHEADER: positive height = rows stored bottom-up
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(image.width()));
  put32(out, static_cast<std::uint32_t>(image.height()));
  put16(out, 1);  // planes
  put16(out, 24); // bits per pixel
  put32(out, 0);  // BI_RGB
  put32(out, pixelBytes);
  put32(out, static_cast<std::uint32_t>(kBmpPixelsPerMetre));
  put32(out, static_cast<std::uint32_t>(kBmpPixelsPerMetre));
  put32(out, 0); // colours used
  put32(out, 0); // important colours

  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.pixel(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.width()) * 3; pad < stride; ++pad)
      out.push_back(0);
  }
  return out;
}

void writeBmp(const std::filesystem::path& path, const Image& image) {
  const std::vector<std::uint8_t> bytes = encodeBmp(image);
  core::writeFileAtomic(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace veltra::artgen
