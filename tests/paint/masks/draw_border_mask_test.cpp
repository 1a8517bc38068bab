// Nine-piece borders: where every piece lands, how the widths fit a small
// rectangle, tiling against stretching, transparency of the corners, and masks
// whose rectangle or counts are not what a careful skin would give.
#include "paint/masks/draw_border_mask.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "pixels/shared_paint_state.h"
#include "tests/paint/masks/mask_test_support.h"

namespace au {
namespace {

using test::AllPixelsAre;
using test::ColorScope;
using test::MaskShape;
using test::PixelsAre;
using test::PositionColor;
using test::PositionPicture;
using test::TiledOffset;

constexpr TColor kBeneath = 0x123456;

// Where a border with its middle stretched (nearest pixel) takes offset t from.
int Stretched(int t, int extent, int nearWidth, int farWidth, int imageExtent) {
  if (t < nearWidth || t >= extent - farWidth)
    return TiledOffset(t, extent, nearWidth, farWidth, imageExtent);
  const int middle = imageExtent - nearWidth - farWidth;
  const int inner = extent - nearWidth - farWidth;
  return nearWidth + (2 * (t - nearWidth) + 1) * middle / (2 * inner);
}

class BorderMaskTest : public ::testing::Test {
 protected:
  BorderMaskTest() : target_(40, 30) { target_.Fill(kBeneath); }

  // Three state images of 12 x 10 at (4, 2) of the master bitmap.
  static MaskShape Frame(int wl, int wt, int wr, int wb) {
    return {.Rect = {4, 2, 40, 12}, .ImageCount = 3, .WL = wl, .WT = wt, .WR = wr, .WB = wb};
  }

  void Draw(const TsMaskData& mask, TRect r, int state = 0, bool fillCentre = true,
            bool parentFill = false, const TCacheInfo& cache = {}) {
    DrawBorderMask(target_, r, fillCentre, parentFill, state, mask, cache);
  }

  // The tiled frame of state image `state` of Frame(...) over r.
  ::testing::AssertionResult ShowsTiledFrame(TRect r, int state, const BorderWidths& w) const {
    return PixelsAre(target_, r, [&](int x, int y) {
      return PositionColor(
          4 + 12 * state + TiledOffset(x - r.Left, r.Width(), int(w.Left), int(w.Right), 12),
          2 + TiledOffset(y - r.Top, r.Height(), int(w.Top), int(w.Bottom), 10));
    });
  }

  ::testing::AssertionResult UntouchedOutside(TRect r) const {
    return PixelsAre(target_, {0, 0, target_.Width(), target_.Height()}, [&](int x, int y) {
      const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
      return inside ? target_.Pixel(x, y) : kBeneath;
    });
  }

