// The key copy and the mask-row copy under the mask painters.
#include "paint/masks/mask_copies.h"

#include <gtest/gtest.h>

#include "pixels/shared_paint_state.h"
#include "tests/paint/masks/mask_test_support.h"

namespace au {
namespace {

using test::AllPixelsAre;
using test::ColorScope;
using test::PixelsAre;
using test::PositionColor;
using test::PositionPicture;

constexpr TColor kBeneath = 0x123456;

Bitmap24 Filled(int width, int height, TColor colour) {
  Bitmap24 b(width, height);
  b.Fill(colour);
  return b;
}

TEST(CopyWithKey, CopiesTheInclusiveRectangleAndLeavesKeyPixelsOut) {
  Bitmap24 source = PositionPicture(8, 6);
  source.SetPixel(3, 2, clMagenta);
  Bitmap24 target = Filled(10, 10, kBeneath);
  const TCacheInfo none;

  CopyWithKey(target, source, 4, false, none, clMagenta, {2, 1, 4, 3}, 5);
  EXPECT_TRUE(PixelsAre(target, {4, 5, 7, 8}, [](int x, int y) {
    return x == 5 && y == 6 ? kBeneath : PositionColor(x - 2, y - 4);
  }));
  EXPECT_TRUE(AllPixelsAre(target, {0, 0, 10, 5}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target, {7, 5, 10, 10}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target, {0, 8, 10, 10}, kBeneath));

  // Any colour can be the key; magenta is then copied like any other.
  Bitmap24 other = Filled(10, 10, kBeneath);
  CopyWithKey(other, source, 0, false, none, PositionColor(2, 1), {2, 1, 4, 2}, 0);
  EXPECT_EQ(other.Pixel(0, 0), kBeneath);
  EXPECT_EQ(other.Pixel(1, 1), clMagenta);
  EXPECT_EQ(other.Pixel(2, 1), PositionColor(4, 2));
}

TEST(CopyWithKey, ClipsToBothPicturesKeepingEveryPixelAtItsPlace) {
  const Bitmap24 source = PositionPicture(8, 6);
  const TCacheInfo none;

  // Columns and rows before the source's start are left out, not shifted in.
  Bitmap24 target = Filled(10, 10, kBeneath);
  CopyWithKey(target, source, 1, false, none, clMagenta, {-2, -1, 9, 7}, 1);
  EXPECT_TRUE(AllPixelsAre(target, {0, 0, 10, 2}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target, {0, 0, 3, 10}, kBeneath));
  EXPECT_TRUE(
      PixelsAre(target, {3, 2, 10, 8}, [](int x, int y) { return PositionColor(x - 3, y - 2); }));
  EXPECT_TRUE(AllPixelsAre(target, {0, 8, 10, 10}, kBeneath));

  // A target start outside the target draws only what falls inside.
  Bitmap24 small = Filled(3, 3, kBeneath);
  CopyWithKey(small, source, -2, false, none, clMagenta, {0, 0, 7, 5}, -1);
  EXPECT_TRUE(
      PixelsAre(small, {0, 0, 3, 3}, [](int x, int y) { return PositionColor(x + 2, y + 1); }));

  // Rectangles wholly outside, or reversed, draw nothing.
  Bitmap24 untouched = Filled(4, 4, kBeneath);
  CopyWithKey(untouched, source, 0, false, none, clMagenta, {8, 0, 12, 3}, 0);
  CopyWithKey(untouched, source, 0, false, none, clMagenta, {3, 3, 2, 2}, 0);
  CopyWithKey(untouched, source, 4, false, none, clMagenta, {0, 0, 3, 3}, 0);
  EXPECT_TRUE(AllPixelsAre(untouched, {0, 0, 4, 4}, kBeneath));
}

TEST(CopyWithKey, KeyPixelsShowTheParentBehindThemOnlyWhenAsked) {
  Bitmap24 source(3, 2);
  source.Fill(clMagenta);
  source.SetPixel(1, 0, 0x0A0B0C);
  Bitmap24 parent = PositionPicture(12, 12, 99);
  const TCacheInfo cache{&parent, 7, 4, true};

  // The parent pixel behind target pixel (x, y) is (cache.X + x, cache.Y + y);
  // where the cache ends, the target keeps its pixel.
  Bitmap24 target = Filled(8, 8, kBeneath);
  CopyWithKey(target, source, 3, true, cache, clMagenta, {0, 0, 2, 1}, 2);
  EXPECT_EQ(target.Pixel(3, 2), PositionColor(10, 6, 99));
  EXPECT_EQ(target.Pixel(4, 2), 0x0A0B0C);
  EXPECT_EQ(target.Pixel(5, 2), kBeneath);  // (12, 6) is right of the cache
  EXPECT_EQ(target.Pixel(3, 3), PositionColor(10, 7, 99));
  EXPECT_EQ(target.Pixel(4, 3), PositionColor(11, 7, 99));
  EXPECT_EQ(target.Pixel(5, 3), kBeneath);

  Bitmap24 notAsked = Filled(8, 8, kBeneath);
  CopyWithKey(notAsked, source, 3, false, cache, clMagenta, {0, 0, 2, 1}, 2);
  const TCacheInfo notReady{&parent, 7, 4, false};
  Bitmap24 notReadyTarget = Filled(8, 8, kBeneath);
  CopyWithKey(notReadyTarget, source, 3, true, notReady, clMagenta, {0, 0, 2, 1}, 2);
  for (const Bitmap24* b : {&notAsked, &notReadyTarget}) {
    EXPECT_EQ(b->Pixel(3, 2), kBeneath);
    EXPECT_EQ(b->Pixel(4, 2), 0x0A0B0C);
    EXPECT_EQ(b->Pixel(3, 3), kBeneath);
  }
}

// A picture of one 4 x 3 image over its weight row, for a mask of MaskType 1.
struct Weighted {
  Bitmap24 Picture{4, 6};
  TsMaskData Mask;
  Weighted() {
    Picture.Fill(0);
    Mask.Rect = {0, 0, 4, 6};
    Mask.ImageCount = 1;
    Mask.MaskType = 1;
  }
  void Set(int x, int y, TColor image, TColor weight) {
    Picture.SetPixel(x, y, image);
    Picture.SetPixel(x, y + 3, weight);
  }
};

TEST(CopyWithMaskRow, WeightsEveryChannelByTheRowBelow) {
  Weighted w;
  w.Set(0, 0, MakeColor(10, 20, 30), MakeColor(0, 0, 0));           // weight 0: the image
  w.Set(1, 0, MakeColor(0, 0, 0), MakeColor(255, 255, 255));        // 255: (255 D + P) >> 8
  w.Set(2, 0, MakeColor(200, 100, 0), MakeColor(128, 64, 255));     // per channel
  w.Set(3, 0, MakeColor(255, 255, 255), MakeColor(128, 128, 128));  // at the top: no wrap
  Bitmap24 target = Filled(6, 4, MakeColor(200, 200, 200));
  target.SetPixel(4, 1, MakeColor(255, 255, 255));
  const TCacheInfo none;

  CopyWithMaskRow({1, 1, 5, 2}, {0, 0, 4, 1}, target, w.Mask, false, none, w.Picture);
  EXPECT_EQ(target.Pixel(1, 1), MakeColor(10, 20, 30));
  EXPECT_EQ(target.Pixel(2, 1), MakeColor(199, 199, 199));
  // red: ((200 - 200) * 128 + 200 * 256) >> 8 = 200; green: ((200 - 100) * 64
  // + 100 * 256) >> 8 = 125; blue: (200 * 255 + 0) >> 8 = 199.
  EXPECT_EQ(target.Pixel(3, 1), MakeColor(200, 125, 199));
  EXPECT_EQ(target.Pixel(4, 1), MakeColor(255, 255, 255));
  EXPECT_TRUE(AllPixelsAre(target, {0, 2, 6, 4}, MakeColor(200, 200, 200)));
  EXPECT_EQ(target.Pixel(0, 1), MakeColor(200, 200, 200));
}

TEST(CopyWithMaskRow, CopiesTheSmallerRectangleInsideBothPictures) {
  Weighted w;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) w.Set(x, y, PositionColor(x, y), 0);
  const TCacheInfo none;

