#include "bmp_test_reader.h"
#include "bmp_writer.h"

#include "util/error.h"

#include <gtest/gtest.h>

namespace veltra::artgen {
namespace {

using testing::le16;
using testing::le32;

// Every pixel different, so a swapped row, column or channel shows.
Image numbered(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.setPixel(x, y, Rgb{static_cast<std::uint8_t>(10 + x), static_cast<std::uint8_t>(100 + y), 200});
  return img;
}

TEST(BmpWriter, HeaderFieldsAtTheirOffsets) {
  const std::vector<std::uint8_t> b = encodeBmp(numbered(3, 2));
  // 3 pixels = 9 bytes per row, padded to 12.
  ASSERT_EQ(b.size(), 54u + 2 * 12);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(le32(b, 2), 78u);  // file size
  EXPECT_EQ(le32(b, 6), 0u);   // reserved
  EXPECT_EQ(le32(b, 10), 54u); // pixel offset
  EXPECT_EQ(le32(b, 14), 40u); // BITMAPINFOHEADER
  EXPECT_EQ(le32(b, 18), 3u);  // width
  EXPECT_EQ(le32(b, 22), 2u);  // height, positive: bottom-up
  EXPECT_EQ(le16(b, 26), 1u);  // planes
  EXPECT_EQ(le16(b, 28), 24u); // bits per pixel
  EXPECT_EQ(le32(b, 30), 0u);  // BI_RGB
  EXPECT_EQ(le32(b, 34), 24u); // image size
  EXPECT_EQ(le32(b, 38), 3780u);
  EXPECT_EQ(le32(b, 42), 3780u);
  EXPECT_EQ(le32(b, 46), 0u);
  EXPECT_EQ(le32(b, 50), 0u);
}

TEST(BmpWriter, RowsBottomUpInBlueGreenRedWithZeroPadding) {
  const std::vector<std::uint8_t> b = encodeBmp(numbered(3, 2));
  // First stored row is the bottom row (y = 1), its first pixel (0, 1).
  EXPECT_EQ(b[54], 200);        // blue
  EXPECT_EQ(b[55], 101);        // green = 100 + y
  EXPECT_EQ(b[56], 10);         // red = 10 + x
  EXPECT_EQ(b[54 + 6 + 2], 12); // red of (2, 1)
  for (int pad = 9; pad < 12; ++pad) {
    EXPECT_EQ(b[54 + pad], 0) << pad;
    EXPECT_EQ(b[54 + 12 + pad], 0) << pad;
  }
  EXPECT_EQ(b[54 + 12 + 1], 100); // green of (0, 0) in the second stored row
}

TEST(BmpWriter, StrideIsWholeWords) {
  EXPECT_EQ(bmpRowStride(1), 4u);
  EXPECT_EQ(bmpRowStride(4), 12u);
  EXPECT_EQ(bmpRowStride(7), 24u);
  EXPECT_EQ(bmpRowStride(35), 108u);
  EXPECT_EQ(bmpRowStride(32), 96u);
}

TEST(BmpWriter, IndependentReaderGetsThePictureBack) {
  for (int w : {1, 2, 3, 4, 5, 7, 35}) {
    const Image img = numbered(w, 3);
    std::string why;
    const auto back = testing::decodeBmp(encodeBmp(img), why);
    ASSERT_TRUE(back) << w << ": " << why;
    EXPECT_TRUE(testing::sameImage(*back, img)) << w;
  }
}

TEST(BmpWriter, SamePictureSameBytes) { EXPECT_EQ(encodeBmp(numbered(7, 7)), encodeBmp(numbered(7, 7))); }

TEST(BmpWriter, UnwritableFileIsAnError) {
  EXPECT_THROW(writeBmp("/nonexistent-folder/x.bmp", numbered(2, 2)), core::Error);
}

} // namespace
} // namespace veltra::artgen
