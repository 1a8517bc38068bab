#include <gtest/gtest.h>

#include <cmath>

#include "pixels/bitmap_blend.h"
#include "pixels/blend_with_key.h"
#include "pixels/tac_fast24.h"
#include "pixels/tac_fast_sum24.h"

namespace au {
namespace {

// The byte blend, written out independently of the implementation.
int Blended(int d, int s, int alpha) {
  return (d * alpha + s * (255 - alpha) + 127) >> 8;
}

TColor BlendedColor(TColor d, TColor s, int alpha) {
  return MakeColor(Blended(RedOf(d), RedOf(s), alpha), Blended(GreenOf(d), GreenOf(s), alpha),
                   Blended(BlueOf(d), BlueOf(s), alpha));
}

// A picture whose every pixel differs from its neighbours.
Bitmap24 Numbered(int width, int height) {
  Bitmap24 b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.SetPixel(x, y, MakeColor(10 + 20 * x, 15 + 30 * y, 200 - x - y));
  return b;
}

TEST(Fast24, ReadsPixelsOfPicturesOfAtLeastTwoByTwo) {
  const Bitmap24 picture = Numbered(3, 2);
  ASSERT_TRUE(Fast24.Attach(picture));
  EXPECT_EQ(Fast24.Width, 3);
  EXPECT_EQ(Fast24.Height, 2);
  EXPECT_EQ(Fast24.Pixel(2, 1), picture.Pixel(2, 1));
  EXPECT_EQ(Fast24.Pixel(0, 0), picture.Pixel(0, 0));

  const Bitmap24 line(5, 1);
  EXPECT_FALSE(Fast24.Attach(line));
  EXPECT_EQ(Fast24.Width, 0);
}

TEST(ByteBlend, AlphaIsTheShareThatTheDestinationKeeps) {
  Bitmap24 destination(2, 2);
  Bitmap24 source(2, 2);
  destination.SetPixel(0, 0, MakeColor(255, 1, 0));
  source.SetPixel(0, 0, MakeColor(0, 200, 255));
  destination.SetPixel(1, 1, MakeColor(128, 128, 128));
  source.SetPixel(1, 1, MakeColor(1, 255, 128));

  Bitmap24 kept = destination.Clone();
  BlendWholeBitmaps(kept, source, 255);
  // 255 keeps the destination up to the rounding of the shift: 1 stays 1, but
  // (255 * 255 + 127) >> 8 is 254.
  EXPECT_EQ(kept.Pixel(0, 0), MakeColor(254, 1, 0));
  EXPECT_EQ(kept.Pixel(1, 1), MakeColor(127, 127, 127));

  Bitmap24 taken = destination.Clone();
  BlendWholeBitmaps(taken, source, 0);
  EXPECT_EQ(taken.Pixel(0, 0), MakeColor(0, 199, 254));
  EXPECT_EQ(taken.Pixel(1, 1), MakeColor(1, 254, 127));

  Bitmap24 half = destination.Clone();
  BlendWholeBitmaps(half, source, 128);
  EXPECT_EQ(half.Pixel(0, 0), BlendedColor(destination.Pixel(0, 0), source.Pixel(0, 0), 128));
  EXPECT_EQ(half.Pixel(0, 0), MakeColor(127, 100, 127));
}

TEST(ByteBlend, WholeBitmapsMustMatchAndBeAtLeastTwoByTwo) {
  Bitmap24 source = Numbered(4, 3);
  Bitmap24 other(3, 4);
  other.Fill(clWhite);
  BlendWholeBitmaps(other, source, 0);
  EXPECT_EQ(other.Pixel(0, 0), clWhite);

  Bitmap24 line(5, 1);
  Bitmap24 lineSource(5, 1);
  lineSource.Fill(clWhite);
  BlendWholeBitmaps(line, lineSource, 0);
  EXPECT_EQ(line.Pixel(2, 0), clBlack);

  EXPECT_FALSE(FastSum24.Attach(lineSource, line));
  EXPECT_TRUE(FastSum24.Attach(source, other));
}

TEST(ByteBlend, RectanglesOutsideTheirBitmapsAreRefused) {
  Bitmap24 source = Numbered(4, 4);
  Bitmap24 destination(4, 4);
  ASSERT_TRUE(FastSum24.Attach(source, destination));
  FastSum24.Alpha = 0;
  FastSum24.DestLeft = 1;
  FastSum24.DestTop = 0;
  FastSum24.DestRight = 5;  // one column beyond the destination
  FastSum24.DestBottom = 2;
  FastSum24.SrcLeft = 0;
  FastSum24.SrcTop = 0;
  FastSum24.SrcRight = 4;
  FastSum24.SrcBottom = 2;
  EXPECT_FALSE(FastSum24.Blend());
  FastSum24.DestRight = 4;  // now one column narrower than the source rectangle
  EXPECT_FALSE(FastSum24.Blend());
  FastSum24.SrcRight = 3;
  EXPECT_TRUE(FastSum24.Blend());
  EXPECT_EQ(destination.Pixel(0, 0), clBlack);
  EXPECT_EQ(destination.Pixel(1, 0), BlendedColor(clBlack, source.Pixel(0, 0), 0));
}

TEST(ByteBlend, RectanglesAreAlignedAtTheirBottomEdges) {
  // A bitmap blended onto itself one pixel lower: the rows are processed from
  // the bottom, so every row reads its source before that row is changed.
  Bitmap24 b = Numbered(2, 4);
  const Bitmap24 original = b.Clone();
  ASSERT_TRUE(FastSum24.Attach(b, b));
  FastSum24.Alpha = 0;
  FastSum24.DestLeft = 0;
  FastSum24.DestTop = 1;
  FastSum24.DestRight = 2;
  FastSum24.DestBottom = 4;
  FastSum24.SrcLeft = 0;
  FastSum24.SrcTop = 0;
  FastSum24.SrcRight = 2;
  FastSum24.SrcBottom = 3;
  ASSERT_TRUE(FastSum24.Blend());
  for (int y = 1; y < 4; ++y)
    EXPECT_EQ(b.Pixel(1, y), BlendedColor(original.Pixel(1, y), original.Pixel(1, y - 1), 0));
  EXPECT_EQ(b.Pixel(0, 0), original.Pixel(0, 0));
}

TEST(ByteBlendRect, NegativePointBlendsOnlyTheVisiblePart) {
  const Bitmap24 source = Numbered(4, 4);
  Bitmap24 destination(4, 4);
  BlendBitmapRect(destination, source, 0, {-1, -2}, {0, 0, 4, 4});
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const TColor expected =
          x < 3 && y < 2 ? BlendedColor(clBlack, source.Pixel(x + 1, y + 2), 0) : clBlack;
      EXPECT_EQ(destination.Pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(ByteBlendRect, ClippedAtTheFarEdgesOfBothBitmaps) {
  const Bitmap24 source = Numbered(4, 4);
  Bitmap24 destination(4, 4);
  BlendBitmapRect(destination, source, 0, {3, 2}, {1, 1, 9, 9});
  EXPECT_EQ(destination.Pixel(3, 2), BlendedColor(clBlack, source.Pixel(1, 1), 0));
  EXPECT_EQ(destination.Pixel(3, 3), BlendedColor(clBlack, source.Pixel(1, 2), 0));
  EXPECT_EQ(destination.Pixel(2, 2), clBlack);
  EXPECT_EQ(destination.Pixel(3, 1), clBlack);

  Bitmap24 untouched(4, 4);
  BlendBitmapRect(untouched, source, 0, {4, 0}, {0, 0, 4, 4});
  BlendBitmapRect(untouched, source, 0, {0, 0}, {4, 0, 8, 4});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(untouched.Pixel(x, y), clBlack);
}

TEST(ByteBlendRect, SourceRectangleBeforeTheSourceKeepsPixelsWhereTheyWereAimed) {
  // Columns -2 and -1 do not exist; source column 0 still lands two columns
  // right of the point.
  const Bitmap24 source = Numbered(4, 4);
  Bitmap24 destination(6, 4);
  BlendBitmapRect(destination, source, 0, {1, 0}, {-2, 0, 2, 2});
  EXPECT_EQ(destination.Pixel(1, 0), clBlack);
  EXPECT_EQ(destination.Pixel(2, 0), clBlack);
  EXPECT_EQ(destination.Pixel(3, 0), BlendedColor(clBlack, source.Pixel(0, 0), 0));
  EXPECT_EQ(destination.Pixel(4, 1), BlendedColor(clBlack, source.Pixel(1, 1), 0));
  EXPECT_EQ(destination.Pixel(5, 0), clBlack);
}

TEST(KeyBlend, MixesEachChannelByTheFactorAndRoundsHalvesToEven) {
  Bitmap24 source(3, 1);
  source.SetPixel(0, 0, MakeColor(100, 101, 7));
  source.SetPixel(1, 0, clMagenta);
  source.SetPixel(2, 0, MakeColor(0, 255, 10));
  Bitmap24 destination(3, 1);
  destination.SetPixel(0, 0, MakeColor(51, 0, 7));
  destination.SetPixel(1, 0, MakeColor(1, 2, 3));
  destination.SetPixel(2, 0, MakeColor(255, 0, 20));

  BlendWithKey(destination, 0, 0, clMagenta, 0.5, {0, 0, 2, 0}, source);
  // 100 - 0.5 * 49 = 75.5 -> 76; 101 - 0.5 * 101 = 50.5 -> 50.
  EXPECT_EQ(destination.Pixel(0, 0), MakeColor(76, 50, 7));
  EXPECT_EQ(destination.Pixel(1, 0), MakeColor(1, 2, 3));  // under magenta: untouched
  EXPECT_EQ(destination.Pixel(2, 0), MakeColor(128, 128, 15));

  BlendWithKey(destination, 0, 0, kNoColorKey, 0.0, {1, 0, 1, 0}, source);
  EXPECT_EQ(destination.Pixel(0, 0), clMagenta);  // no key: the magenta is copied
}

TEST(KeyBlend, RectangleIsInclusiveAndClippedToBothBitmaps) {
  const Bitmap24 source = Numbered(4, 4);
  Bitmap24 destination(3, 3);
  destination.Fill(clWhite);
  // Starts one column and row before the source: the destination start moves
  // with it. Ends beyond the source: cut at its last column and row.
  BlendWithKey(destination, 1, 0, clMagenta, 0.0, {-1, -1, 9, 9}, source);
  EXPECT_EQ(destination.Pixel(0, 0), clWhite);
  EXPECT_EQ(destination.Pixel(1, 0), clWhite);
  EXPECT_EQ(destination.Pixel(2, 0), clWhite);
  EXPECT_EQ(destination.Pixel(2, 1), source.Pixel(0, 0));
  EXPECT_EQ(destination.Pixel(2, 2), source.Pixel(0, 1));

  Bitmap24 target(4, 4);
  BlendWithKey(target, -2, 1, clMagenta, 0.0, {0, 0, 3, 3}, source);
  EXPECT_EQ(target.Pixel(0, 1), source.Pixel(2, 0));
  EXPECT_EQ(target.Pixel(1, 3), source.Pixel(3, 2));
  EXPECT_EQ(target.Pixel(2, 1), clBlack);
  EXPECT_EQ(target.Pixel(0, 0), clBlack);
}

TEST(KeyBlend, LargeAreasGiveTheSameBytesAsSmallOnes) {
  // Big blends look their answers up in a table; every byte must still be
  // round(S - f * (S - D)) with halves to even.
  const Bitmap24 source = Numbered(200, 120);
  Bitmap24 destination(200, 120);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x) destination.SetPixel(x, y, MakeColor(3 * y, x, 255 - x));
  const Bitmap24 before = destination.Clone();
  BlendWithKey(destination, 0, 0, kNoColorKey, 0.5, {0, 0, 199, 119}, source);
  const auto expected = [](int s, int d) { return int(std::nearbyint(s - 0.5 * (s - d))); };
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 200; ++x) {
      const TColor s = source.Pixel(x, y);
      const TColor d = before.Pixel(x, y);
      ASSERT_EQ(destination.Pixel(x, y),
                MakeColor(expected(RedOf(s), RedOf(d)), expected(GreenOf(s), GreenOf(d)),
                          expected(BlueOf(s), BlueOf(d))))
          << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace au
