#pragma once

#include "image.h"

#include <cstdint>
#include <string>

namespace veltra::artgen {

// The main window's image list: 39 pictures of 32 × 32, addressed by the
// image index of each tool button.
inline constexpr int kToolbarImageCount = 39;
inline constexpr int kToolbarImageSize = 32;
// The flat background of every toolbar picture (the colour of a button
// face); a toolbar may treat it as transparent.
inline constexpr Rgb kToolbarBackground{240, 240, 240};

enum class ToolPicture : std::uint8_t {
  Module,       // place a module of the given letter
  Connect,      // code '0'
  Disconnect,   // code '1'
  Move,         // code '2'
  FreeText,     // code '7'
  BlockDelete,  // code '9'
  DataEntry,    // code '+'
  DeleteModule, // code '#'
  None,         // codes '3', '6', '8': buttons without an action
  Unused,       // indices no button shows
};

struct ToolbarSlot {
  ToolPicture picture;
  char letter; // module letter for ToolPicture::Module, else 0
};

// Throws core::Error for an index outside 0..38.
ToolbarSlot toolbarSlot(int index);

// "00.bmp" .. "38.bmp".
std::string toolbarFileName(int index);

Image paintToolbarImage(int index);

} // namespace veltra::artgen
