#include "pixels/bitmap24.h"

#include <gtest/gtest.h>

namespace au {
namespace {

TEST(Bitmap24, RowsArePaddedToFourBytesAndStartBlack) {
  Bitmap24 bmp(5, 3);
  EXPECT_EQ(bmp.Width(), 5);
  EXPECT_EQ(bmp.Height(), 3);
  EXPECT_EQ(bmp.Stride(), 16);  // 15 bytes of pixels, padded
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(bmp.Pixel(x, y), clBlack);
}

TEST(Bitmap24, PixelsAreStoredBlueGreenRed) {
  Bitmap24 bmp(2, 2);
  bmp.SetPixel(1, 1, MakeColor(10, 20, 30));
  const std::uint8_t* p = bmp.Row(1) + 3;
  EXPECT_EQ(p[0], 30);
  EXPECT_EQ(p[1], 20);
  EXPECT_EQ(p[2], 10);
  EXPECT_EQ(bmp.Pixel(1, 1), 0x1E140A);
}

TEST(Bitmap24, CloneIsIndependentAndMoveEmptiesTheSource) {
  Bitmap24 bmp(3, 2);
  bmp.Fill(clMagenta);
  bmp.SetTransparent(clMagenta);
  Bitmap24 copy = bmp.Clone();
  bmp.SetPixel(0, 0, clWhite);
  EXPECT_EQ(copy.Pixel(0, 0), clMagenta);
  EXPECT_TRUE(copy.Transparent());

  Bitmap24 moved = std::move(copy);
  EXPECT_TRUE(copy.Empty());  // NOLINT(bugprone-use-after-move): the moved-from state is defined
  EXPECT_EQ(moved.Pixel(2, 1), clMagenta);
}

TEST(Bitmap24, ResizingToNothingLeavesAnEmptyBitmap) {
  Bitmap24 bmp(4, 4);
  bmp.SetSize(0, 7);
  EXPECT_TRUE(bmp.Empty());
  EXPECT_EQ(bmp.Row0(), nullptr);
  bmp.SetSize(2, 1);
  EXPECT_EQ(bmp.Pixel(1, 0), clBlack);
}

}  // namespace
}  // namespace au