  Bitmap24 target = Filled(6, 6, kBeneath);
  CopyWithMaskRow({2, 2, 6, 6}, {1, 1, 3, 2}, target, w.Mask, false, none, w.Picture);
  EXPECT_TRUE(
      PixelsAre(target, {2, 2, 4, 3}, [](int x, int y) { return PositionColor(x - 1, y - 1); }));
  EXPECT_EQ(target.Pixel(4, 2), kBeneath);
  EXPECT_EQ(target.Pixel(2, 3), kBeneath);

  // Negative starts are cut off with the pixels at their places.
  Bitmap24 shifted = Filled(6, 6, kBeneath);
  CopyWithMaskRow({-1, -2, 3, 1}, {0, 0, 4, 3}, shifted, w.Mask, false, none, w.Picture);
  EXPECT_TRUE(
      PixelsAre(shifted, {0, 0, 3, 1}, [](int x, int y) { return PositionColor(x + 1, y + 2); }));
  EXPECT_EQ(shifted.Pixel(0, 1), kBeneath);

  // Source rows whose weights would lie below the picture are not drawn.
  Bitmap24 low = Filled(6, 6, kBeneath);
  CopyWithMaskRow({0, 0, 4, 3}, {0, 2, 4, 5}, low, w.Mask, false, none, w.Picture);
  EXPECT_TRUE(PixelsAre(low, {0, 0, 4, 1}, [](int x, int) { return PositionColor(x, 2); }));
  EXPECT_TRUE(AllPixelsAre(low, {0, 1, 6, 6}, kBeneath));

