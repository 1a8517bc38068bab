// Single state images: clipping at the target's edges, transparency, the half
// blend of the inactive look, and the weighting of masks with a weight row.
#include "paint/masks/draw_mask_image.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/paint/masks/mask_test_support.h"

namespace au {
namespace {

using test::AllPixelsAre;
using test::MaskShape;
using test::PixelsAre;
using test::PositionColor;
using test::PositionPicture;

constexpr TColor kBeneath = MakeColor(100, 100, 100);

class MaskImageTest : public ::testing::Test {
 protected:
  MaskImageTest() : target_(12, 8) { target_.Fill(kBeneath); }

  // Two images of 10 x 6 at (4, 2).
  static constexpr MaskShape kTwoImages{.Rect = {4, 2, 24, 8}, .ImageCount = 2};

  Bitmap24 master_ = PositionPicture(64, 32);
  Bitmap24 target_;
};

TEST_F(MaskImageTest, AtANegativePointOnlyThePartInsideTheTargetIsDrawn) {
  test::MasterSkin skin(master_);
  const TsMaskData mask = skin.Mask(kTwoImages);
  // Image columns 3 to 9 at target columns 0 to 6, every pixel at its place.
  DrawMaskImage(target_, {-3, 1}, 1, mask, 1);
  EXPECT_TRUE(
      PixelsAre(target_, {0, 1, 7, 7}, [](int x, int y) { return PositionColor(17 + x, 1 + y); }));
  EXPECT_TRUE(AllPixelsAre(target_, {7, 0, 12, 8}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target_, {0, 0, 12, 1}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target_, {0, 7, 12, 8}, kBeneath));

  target_.Fill(kBeneath);
  DrawMaskImage(target_, {5, -4}, 0, mask, 1);
  EXPECT_TRUE(
      PixelsAre(target_, {5, 0, 12, 2}, [](int x, int y) { return PositionColor(x - 1, y + 6); }));
  EXPECT_TRUE(AllPixelsAre(target_, {0, 2, 12, 8}, kBeneath));
}

TEST_F(MaskImageTest, ModeOneCopiesAndOtherModesBlendHalfLeavingMagentaOut) {
  master_.SetPixel(4, 3, clMagenta);
  test::MasterSkin skin(master_);
  const TsMaskData mask = skin.Mask(kTwoImages);

  DrawMaskImage(target_, {1, 1}, 0, mask, 1);
  EXPECT_EQ(target_.Pixel(1, 2), kBeneath);
  EXPECT_EQ(target_.Pixel(2, 1), PositionColor(5, 2));
  EXPECT_EQ(target_.Pixel(10, 6), PositionColor(13, 7));

  // Each channel round(S - 0.5 (S - D)), halves to even: 52.5 -> 52, 53.5 -> 54.
  target_.Fill(kBeneath);
  DrawMaskImage(target_, {1, 1}, 0, mask, 2);
  EXPECT_EQ(target_.Pixel(1, 2), kBeneath);
  EXPECT_EQ(target_.Pixel(2, 1), MakeColor(52, 51, 54));
  EXPECT_EQ(target_.Pixel(1, 1), MakeColor(52, 51, 54));
}

TEST_F(MaskImageTest, MasksWithAWeightRowAreWeightedInEveryMode) {
  // Two images of 4 x 4 over their weight row.
  Bitmap24 picture(8, 8);
  picture.Fill(0);
  picture.SetPixel(4, 0, MakeColor(0, 0, 0));
  picture.SetPixel(4, 4, MakeColor(255, 255, 255));
  picture.SetPixel(5, 0, MakeColor(10, 20, 30));
  picture.SetPixel(6, 0, clMagenta);
  test::MasterSkin skin(picture);
  const TsMaskData mask = skin.Mask({.Rect = {0, 0, 8, 8}, .ImageCount = 2, .MaskType = 1});
  for (const int mode : {1, 2}) {
    SCOPED_TRACE(mode);
    target_.Fill(MakeColor(200, 200, 200));
    DrawMaskImage(target_, {2, 3}, 1, mask, mode);
    EXPECT_EQ(target_.Pixel(2, 3), MakeColor(199, 199, 199));
    EXPECT_EQ(target_.Pixel(3, 3), MakeColor(10, 20, 30));
    EXPECT_EQ(target_.Pixel(4, 3), MakeColor(200, 200, 200));  // magenta left out
    EXPECT_EQ(target_.Pixel(5, 6), 0);
    EXPECT_EQ(target_.Pixel(6, 3), MakeColor(200, 200, 200));
    EXPECT_EQ(target_.Pixel(2, 7), MakeColor(200, 200, 200));
  }
}

TEST_F(MaskImageTest, AMaskWithItsOwnPictureDrawsFromIt) {
  test::MasterSkin skin(master_);
  Bitmap24 own = PositionPicture(20, 6, 40);
  own.SetPixel(12, 0, clMagenta);
  const TsMaskData mask = skin.OwnPictureMask(own, {.Rect = {0, 0, 20, 6}, .ImageCount = 2});
  DrawMaskImage(target_, {0, 0}, 7, mask, 1);  // the last image
  EXPECT_TRUE(PixelsAre(target_, {0, 0, 10, 6}, [](int x, int y) {
    return x == 2 && y == 0 ? kBeneath : PositionColor(10 + x, y, 40);
  }));
  target_.Fill(kBeneath);
  DrawMaskImage(target_, {0, 0}, 0, mask, 2);
  EXPECT_EQ(target_.Pixel(1, 1), MakeColor(50, 50, 70));  // (1 + 100) / 2 = 50.5 -> 50
}

TEST_F(MaskImageTest, OnlyWhatLiesInsideThePictureIsDrawn) {
  test::MasterSkin skin(master_);
  // The image reaches four columns past the picture's right edge.
  DrawMaskImage(target_, {1, 1}, 0, skin.Mask({.Rect = {58, 26, 68, 32}, .ImageCount = 1}), 1);
  EXPECT_TRUE(PixelsAre(target_, {1, 1, 11, 7}, [](int x, int y) {
    return x < 7 ? PositionColor(57 + x, 25 + y) : kBeneath;
  }));

  target_.Fill(kBeneath);
  for (const int mode : {1, 2}) {
    DrawMaskImage(target_, {0, 0}, 0, skin.Mask({.Rect = {-40, -40, -20, -30}, .ImageCount = 2}),
                  mode);
    DrawMaskImage(target_, {0, 0}, 0, skin.Mask({.Rect = {4, 2, 24, 8}, .ImageCount = 0}), mode);
    DrawMaskImage(target_, {0, 0}, 0,
                  skin.Mask({.Rect = {4, 2, 24, 8}, .ImageCount = 2, .MaskType = -1}), mode);
    DrawMaskImage(target_, {INT_MAX - 3, INT_MIN}, 0, skin.Mask(kTwoImages), mode);
    TsMaskData noPicture = skin.Mask(kTwoImages);
    noPicture.Manager = nullptr;
    DrawMaskImage(target_, {0, 0}, 0, noPicture, mode);
  }
  EXPECT_TRUE(AllPixelsAre(target_, {0, 0, 12, 8}, kBeneath));
}

}  // namespace
}  // namespace au
