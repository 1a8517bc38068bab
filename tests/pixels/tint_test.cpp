#include <gtest/gtest.h>

#include "pixels/disabled_look.h"
#include "pixels/gray_bitmap.h"
#include "pixels/mix_rect_with_color.h"
#include "pixels/new_bitmap24.h"

namespace au {
namespace {

// sum / 2 with a half rounded to the even neighbour.
int HalfOf(int sum) {
  return sum / 2 + ((sum & 1) != 0 && ((sum / 2) & 1) != 0 ? 1 : 0);
}

TEST(MixRectWithColor, HalfOfBlackAndWhiteRoundsToTheEven128) {
  Bitmap24 b(3, 2);
  MixRectWithColor(b, {0, 0, 2, 1}, 50, clWhite);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(x, y), MakeColor(128, 128, 128));
}

TEST(MixRectWithColor, RectangleIsInclusiveAndClipped) {
  Bitmap24 b(4, 4);
  b.Fill(MakeColor(100, 0, 200));
  MixRectWithColor(b, {-5, 2, 1, 9}, 0, MakeColor(1, 2, 3));
  EXPECT_EQ(b.Pixel(0, 2), MakeColor(1, 2, 3));
  EXPECT_EQ(b.Pixel(1, 3), MakeColor(1, 2, 3));  // Right and Bottom included
  EXPECT_EQ(b.Pixel(2, 2), MakeColor(100, 0, 200));
  EXPECT_EQ(b.Pixel(0, 1), MakeColor(100, 0, 200));

  MixRectWithColor(b, {0, 0, 3, 3}, 100, clBlack);  // 100 keeps the picture
  EXPECT_EQ(b.Pixel(3, 3), MakeColor(100, 0, 200));
  // 0.3 * 100 + 0.7 * 0 = 30; 0.3 * 200 + 0.7 * 254 = 237.8.
  MixRectWithColor(b, {3, 3, 3, 3}, 30, MakeColor(0, 10, 254));
  EXPECT_EQ(b.Pixel(3, 3), MakeColor(30, 7, 238));
}

TEST(MixRectWithColor, SystemColoursAreResolved) {
  Bitmap24 b(2, 2);
  MixRectWithColor(b, {0, 0, 1, 1}, 0, clBtnFace);
  EXPECT_EQ(b.Pixel(1, 1), SystemColorValue(15));
}

TEST(GrayBitmap, AveragesTheChannelsDownwards) {
  Bitmap24 b(2, 1);
  b.SetPixel(0, 0, MakeColor(10, 20, 31));  // 61 / 3 = 20
  b.SetPixel(1, 0, clMagenta);              // 510 / 3 = 170
  Bitmap24 keyed = b.Clone();
  GrayBitmap(b);
  EXPECT_EQ(b.Pixel(0, 0), MakeColor(20, 20, 20));
  EXPECT_EQ(b.Pixel(1, 0), MakeColor(170, 170, 170));
  GrayBitmapExceptKey(keyed, clMagenta);
  EXPECT_EQ(keyed.Pixel(0, 0), MakeColor(20, 20, 20));
  EXPECT_EQ(keyed.Pixel(1, 0), clMagenta);
}

TEST(NewBitmap24, MakesOwnedBitmapsOfTheRequestedSize) {
  const std::unique_ptr<Bitmap24> b = NewBitmap24(7, 3);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Width(), 7);
  EXPECT_EQ(b->Height(), 3);
  const std::unique_ptr<Bitmap24> like = NewBitmap24Like(*b);
  EXPECT_EQ(like->Width(), 7);
  EXPECT_EQ(like->Height(), 3);
  EXPECT_NE(like->Row0(), b->Row0());
}

class DisabledLook : public ::testing::Test {
 protected:
  DisabledLook() {
    control.Fill(clWhite);
    parent.Fill(clBlack);
    parent.SetPixel(1 + 3, 2 + 4, MakeColor(0, 100, 200));  // behind the control's (0, 0)
  }
  Bitmap24 control{2, 2};
  Bitmap24 parent{10, 10};
};

TEST_F(DisabledLook, GreyOnly) {
  control.SetPixel(0, 0, MakeColor(30, 60, 90));
  ApplyDisabledLook(control, kDisabledGray, clBlack, {3, 4}, {}, clMagenta);
  EXPECT_EQ(control.Pixel(0, 0), MakeColor(60, 60, 60));
  EXPECT_EQ(control.Pixel(1, 1), clWhite);
}

TEST_F(DisabledLook, FadesIntoTheParentCacheBehindTheControl) {
  const TCacheInfo cache{&parent, 1, 2, true};
  ApplyDisabledLook(control, kDisabledBlend, clBlack, {3, 4}, cache, clMagenta);
  // The control keeps 40 %: 0 - 0.4 * (0 - 255) = 102; 100 + 0.4 * 155 = 162;
  // 200 + 0.4 * 55 = 222.
  EXPECT_EQ(control.Pixel(0, 0), MakeColor(102, 162, 222));
  EXPECT_EQ(control.Pixel(1, 1), MakeColor(102, 102, 102));
}

TEST_F(DisabledLook, GreyThenFadeWhenBothAreAsked) {
  control.SetPixel(1, 0, MakeColor(0, 0, 255));  // grey 85
  const TCacheInfo cache{&parent, 1, 2, true};
  ApplyDisabledLook(control, kDisabledGray | kDisabledBlend, clBlack, {3, 4}, cache, clMagenta);
  EXPECT_EQ(control.Pixel(1, 0), MakeColor(34, 34, 34));  // 0.4 * 85
}

TEST_F(DisabledLook, WithoutACacheMixesWithTheReportedBackground) {
  const TCacheInfo notReady{&parent, 1, 2, false};
  Bitmap24 reported = control.Clone();
  ApplyDisabledLook(reported, kDisabledBlend, clBlack, {3, 4}, notReady, MakeColor(0, 0, 100));
  EXPECT_EQ(reported.Pixel(1, 1), MakeColor(128, 128, 178));  // 127.5 -> 128, 177.5 -> 178

  // No report (magenta): the control's own colour, resolved.
  ApplyDisabledLook(control, kDisabledBlend, clBtnFace, {3, 4}, notReady, clMagenta);
  const TColor face = SystemColorValue(15);
  EXPECT_EQ(control.Pixel(0, 0), MakeColor(HalfOf(255 + RedOf(face)), HalfOf(255 + GreenOf(face)),
                                           HalfOf(255 + BlueOf(face))));
}

}  // namespace
}  // namespace au
