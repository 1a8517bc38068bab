#include <gtest/gtest.h>

#include "pixels/color_transforms.h"
#include "pixels/readable_colour.h"
#include "pixels/rounding.h"

namespace au {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(127.5), 128);
  EXPECT_EQ(RoundHalfEven(126.5), 126);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
  EXPECT_EQ(RoundToByte(-3.0), 0);
  EXPECT_EQ(RoundToByte(254.5), 254);
  EXPECT_EQ(RoundToByte(1e12), 255);
  EXPECT_EQ(RoundToByte(0.0 / 0.0), 0);
}

TEST(ReadableColour, KeepsAColourThatStandsOutElseTakesBlackOrWhite) {
  EXPECT_DOUBLE_EQ(ContrastRatio(clBlack, clWhite), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(clWhite, clBlack), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(MakeColor(9, 99, 199), MakeColor(9, 99, 199)), 1.0);
  const struct {
    TColor Preferred;
    TColor Background;
    TColor Result;
  } rows[] = {
      {clBlack, clWhite, clBlack},
      {clWhite, clWhite, clBlack},
      {clBlack, clBlack, clWhite},
      // The lightest grey that can be read on white, and the next lighter one.
      {MakeColor(0x76, 0x76, 0x76), clWhite, MakeColor(0x76, 0x76, 0x76)},
      {MakeColor(0x77, 0x77, 0x77), clWhite, clBlack},
      {MakeColor(0, 0, 128), clWhite, MakeColor(0, 0, 128)},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ReadableColour(row.Preferred, row.Background), row.Result)
        << std::hex << row.Preferred << " on " << row.Background;
  }
  // A system colour is resolved: its reference bytes are no colour to draw with.
  EXPECT_FALSE(IsSystemColor(ReadableColour(clWindowText, ResolveColor(clWindowText))));
}

TEST(MeanColour, AveragesThePixelsInsideThePictureOnly) {
  Bitmap24 b(2, 2);
  b.SetPixel(0, 0, clBlack);
  b.SetPixel(1, 0, clWhite);
  b.SetPixel(0, 1, MakeColor(100, 0, 0));
  b.SetPixel(1, 1, MakeColor(0, 200, 40));
  EXPECT_EQ(MeanColour(b, {0, 0, 2, 2}), MakeColor(88, 113, 73));
  EXPECT_EQ(MeanColour(b, {1, 0, 5, 5}), MakeColor(127, 227, 147));
  EXPECT_EQ(MeanColour(b, {3, 3, 5, 5}), clBlack);
}

TEST(MixColorPair, WeighsTheFirstColourByTheFactor) {
  EXPECT_EQ(MixColorPair(clWhite, clBlack, 0.5), MakeColor(128, 128, 128));
  EXPECT_EQ(MixColorPair(MakeColor(10, 20, 30), MakeColor(110, 120, 130), 1.0),
            MakeColor(10, 20, 30));
  EXPECT_EQ(MixColorPair(MakeColor(10, 20, 30), MakeColor(110, 120, 130), 0.0),
            MakeColor(110, 120, 130));
  // 0.25 * (0 - 255) + 255 = 191.25; 0.25 * (101 - 0) = 25.25.
  EXPECT_EQ(MixColorPair(MakeColor(0, 101, 0), MakeColor(255, 0, 0), 0.25), MakeColor(191, 25, 0));
  // The top byte comes from the first colour; out-of-range factors saturate.
  EXPECT_EQ(MixColorPair(static_cast<TColor>(0x01000000), clWhite, 0.0),
            static_cast<TColor>(0x01FFFFFF));
  EXPECT_EQ(MixColorPair(MakeColor(200, 0, 100), MakeColor(100, 0, 100), 3.0),
            MakeColor(255, 0, 100));
}

TEST(ScaleSaturation, MovesChannelsTowardsOrAwayFromGrey) {
  const TColor c = MakeColor(100, 150, 200);
  EXPECT_EQ(ScaleSaturation(c, -50), MakeColor(75, 150, 225));
  EXPECT_EQ(ScaleSaturation(c, 50), MakeColor(125, 150, 175));
  EXPECT_EQ(ScaleSaturation(c, 100), MakeColor(150, 150, 150));
  EXPECT_EQ(ScaleSaturation(c, -200), MakeColor(0, 150, 255));  // limited to 0..255
  // Grey 85: 0 + 0.5 * 85 = 42.5 -> 42.
  EXPECT_EQ(ScaleSaturation(MakeColor(0, 0, 255), 50), MakeColor(42, 42, 170));
  EXPECT_EQ(ScaleSaturation(static_cast<TColor>(0x05123456), 0), 0x05123456);
  EXPECT_EQ(ScaleSaturation(static_cast<TColor>(0x01000000 | c), 100),
            static_cast<TColor>(0x01000000 | MakeColor(150, 150, 150)));
}

TEST(ScaleSaturation, SystemColourReferencesAreResolvedFirst) {
  // Scaling the bytes of the reference itself would name another system colour.
  const TColor face = SystemColorValue(15);
  EXPECT_EQ(ScaleSaturation(clBtnFace, 100), ScaleSaturation(face, 100));
  EXPECT_FALSE(IsSystemColor(ScaleSaturation(clBtnFace, 100)));
}

TEST(ShiftHue, RotatesAroundTheColourWheel) {
  const TColor red = MakeColor(255, 0, 0);
  const TColor green = MakeColor(0, 255, 0);
  const TColor blue = MakeColor(0, 0, 255);
  EXPECT_EQ(ShiftHue(120, red), green);
  EXPECT_EQ(ShiftHue(120, green), blue);
  EXPECT_EQ(ShiftHue(240, red), blue);
  EXPECT_EQ(ShiftHue(360 + 120, red), green);
  EXPECT_EQ(ShiftHue(60, red), MakeColor(255, 255, 0));
  EXPECT_EQ(ShiftHue(0, MakeColor(200, 100, 50)), MakeColor(200, 100, 50));
  // Hue 30 of (200, 100, 0) + 90 = 120: pure green hue at the same value and saturation.
  EXPECT_EQ(ShiftHue(90, MakeColor(200, 100, 0)), MakeColor(0, 200, 0));
}

TEST(ShiftHue, NegativeShiftsTurnTheOtherWay) {
  const TColor red = MakeColor(255, 0, 0);
  EXPECT_EQ(ShiftHue(-120, red), MakeColor(0, 0, 255));
  EXPECT_EQ(ShiftHue(-240, red), MakeColor(0, 255, 0));
  EXPECT_EQ(ShiftHue(-720 - 60, red), MakeColor(255, 0, 255));
}

TEST(ShiftHue, GreysStayAsTheyAre) {
  for (const int degrees : {-200, -1, 0, 45, 120, 359, 1000}) {
    EXPECT_EQ(ShiftHue(degrees, 0x808080), 0x808080) << degrees;
    EXPECT_EQ(ShiftHue(degrees, clBlack), clBlack);
    EXPECT_EQ(ShiftHue(degrees, clWhite), clWhite);
  }
  EXPECT_EQ(ShiftHue(30, static_cast<TColor>(0x03404040)), 0x404040);
}

}  // namespace
}  // namespace au
