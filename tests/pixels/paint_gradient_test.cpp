#include <gtest/gtest.h>

#include <cstdlib>

#include "pixels/gouraud_triangle.h"
#include "pixels/paint_gradient.h"

namespace au {
namespace {

TsGradientStep Step(TColor c1, TColor c2, int percent, int mode = 0) {
  return {c1, c2, static_cast<std::uint8_t>(percent), mode, 0};
}

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kGreen = MakeColor(0, 255, 0);
constexpr TColor kBlue = MakeColor(0, 0, 255);
constexpr TColor kGrey = MakeColor(100, 100, 100);

TEST(VerticalGradient, OneStepRunsFromTheFirstRowToTheLast) {
  Bitmap24 b(4, 11);
  b.Fill(clMagenta);
  PaintGradient(b, {1, 0, 3, 11}, {Step(clWhite, clBlack, 100)});
  EXPECT_EQ(b.Pixel(1, 0), clWhite);
  EXPECT_EQ(b.Pixel(2, 1), MakeColor(230, 230, 230));  // 229.5 -> 230
  EXPECT_EQ(b.Pixel(1, 5), MakeColor(128, 128, 128));  // 127.5 -> 128
  EXPECT_EQ(b.Pixel(2, 10), clBlack);
  EXPECT_EQ(b.Pixel(0, 5), clMagenta);  // outside the rectangle
  EXPECT_EQ(b.Pixel(3, 5), clMagenta);
}

TEST(VerticalGradient, BandsShareTheirBoundaryRows) {
  // 50 % of 10 rows: the first band covers rows 0..5, the last one 5..9 and
  // paints row 5 again with its own first colour.
  Bitmap24 b(2, 10);
  PaintGradient(b, {0, 0, 2, 10}, {Step(clWhite, kGrey, 50), Step(kRed, kBlue, 50)});
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
  EXPECT_EQ(b.Pixel(0, 4), MakeColor(131, 131, 131));  // 255 - 4 * 31
  EXPECT_EQ(b.Pixel(0, 5), kRed);
  EXPECT_EQ(b.Pixel(1, 9), kBlue);
}

TEST(VerticalGradient, AStepOfZeroPercentPaintsNothing) {
  Bitmap24 b(1, 10);
  PaintGradient(b, {0, 0, 1, 10},
                {Step(clWhite, kGrey, 50), Step(kGreen, kGreen, 0), Step(kRed, kBlue, 50)});
  for (int y = 0; y < 10; ++y) EXPECT_NE(b.Pixel(0, y), kGreen) << y;
  EXPECT_EQ(b.Pixel(0, 5), kRed);  // the next band starts where the first ended
}

TEST(VerticalGradient, LastBandReachesTheBottomWhateverThePercents) {
  Bitmap24 b(1, 10);
  PaintGradient(b, {0, 0, 1, 10}, {Step(clWhite, clWhite, 20), Step(kRed, kBlue, 30)});
  EXPECT_EQ(b.Pixel(0, 2), kRed);
  EXPECT_EQ(b.Pixel(0, 9), kBlue);

  // 60 + 60 + 30: the second band is cut at the last row, the third has no rows.
  Bitmap24 over(1, 10);
  PaintGradient(over, {0, 0, 1, 10},
                {Step(clWhite, clWhite, 60), Step(kRed, kBlue, 60), Step(kGreen, kGreen, 30)});
  EXPECT_EQ(over.Pixel(0, 6), kRed);
  EXPECT_EQ(over.Pixel(0, 9), kBlue);
  for (int y = 0; y < 10; ++y) EXPECT_NE(over.Pixel(0, y), kGreen) << y;
}

TEST(VerticalGradient, RectangleIsClippedToTheBitmap) {
  Bitmap24 b(3, 4);
  PaintGradient(b, {-2, -3, 10, 20}, {Step(kRed, kRed, 100)});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(x, y), kRed);

  // Empty or upside-down rectangles paint nothing.
  Bitmap24 untouched(3, 4);
  PaintGradient(untouched, {0, 3, 3, 1}, {Step(kRed, kRed, 40), Step(kRed, kRed, 60)});
  PaintGradient(untouched, {2, 0, 2, 4}, {Step(kRed, kRed, 100)});
  PaintGradient(untouched, {0, 0, 3, 4}, {});
  PaintGradient(untouched, {0, 0, 3, 4}, {Step(kRed, kRed, 100, 7)});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(untouched.Pixel(x, y), clBlack);
}

TEST(HorizontalGradient, BandsRunFromLeftToRightOnEveryRow) {
  Bitmap24 b(11, 3);
  PaintGradient(b, {0, 0, 11, 3}, {Step(clWhite, clBlack, 100, 1)});
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(b.Pixel(0, y), clWhite);
    EXPECT_EQ(b.Pixel(5, y), MakeColor(128, 128, 128));
    EXPECT_EQ(b.Pixel(10, y), clBlack);
  }
}