  // A mask whose counts give no image height draws nothing.
  w.Mask.MaskType = -1;
  Bitmap24 none2 = Filled(6, 6, kBeneath);
  CopyWithMaskRow({0, 0, 4, 3}, {0, 0, 4, 3}, none2, w.Mask, false, none, w.Picture);
  EXPECT_TRUE(AllPixelsAre(none2, {0, 0, 6, 6}, kBeneath));
}

TEST(CopyWithMaskRow, MagentaCornerPixelsShowTheParentOrTheFillColour) {
  Weighted w;
  w.Set(0, 0, clMagenta, MakeColor(255, 255, 255));
  w.Set(1, 0, MakeColor(50, 60, 70), 0);
  Bitmap24 parent = PositionPicture(10, 10, 99);
  const TCacheInfo ready{&parent, 3, 2, true};
  const TCacheInfo notReady{&parent, 3, 2, false};
  const auto draw = [&](bool corner, const TCacheInfo& cache) {
    Bitmap24 target = Filled(4, 4, kBeneath);
    CopyWithMaskRow({1, 1, 3, 2}, {0, 0, 2, 1}, target, w.Mask, corner, cache, w.Picture);
    EXPECT_EQ(target.Pixel(2, 1), MakeColor(50, 60, 70));
    return target.Pixel(1, 1);
  };
  const TColor weightedMagenta =
      MakeColor((RedOf(kBeneath) * 255 + 255) >> 8, (GreenOf(kBeneath) * 255) >> 8,
                (BlueOf(kBeneath) * 255 + 255) >> 8);

  EXPECT_EQ(draw(true, ready), PositionColor(4, 3, 99));
  EXPECT_EQ(draw(false, ready), weightedMagenta);
  {
    const ColorScope fill(ParentFillColor, 0x445566);
    EXPECT_EQ(draw(true, ready), PositionColor(4, 3, 99));
    EXPECT_EQ(draw(true, notReady), 0x445566);
    EXPECT_EQ(draw(false, notReady), weightedMagenta);
  }
  const ColorScope unset(ParentFillColor, clMagenta);
  EXPECT_EQ(draw(true, notReady), clMagenta);
  EXPECT_EQ(draw(false, notReady), weightedMagenta);
}

}  // namespace
}  // namespace au
