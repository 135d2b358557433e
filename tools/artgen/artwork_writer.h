#pragma once

#include <filesystem>

namespace veltra::artgen {

// Writes every picture the program loads into the program folder:
//   designs/<design>/ModA.bmp .. ModZ.bmp, IModA.bmp .. IModZ.bmp, Mod0.bmp .. Mod9.bmp
//   v0.bmp .. v12.bmp, V13.bmp, V14.bmp and the same with the prefix "r"
//   toolbar/00.bmp .. 38.bmp
//   veltra.bmp (the program icon)
// Creates the folders it needs. Returns the number of files written;
// throws core::Error when a folder or file cannot be written.
int writeArtwork(const std::filesystem::path& programDir);

} // namespace veltra::artgen
