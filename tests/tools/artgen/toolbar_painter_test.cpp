#include "toolbar_painter.h"

#include "util/error.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace veltra::artgen {
namespace {

// The tool buttons of the main window: image index -> tool code. Image 33
// serves the two buttons without an action, '3' and '8'.
const std::map<int, char> kButtons = {
    {4, 'E'},  {6, 'I'},  {22, 'V'}, {19, 'S'}, {5, 'H'},  {3, 'M'},  {7, 'A'},  {8, 'Q'},  {9, 'B'},
    {12, 'G'}, {11, 'K'}, {20, 'D'}, {13, 'Y'}, {15, 'R'}, {16, 'C'}, {21, 'W'}, {14, 'N'}, {10, 'T'},
    {17, 'P'}, {18, 'Z'}, {0, 'U'},  {1, 'O'},  {2, 'X'},  {28, '0'}, {29, '1'}, {30, '2'}, {33, '3'},
    {31, '6'}, {34, '7'}, {33, '8'}, {26, '9'}, {24, '+'}, {23, '#'}, {25, 'J'}, {37, 'F'}, {38, 'L'}};

ToolPicture pictureOfCode(char code) {
  switch (code) {
  case '0':
    return ToolPicture::Connect;
  case '1':
    return ToolPicture::Disconnect;
  case '2':
    return ToolPicture::Move;
  case '3':
  case '6':
  case '8':
    return ToolPicture::None;
  case '7':
    return ToolPicture::FreeText;
  case '9':
    return ToolPicture::BlockDelete;
  case '+':
    return ToolPicture::DataEntry;
  case '#':
    return ToolPicture::DeleteModule;
  default:
    return ToolPicture::Module;
  }
}

bool same(const Image& a, const Image& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!(a.pixel(x, y) == b.pixel(x, y))) return false;
  return true;
}

TEST(ToolbarPainter, EveryButtonFindsItsPicture) {
  for (const auto& [index, code] : kButtons) {
    const ToolbarSlot slot = toolbarSlot(index);
    EXPECT_EQ(slot.picture, pictureOfCode(code)) << "image " << index << " for code " << code;
    if (slot.picture == ToolPicture::Module) {
      EXPECT_EQ(slot.letter, code) << "image " << index;
    }
  }
}

TEST(ToolbarPainter, IndicesNoButtonUsesAreMarkedUnused) {
  for (int i = 0; i < kToolbarImageCount; ++i)
    if (!kButtons.contains(i)) {
      EXPECT_EQ(toolbarSlot(i).picture, ToolPicture::Unused) << i;
    }
}

TEST(ToolbarPainter, EveryModuleLetterHasExactlyOnePicture) {
  std::set<char> letters;
  for (int i = 0; i < kToolbarImageCount; ++i)
    if (toolbarSlot(i).picture == ToolPicture::Module) {
      EXPECT_TRUE(letters.insert(toolbarSlot(i).letter).second) << i;
    }
  EXPECT_EQ(letters.size(), 26u);
}

TEST(ToolbarPainter, PicturesAre32SquareOnTheButtonFace) {
  for (int i = 0; i < kToolbarImageCount; ++i) {
    const Image img = paintToolbarImage(i);
    ASSERT_EQ(img.width(), 32) << i;
    ASSERT_EQ(img.height(), 32) << i;
    EXPECT_EQ(img.pixel(0, 0), kToolbarBackground) << i;
    EXPECT_EQ(img.pixel(0, 31), kToolbarBackground) << i;
    EXPECT_EQ(img.pixel(31, 0), kToolbarBackground) << i;
  }
}

TEST(ToolbarPainter, DifferentToolsLookDifferent) {
  // Pictures of the same kind without a letter may repeat; all others differ.
  for (int i = 0; i < kToolbarImageCount; ++i)
    for (int j = i + 1; j < kToolbarImageCount; ++j) {
      const ToolbarSlot a = toolbarSlot(i), b = toolbarSlot(j);
      const bool sameKind = a.picture == b.picture && a.letter == b.letter;
      EXPECT_EQ(same(paintToolbarImage(i), paintToolbarImage(j)), sameKind) << i << " / " << j;
    }
}

TEST(ToolbarPainter, FileNamesHaveTwoDigits) {
  EXPECT_EQ(toolbarFileName(0), "00.bmp");
  EXPECT_EQ(toolbarFileName(7), "07.bmp");
  EXPECT_EQ(toolbarFileName(38), "38.bmp");
  EXPECT_THROW(toolbarFileName(39), core::Error);
  EXPECT_THROW(paintToolbarImage(-1), core::Error);
}

} // namespace
} // namespace veltra::artgen