  Bitmap24 master_ = PositionPicture(64, 32);
  test::MasterSkin skin_{master_};
  Bitmap24 target_;
};

TEST_F(BorderMaskTest, NinePiecesLandAroundAndInsideTheRectangle) {
  const TsMaskData mask = skin_.Mask(Frame(2, 3, 4, 1));
  // 23 x 20: the middle of 6 x 6 is placed three times across (the last one cut
  // to 5) and three times down (the last one cut to 4).
  const TRect r{5, 4, 28, 24};
  Draw(mask, r, 1);
  EXPECT_TRUE(ShowsTiledFrame(r, 1, {2, 3, 4, 1}));
  EXPECT_TRUE(UntouchedOutside(r));
  EXPECT_EQ(target_.Pixel(5, 4), PositionColor(16, 2));     // top-left corner
  EXPECT_EQ(target_.Pixel(27, 23), PositionColor(27, 11));  // bottom-right corner
  EXPECT_EQ(target_.Pixel(23, 10), PositionColor(22, 2 + 3 + 3));

  // Without fillCentre the inside keeps what was there.
  target_.Fill(kBeneath);
  Draw(mask, r, 1, false);
  EXPECT_TRUE(AllPixelsAre(target_, {7, 7, 24, 23}, kBeneath));
  EXPECT_TRUE(ShowsTiledFrame({5, 4, 28, 7}, 1, {2, 3, 4, 0}));
  EXPECT_TRUE(ShowsTiledFrame({5, 23, 28, 24}, 1, {2, 0, 4, 1}));
}

TEST_F(BorderMaskTest, AMaskWithAUniformBorderWidthNeverFillsTheCentre) {
  MaskShape shape = Frame(2, 3, 4, 1);
  shape.BorderWidth = 2;
  const TRect r{5, 4, 28, 24};
  Draw(skin_.Mask(shape), r);
  EXPECT_TRUE(AllPixelsAre(target_, {7, 7, 24, 23}, kBeneath));
  EXPECT_TRUE(ShowsTiledFrame({5, 4, 28, 7}, 0, {2, 3, 4, 0}));
}

TEST_F(BorderMaskTest, TheFrameIsClippedToTheTarget) {
  const TRect r{-5, -3, 50, 33};
  Draw(skin_.Mask(Frame(2, 3, 4, 1)), r, 2);
  EXPECT_TRUE(PixelsAre(target_, {0, 0, 40, 30}, [&](int x, int y) {
    return PositionColor(28 + TiledOffset(x + 5, 55, 2, 4, 12),
                         2 + TiledOffset(y + 3, 36, 3, 1, 10));
  }));
}

TEST_F(BorderMaskTest, BordersShrinkToFitARectangleThatIsTooSmall) {
  TsMaskData mask = skin_.Mask(Frame(4, 4, 4, 4));
  const auto fit = [&](std::int64_t width, std::int64_t height) {
    const BorderWidths w = FitBorderWidths(mask, width, height);
    return std::vector<std::int64_t>{w.Left, w.Top, w.Right, w.Bottom};
  };
  using V = std::vector<std::int64_t>;
  EXPECT_EQ(fit(5, 8), (V{3, 4, 2, 4}));   // half the excess each, the right one more
  EXPECT_EQ(fit(6, 7), (V{3, 4, 3, 3}));   // the odd height: the bottom gives a pixel
  EXPECT_EQ(fit(2, 30), (V{1, 4, 1, 4}));  // d = 3
  EXPECT_EQ(fit(3, 9), (V{2, 4, 1, 4}));   // d = 2, and the odd width
  mask.WL = 1;
  mask.WR = 6;
  EXPECT_EQ(fit(2, 8), (V{0, 4, 4, 4}));  // never below 0
  mask.WL = -3;
  EXPECT_EQ(fit(20, 8), (V{0, 4, 6, 4}));  // a negative width counts as 0

  // Width 5 with WL = WR = 4: three columns of the left border, two of the right.
  const TRect r{0, 0, 5, 10};
  Draw(skin_.Mask(Frame(4, 1, 4, 1)), r);
  EXPECT_TRUE(ShowsTiledFrame(r, 0, {3, 1, 2, 1}));
  EXPECT_EQ(target_.Pixel(2, 0), PositionColor(6, 2));
  EXPECT_EQ(target_.Pixel(3, 0), PositionColor(14, 2));
}

TEST_F(BorderMaskTest, TheStateIsLimitedToTheImagesThereAre) {
  const MaskShape four{.Rect = {0, 0, 48, 10}, .ImageCount = 4, .WL = 3, .WT = 3, .WR = 3, .WB = 3};
  const TsMaskData mask = skin_.Mask(four);
  const TRect r{0, 0, 12, 10};
  Draw(mask, r, 5);
  EXPECT_TRUE(PixelsAre(target_, r, [](int x, int y) { return PositionColor(36 + x, y); }));
  Draw(mask, r, -2);
  EXPECT_TRUE(PixelsAre(target_, r, [](int x, int y) { return PositionColor(x, y); }));
}

TEST_F(BorderMaskTest, TheLastTiledPieceIsCutToEndAtTheBottomBorder) {
  // The left side is 15 rows: two whole pieces of 6 and one of 3.
  Draw(skin_.Mask(Frame(2, 3, 4, 1)), {0, 0, 12, 19});
  EXPECT_EQ(target_.Pixel(0, 8), PositionColor(4, 2 + 8));
  EXPECT_EQ(target_.Pixel(0, 9), PositionColor(4, 2 + 3));
  EXPECT_EQ(target_.Pixel(0, 14), PositionColor(4, 2 + 8));
  EXPECT_EQ(target_.Pixel(0, 15), PositionColor(4, 2 + 3));
  EXPECT_EQ(target_.Pixel(0, 17), PositionColor(4, 2 + 5));  // the cut piece's last row
  EXPECT_EQ(target_.Pixel(0, 18), PositionColor(4, 2 + 9));  // R.Bottom - WB: the bottom border
  EXPECT_EQ(target_.Pixel(0, 19), kBeneath);
}

TEST_F(BorderMaskTest, StretchModeStretchesSidesAndCentreInsteadOfTilingThem) {
  MaskShape shape = Frame(2, 3, 4, 1);
  shape.StretchMode = 1;
  const TsMaskData mask = skin_.Mask(shape);
  const auto stretchedFrame = [&](TRect r) {
    return PixelsAre(target_, r, [&](int x, int y) {
      return PositionColor(4 + Stretched(x - r.Left, r.Width(), 2, 4, 12),
                           2 + Stretched(y - r.Top, r.Height(), 3, 1, 10));
    });
  };
  // Twice the middle each way: every middle pixel is doubled.
  const TRect wide{0, 0, 18, 16};
  Draw(mask, wide);
  EXPECT_TRUE(stretchedFrame(wide));
  EXPECT_EQ(target_.Pixel(2, 0), PositionColor(4 + 2, 2));
  EXPECT_EQ(target_.Pixel(3, 0), PositionColor(4 + 2, 2));
  EXPECT_EQ(target_.Pixel(4, 0), PositionColor(4 + 3, 2));
  EXPECT_EQ(target_.Pixel(13, 0), PositionColor(4 + 7, 2));
  EXPECT_EQ(target_.Pixel(0, 14), PositionColor(4, 2 + 8));

  // Half the middle: the centre pixel of every pair of source pixels.
  target_.Fill(kBeneath);
  const TRect narrow{20, 10, 29, 16};
  Draw(mask, narrow);
  EXPECT_TRUE(stretchedFrame(narrow));
  EXPECT_EQ(target_.Pixel(22, 10), PositionColor(4 + 3, 2));
  EXPECT_EQ(target_.Pixel(24, 10), PositionColor(4 + 7, 2));
  EXPECT_TRUE(UntouchedOutside(narrow));
}

TEST_F(BorderMaskTest, KeyColouredCornerPixelsKeepTheBackgroundOrShowTheParent) {
  master_.SetPixel(4, 2, clMagenta);    // top-left corner of image 0
  master_.SetPixel(15, 11, clMagenta);  // bottom-right corner
  master_.SetPixel(4, 7, clMagenta);    // inside the left side
  test::MasterSkin skin(master_);
  const TsMaskData mask = skin.Mask(Frame(2, 3, 4, 1));
  const TRect r{3, 2, 15, 12};
  Bitmap24 parent = PositionPicture(40, 40, 99);

  Draw(mask, r);
  EXPECT_EQ(target_.Pixel(3, 2), kBeneath);  // what was painted beneath stays
  EXPECT_EQ(target_.Pixel(14, 11), kBeneath);
  EXPECT_EQ(target_.Pixel(4, 2), PositionColor(5, 2));
  EXPECT_EQ(target_.Pixel(3, 7), clMagenta);  // sides are plain copies

  target_.Fill(kBeneath);
  Draw(mask, r, 0, true, true, {&parent, 7, 5, false});
  EXPECT_EQ(target_.Pixel(3, 2), kBeneath);  // no parent background without a Ready cache

  // Each shows the parent pixel behind it, the right corner too.
  target_.Fill(kBeneath);
  Draw(mask, r, 0, true, true, {&parent, 7, 5, true});
  EXPECT_EQ(target_.Pixel(3, 2), PositionColor(10, 7, 99));
  EXPECT_EQ(target_.Pixel(14, 11), PositionColor(21, 16, 99));
  EXPECT_EQ(target_.Pixel(4, 2), PositionColor(5, 2));
  EXPECT_EQ(target_.Pixel(3, 7), clMagenta);

  // Where the parent's cache ends the background stays.
  Bitmap24 smallParent = PositionPicture(16, 16, 99);
  target_.Fill(kBeneath);
  Draw(mask, r, 0, true, true, {&smallParent, 7, 5, true});
  EXPECT_EQ(target_.Pixel(3, 2), PositionColor(10, 7, 99));
  EXPECT_EQ(target_.Pixel(14, 11), kBeneath);
}

TEST_F(BorderMaskTest, MasksWithAWeightRowWeightEveryPieceAndAlwaysTile) {
  // One 12 x 10 image over its weight row, all weights 0 but one.
  master_.SetPixel(0, 0, clMagenta);
  master_.SetPixel(1, 14, MakeColor(255, 255, 255));  // weight of image pixel (1, 4)
  for (int y = 10; y < 20; ++y)
    for (int x = 0; x < 12; ++x)
      if (x != 1 || y != 14) master_.SetPixel(x, y, 0);
  test::MasterSkin skin(master_);
  MaskShape shape{.Rect = {0, 0, 12, 20}, .MaskType = 1, .WL = 3, .WT = 3, .WR = 3, .WB = 3};
  shape.StretchMode = 1;  // not for weighted masks
  shape.BorderWidth = 5;  // nor does it keep their centre empty
  const TsMaskData mask = skin.Mask(shape);
  Bitmap24 parent = PositionPicture(40, 40, 99);
  target_.Fill(MakeColor(200, 200, 200));

  const TRect r{0, 0, 20, 16};
  Draw(mask, r, 0, true, false, {&parent, 2, 3, true});
  EXPECT_TRUE(PixelsAre(target_, r, [](int x, int y) {
    const int sx = TiledOffset(x, 20, 3, 3, 12);
    const int sy = TiledOffset(y, 16, 3, 3, 10);
    if (sx == 0 && sy == 0) return PositionColor(x + 2, y + 3, 99);  // the parent behind
    if (sx == 1 && sy == 4) return MakeColor(199, 199, 199);         // (255 * 200 + P) >> 8
    return PositionColor(sx, sy);
  }));
  EXPECT_EQ(target_.Pixel(1, 8), MakeColor(199, 199, 199));
  EXPECT_EQ(target_.Pixel(9, 0), PositionColor(3, 0));  // tiled, not stretched

  // Without a parent cache the corner shows ParentFillColor, or magenta itself.
  {
    const ColorScope fill(ParentFillColor, 0x445566);
    Draw(mask, r);
    EXPECT_EQ(target_.Pixel(0, 0), 0x445566);
  }
  const ColorScope unset(ParentFillColor, clMagenta);
  Draw(mask, r);
  EXPECT_EQ(target_.Pixel(0, 0), clMagenta);
}

TEST_F(BorderMaskTest, AnEmptyMiddleIsNotTiledAndANegativeOneDrawsNothing) {
  // WL + WR = SW: the top and bottom sides and the centre have no width.
  const TRect r{0, 0, 20, 10};
  Draw(skin_.Mask(Frame(6, 3, 6, 3)), r);
  EXPECT_TRUE(AllPixelsAre(target_, {6, 0, 14, 10}, kBeneath));
  EXPECT_TRUE(ShowsTiledFrame({0, 0, 6, 10}, 0, {6, 3, 0, 3}));
  EXPECT_EQ(target_.Pixel(14, 0), PositionColor(10, 2));
  EXPECT_EQ(target_.Pixel(19, 9), PositionColor(15, 11));

  // WT + WB = SH: no left or right side.
  target_.Fill(kBeneath);
  Draw(skin_.Mask(Frame(2, 5, 4, 5)), {0, 0, 20, 14});
  EXPECT_TRUE(AllPixelsAre(target_, {0, 5, 20, 9}, kBeneath));
  EXPECT_EQ(target_.Pixel(0, 9), PositionColor(4, 7));

  // WT + WB > SH: nothing at all.
  target_.Fill(kBeneath);
  Draw(skin_.Mask(Frame(2, 6, 4, 5)), {0, 0, 20, 14});
  EXPECT_TRUE(UntouchedOutside({}));
}

TEST_F(BorderMaskTest, OnlyPixelsInsideTheSourcePictureAreDrawn) {
  // The image reaches 3 columns left of the picture and 2 rows above it.
  const TRect r{0, 0, 12, 10};
  const MaskShape outside{.Rect = {-3, -2, 9, 8}, .WL = 4, .WT = 4, .WR = 4, .WB = 4};
  Draw(skin_.Mask(outside), r);
  EXPECT_TRUE(PixelsAre(target_, r, [](int x, int y) {
    return x < 3 || y < 2 ? kBeneath : PositionColor(x - 3, y - 2);
  }));

  // And 4 columns right of it and 6 rows below it.
  target_.Fill(kBeneath);
  const MaskShape beyond{.Rect = {56, 28, 68, 38}, .WL = 4, .WT = 4, .WR = 4, .WB = 4};
  Draw(skin_.Mask(beyond), r);
  EXPECT_TRUE(PixelsAre(target_, r, [](int x, int y) {
    return x >= 8 || y >= 4 ? kBeneath : PositionColor(56 + x, 28 + y);
  }));

  target_.Fill(kBeneath);
  Draw(skin_.Mask({.Rect = {1000, 1000, 1012, 1010}, .WL = 4, .WT = 4, .WR = 4, .WB = 4}), r);
  Draw(skin_.Mask(
           {.Rect = {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, .WL = 4, .WT = 4, .WR = 4, .WB = 4}),
       r);
  Draw(skin_.Mask({.Rect = {INT_MAX - 10, 0, INT_MAX, 10}, .WL = 4, .WT = 4, .WR = 4, .WB = 4}),
       {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_TRUE(UntouchedOutside({}));
}

TEST_F(BorderMaskTest, NothingIsDrawnForCountsThatGiveNoImage) {
  const TRect r{0, 0, 20, 16};
  for (const auto& [count, maskType] : {std::pair{0, 0}, {-1, 0}, {3, -1}, {3, -2}, {3, 30}}) {
    MaskShape shape = Frame(2, 3, 4, 1);
    shape.ImageCount = count;
    shape.MaskType = maskType;
    Draw(skin_.Mask(shape), r, 1);
  }
  TsMaskData noManager = skin_.OwnPictureMask(master_, Frame(2, 3, 4, 1));
  noManager.Manager = nullptr;
  Draw(noManager, r);
  const TsMaskData mask = skin_.Mask(Frame(2, 3, 4, 1));
  Draw(mask, {0, 0, 1, 16});
  Draw(mask, {0, 0, 20, 1});
  Draw(mask, {5, 5, 0, 0});
  EXPECT_TRUE(UntouchedOutside({}));
}

TEST_F(BorderMaskTest, AMaskWithItsOwnPictureIsCutFromThatPicture) {
  const Bitmap24 own = PositionPicture(24, 10, 50);
  const TsMaskData mask = skin_.OwnPictureMask(
      own, {.Rect = {0, 0, 24, 10}, .ImageCount = 2, .WL = 3, .WT = 3, .WR = 3, .WB = 3});
  const TRect r{0, 0, 12, 10};
  Draw(mask, r, 1);
  EXPECT_TRUE(PixelsAre(target_, r, [](int x, int y) { return PositionColor(12 + x, y, 50); }));
}

}  // namespace
}  // namespace au
