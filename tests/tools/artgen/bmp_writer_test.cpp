#include "bmp_test_reader.h"
#include "bmp_writer.h"

#include "util/error.h"

#include <gtest/gtest.h>

namespace veltra::artgen {
namespace {

// Every pixel different, so a swapped row, column or channel shows.
Image numbered(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.setPixel(x, y, Rgb{static_cast<std::uint8_t>(10 + x), static_cast<std::uint8_t>(100 + y), 200});
  return img;
}

TEST(BmpWriter, HeaderAndRowsBottomUpInBlueGreenRedWithZeroPadding) {
  const std::vector<std::uint8_t> b = encodeBmp(numbered(3, 2));
  ASSERT_EQ(b.size(), 54u + 2 * 12); // 9 bytes per row, padded to 12
  EXPECT_TRUE(b[0] == 'B' && b[1] == 'M');
  // offset, value: file size, reserved, pixel offset, info size, width,
  // height (positive: bottom-up), BI_RGB, image size, 96 dpi twice, colours.
  const std::pair<std::size_t, std::uint32_t> fields[] = {{2, 78}, {6, 0},   {10, 54},   {14, 40},   {18, 3}, {22, 2},
                                                          {30, 0}, {34, 24}, {38, 3780}, {42, 3780}, {46, 0}, {50, 0}};
  for (const auto& [at, value] : fields)
    EXPECT_EQ(testing::le32(b, at), value) << "offset " << at;
  EXPECT_TRUE(testing::le16(b, 26) == 1u && testing::le16(b, 28) == 24u); // planes, bits per pixel
  // The first stored row is the bottom one (y = 1): blue, green, red.
  const std::vector<std::uint8_t> row1(b.begin() + 54, b.begin() + 66), row0(b.begin() + 66, b.end());
  EXPECT_EQ(row1, (std::vector<std::uint8_t>{200, 101, 10, 200, 101, 11, 200, 101, 12, 0, 0, 0}));
  EXPECT_EQ(row0, (std::vector<std::uint8_t>{200, 100, 10, 200, 100, 11, 200, 100, 12, 0, 0, 0}));
}

TEST(BmpWriter, IndependentReaderGetsEveryPaddingBack) {
  for (int w : {1, 2, 3, 4, 5, 7, 35}) {
    const Image img = numbered(w, 3);
    std::string why;
    const auto back = testing::decodeBmp(encodeBmp(img), why);
    ASSERT_TRUE(back) << w << ": " << why;
    EXPECT_TRUE(testing::sameImage(*back, img)) << w;
  }
}

TEST(BmpWriter, BadSizesReadsOutsideAndUnwritableFilesAreErrors) {
  EXPECT_THROW(Image(0, 5), core::Error);
  EXPECT_THROW(Image(5000, 5), core::Error);
  EXPECT_THROW(numbered(4, 3).pixel(4, 0), core::Error);
  EXPECT_THROW(writeBmp("/nonexistent-folder/x.bmp", numbered(2, 2)), core::Error);
}

} // namespace
} // namespace veltra::artgen