TEST(HorizontalGradient, BandEndsAreRounded) {
  // 25 % of 10 columns is 2.5, rounded to the even 2: the second band starts
  // at column 2.
  Bitmap24 b(10, 2);
  PaintGradient(b, {0, 0, 10, 2}, {Step(clWhite, kGrey, 25, 1), Step(kRed, kBlue, 75, 1)});
  EXPECT_EQ(b.Pixel(1, 1), MakeColor(178, 178, 178));  // halfway from 255 to 100: 177.5
  EXPECT_EQ(b.Pixel(2, 0), kRed);
  EXPECT_EQ(b.Pixel(9, 1), kBlue);
}

TEST(TriangleGradient, OneStepFillsTheRectangleWithItsFirstColour) {
  Bitmap24 b(12, 9);
  b.Fill(clMagenta);
  PaintGradient(b, {1, 1, 11, 8}, {Step(kGreen, kRed, 100, 2)});
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 1 && x < 11 && y >= 1 && y < 8;
      EXPECT_EQ(b.Pixel(x, y), inside ? kGreen : clMagenta) << x << "," << y;
    }
  }
}

TEST(TriangleGradient, CornersAndCentreCarryTheFiveColours) {
  const TColor colors[5] = {MakeColor(250, 10, 10), MakeColor(10, 250, 10), MakeColor(10, 10, 250),
                            MakeColor(250, 250, 10), MakeColor(10, 250, 250)};
  TsGradArray steps;
  for (const TColor c : colors) steps.push_back(Step(c, clBlack, 20, 2));
  Bitmap24 b(200, 100);
  b.Fill(clMagenta);
  PaintGradient(b, {0, 0, 200, 100}, steps);

  EXPECT_EQ(b.Pixel(0, 0), colors[0]);
  EXPECT_EQ(b.Pixel(100, 50), colors[1]);
  // The other corners lie on the rectangle's far edges, one pixel away from
  // the last painted pixels: those are within a few levels of the corner colour.
  const auto near = [](TColor a, TColor c) {
    return std::abs(RedOf(a) - RedOf(c)) <= 6 && std::abs(GreenOf(a) - GreenOf(c)) <= 6 &&
           std::abs(BlueOf(a) - BlueOf(c)) <= 6;
  };
  EXPECT_TRUE(near(b.Pixel(199, 0), colors[2]));
  EXPECT_TRUE(near(b.Pixel(199, 99), colors[3]));
  EXPECT_TRUE(near(b.Pixel(0, 99), colors[4]));
  // Every pixel is covered; all colours have green above 0, so none is magenta.
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_NE(b.Pixel(x, y), clMagenta) << x << "," << y;
}

TEST(TriangleGradient, MissingStepsRepeatThePreviousColour) {
  Bitmap24 b(20, 20);
  PaintGradient(b, {0, 0, 20, 20}, {Step(kRed, clBlack, 50, 2), Step(kBlue, clBlack, 50, 2)});
  EXPECT_EQ(b.Pixel(0, 0), kRed);
  EXPECT_EQ(b.Pixel(10, 10), kBlue);
  EXPECT_EQ(b.Pixel(19, 10), kBlue);  // between the centre and two blue corners
}

TEST(GouraudTriangle, TrianglesSharingAnEdgeCoverEachPixelOnce) {
  // Two halves of a 7 x 5 rectangle painted into separate bitmaps: together
  // they cover the rectangle without overlap, Right and Bottom left out.
  const TGouraudVertex a{0, 0, clWhite}, b{7, 0, clWhite}, c{7, 5, clWhite}, d{0, 5, clWhite};
  Bitmap24 first(9, 7);
  Bitmap24 second(9, 7);
  FillGouraudTriangle(first, a, b, c);
  FillGouraudTriangle(second, c, d, a);  // the other winding
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x) {
      const int hits = (first.Pixel(x, y) == clWhite) + (second.Pixel(x, y) == clWhite);
      EXPECT_EQ(hits, x < 7 && y < 5 ? 1 : 0) << x << "," << y;
    }
  }
}

TEST(GouraudTriangle, ColoursAreInterpolatedLinearly) {
  Bitmap24 b(11, 11);
  FillGouraudTriangle(b, {0, 0, clBlack}, {10, 0, MakeColor(200, 0, 100)}, {0, 10, clBlack});
  EXPECT_EQ(b.Pixel(0, 0), clBlack);
  EXPECT_EQ(b.Pixel(5, 0), MakeColor(100, 0, 50));
  EXPECT_EQ(b.Pixel(5, 3), MakeColor(100, 0, 50));  // the colour changes along x only
  EXPECT_EQ(b.Pixel(9, 0), MakeColor(180, 0, 90));
}

TEST(GouraudTriangle, PartsOutsideTheBitmapAreCut) {
  Bitmap24 b(4, 4);
  FillGouraudTriangle(b, {-100, -100, kRed}, {300, -100, kRed}, {-100, 300, kRed});
  EXPECT_EQ(b.Pixel(3, 3), kRed);
  FillGouraudTriangle(b, {5, 5, kBlue}, {9, 5, kBlue}, {5, 5, kBlue});  // no area
  EXPECT_EQ(b.Pixel(3, 3), kRed);
}

}  // namespace
}  // namespace au
