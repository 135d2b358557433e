#include "toolbar_painter.h"

#include "bmp_test_reader.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <string>

namespace veltra::artgen {
namespace {

// Tool buttons by image index ('.' none; 33 also serves '8'); kCodes have own pictures, others place modules.
const std::string kButtons = "UOXMEHIAQBTKGYNRCPZSDWV#+J9.0126.37..FL";
const std::string kCodes = "0123679+#";
const ToolPicture kPictures[] = {ToolPicture::Connect,     ToolPicture::Disconnect, ToolPicture::Move,
                                 ToolPicture::None,        ToolPicture::None,       ToolPicture::FreeText,
                                 ToolPicture::BlockDelete, ToolPicture::DataEntry,  ToolPicture::DeleteModule};

TEST(ToolbarPainter, EveryButtonFindsItsPictureAndOthersAreUnused) {
  ASSERT_EQ(kButtons.size(), std::size_t{kToolbarImageCount});
  for (int i = 0; i < kToolbarImageCount; ++i) {
    const ToolbarSlot slot = toolbarSlot(i);
    const char code = kButtons[static_cast<std::size_t>(i)];
    const std::size_t own = kCodes.find(code);
    const bool module = code != '.' && own == std::string::npos;
    EXPECT_EQ(slot.picture, code == '.' ? ToolPicture::Unused : module ? ToolPicture::Module : kPictures[own]) << i;
    if (module) {
      EXPECT_EQ(slot.letter, code) << i;
    }
  }
  EXPECT_THROW(toolbarSlot(39), core::Error);
  EXPECT_THROW(paintToolbarImage(-1), core::Error);
}

TEST(ToolbarPainter, DifferentToolsLookDifferentOnTheButtonFace) {
  // Pictures of the same kind without a letter may repeat; all others differ.
  for (int i = 0; i < kToolbarImageCount; ++i) {
    const Image a = paintToolbarImage(i);
    ASSERT_TRUE(a.width() == 32 && a.height() == 32) << i;
    for (const auto& [x, y] : {std::pair{0, 0}, {0, 31}, {31, 0}})
      EXPECT_EQ(a.pixel(x, y), kToolbarBackground) << i;
    for (int j = i + 1; j < kToolbarImageCount; ++j) {
      const ToolbarSlot s = toolbarSlot(i), t = toolbarSlot(j);
      EXPECT_EQ(testing::sameImage(a, paintToolbarImage(j)), s.picture == t.picture && s.letter == t.letter)
          << i << " / " << j;
    }
  }
}

} // namespace
} // namespace veltra::artgen
