#pragma once

// A BMP decoder for the tests, written independently of the generator's
// writer so that a fault in one is not mirrored by the other. It accepts
// exactly what the program's pictures must be: uncompressed 24-bit,
// bottom-up rows.
#include "tools/artgen/image.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace veltra::artgen::testing {

inline std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b.at(at) | (b.at(at + 1) << 8) | (b.at(at + 2) << 16) | (static_cast<std::uint32_t>(b.at(at + 3)) << 24);
}

inline std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Decodes `bytes`, or gives nullopt with `why` set when they are not a
// well-formed 24-bit bitmap.
inline std::optional<Image> decodeBmp(const std::vector<std::uint8_t>& b, std::string& why) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
    why = "no BM header";
    return std::nullopt;
  }
  const std::uint32_t fileSize = le32(b, 2), offset = le32(b, 10), infoSize = le32(b, 14);
  const auto width = static_cast<std::int32_t>(le32(b, 18)), height = static_cast<std::int32_t>(le32(b, 22));
  if (fileSize != b.size() || offset != 54 || infoSize != 40 || le16(b, 26) != 1 || le16(b, 28) != 24 ||
      le32(b, 30) != 0 || width <= 0 || height <= 0) {
    why = "unexpected header field";
    return std::nullopt;
  }
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
  if (le32(b, 34) != stride * static_cast<std::uint32_t>(height) || offset + stride * height != b.size()) {
    why = "pixel data size mismatch";
    return std::nullopt;
  }
  Image img(width, height);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = offset + static_cast<std::size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const std::size_t p = row + static_cast<std::size_t>(x) * 3;
      img.setPixel(x, y, Rgb{b[p + 2], b[p + 1], b[p]});
    }
  }
  return img;
}

inline bool sameImage(const Image& a, const Image& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!(a.pixel(x, y) == b.pixel(x, y))) return false;
  return true;
}

} // namespace veltra::artgen::testing
