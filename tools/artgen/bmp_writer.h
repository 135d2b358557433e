#pragma once

#include "image.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace veltra::artgen {

// Uncompressed 24-bit Windows bitmaps: BITMAPFILEHEADER (14 bytes) and
// BITMAPINFOHEADER (40 bytes), then the rows bottom-up in blue-green-red
// order, each padded to a multiple of 4 bytes. Every field is fixed, so
// the same picture always gives the same bytes on every machine.
inline constexpr std::uint32_t kBmpPixelOffset = 14 + 40;
inline constexpr std::int32_t kBmpPixelsPerMetre = 3780; // 96 dpi

std::uint32_t bmpRowStride(int width);
std::vector<std::uint8_t> encodeBmp(const Image& image);

// Writes the file atomically; throws core::Error when it cannot be written.
void writeBmp(const std::filesystem::path& path, const Image& image);

} // namespace veltra::artgen
