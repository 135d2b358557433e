#include "image.h"

#include "util/error.h"

#include <gtest/gtest.h>

namespace veltra::artgen {
namespace {

int inkCount(const Image& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (!(img.pixel(x, y) == kWhite)) ++n;
  return n;
}

TEST(Image, RejectsEmptyAndHugeSizes) {
  EXPECT_THROW(Image(0, 5), core::Error);
  EXPECT_THROW(Image(5, -1), core::Error);
  EXPECT_THROW(Image(5000, 5), core::Error);
}

TEST(Image, ReadingOutsideIsAnErrorDrawingOutsideIsClipped) {
  Image img(4, 3);
  EXPECT_THROW(img.pixel(4, 0), core::Error);
  EXPECT_THROW(img.pixel(0, -1), core::Error);
  img.fillRect(-10, -10, 100, 0, kBlack);
  EXPECT_EQ(inkCount(img), 4); // only the top row
  img.setPixel(-1, 1, kBlack);
  img.hLine(2, 9, 2, kBlack);
  EXPECT_EQ(inkCount(img), 6);
}

TEST(Image, FrameLeavesTheInsideAlone) {
  Image img(10, 8);
  img.frameRect(1, 1, 8, 6, kBlack, 2);
  EXPECT_EQ(img.pixel(1, 1), kBlack);
  EXPECT_EQ(img.pixel(2, 2), kBlack);
  EXPECT_EQ(img.pixel(3, 3), kWhite);
  EXPECT_EQ(img.pixel(7, 5), kBlack);
  EXPECT_EQ(img.pixel(0, 0), kWhite);
  EXPECT_EQ(inkCount(img), 8 * 6 - 4 * 2);
}

TEST(Image, SmallRingIsRoundAndHollow) {
  Image img(5, 5);
  img.ring(2, 2, 2, kBlack);
  // .XXX.
  // X...X
  // X...X
  // X...X
  // .XXX.
  EXPECT_EQ(inkCount(img), 12);
  EXPECT_EQ(img.pixel(0, 0), kWhite);
  EXPECT_EQ(img.pixel(2, 2), kWhite);
  EXPECT_EQ(img.pixel(0, 2), kBlack);
  EXPECT_EQ(img.pixel(2, 4), kBlack);
}

TEST(Image, LineCoversBothEnds) {
  Image img(8, 8);
  img.line(6, 1, 1, 5, kBlack);
  EXPECT_EQ(img.pixel(6, 1), kBlack);
  EXPECT_EQ(img.pixel(1, 5), kBlack);
  EXPECT_EQ(inkCount(img), 6); // one pixel per step of the longer axis
}

} // namespace
} // namespace veltra::artgen
