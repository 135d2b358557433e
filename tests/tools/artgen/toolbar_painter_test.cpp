#include "tools/artgen/toolbar_painter.h"

#include "core/util/error.h"

#include <gtest/gtest.h>

#include <string>

namespace veltra::artgen {
namespace {

// Tool buttons by image index ('.' none); kCodes have own pictures, others place modules.
const std::string kButtons = "UOXMEHIAQBTKGYNRCPZSDWV#+J9.0126.37..FL";
const std::string kCodes = "0123679+#";
const ToolPicture kPictures[] = {ToolPicture::Connect,     ToolPicture::Disconnect, ToolPicture::Move,
                                 ToolPicture::None,        ToolPicture::None,       ToolPicture::FreeText,
                                 ToolPicture::BlockDelete, ToolPicture::DataEntry,  ToolPicture::DeleteModule};

// A shifted index puts the wrong picture on a button; the window expects 39 pictures of 32 x 32.
TEST(ToolbarPainter, EveryButtonFindsItsPictureAtTheButtonSize) {
  ASSERT_EQ(kButtons.size(), std::size_t{kToolbarImageCount});
  for (int i = 0; i < kToolbarImageCount; ++i) {
    const ToolbarSlot slot = toolbarSlot(i);
    const char code = kButtons[static_cast<std::size_t>(i)];
    const std::size_t own = kCodes.find(code);
    const bool module = code != '.' && own == std::string::npos;
    EXPECT_EQ(slot.picture, code == '.' ? ToolPicture::Unused : module ? ToolPicture::Module : kPictures[own]) << i;
    EXPECT_TRUE(!module || slot.letter == code) << i;
    const Image img = paintToolbarImage(i);
    EXPECT_TRUE(img.width() == 32 && img.height() == 32) << i;
  }
  EXPECT_THROW(toolbarSlot(39), core::Error);
  EXPECT_THROW(paintToolbarImage(-1), core::Error);
}

} // namespace
} // namespace veltra::artgen
