// Redrawing the corners of a control's border on its finished picture.
#include "paint/masks/border_corners.h"

#include <gtest/gtest.h>

#include "tests/paint/masks/mask_test_support.h"

namespace au {
namespace {

using test::AllPixelsAre;
using test::PixelsAre;
using test::PositionColor;
using test::PositionPicture;

constexpr TColor kBeneath = MakeColor(200, 200, 200);

// The master's state 2 has magenta in its first and its last pixel.
Bitmap24 CornerMaster() {
  Bitmap24 b = PositionPicture(64, 32);
  b.SetPixel(23, 0, clMagenta);
  b.SetPixel(31, 9, clMagenta);
  return b;
}

class BorderCornersTest : public ::testing::Test {
 protected:
  BorderCornersTest() : cache_(20, 12) { cache_.Fill(kBeneath); }

  // Three images over 35 columns: state 2 starts at 2 * 35 / 3 = 23, and its
  // right corners at 23 + (35 / 9) * 3 - WR = 28.
  TsMaskData Mask() const {
    return skin_.Mask(
        {.Rect = {0, 0, 35, 10}, .ImageCount = 3, .WL = 2, .WT = 3, .WR = 4, .WB = 1});
  }

  // The pixel each corner shows at (x, y) of the cache, or kBeneath outside them.
  static TColor Corners(int x, int y, TColor topLeft, TColor bottomRight) {
    const bool left = x < 2;
    const bool right = x >= 16;
    const bool top = y < 3;
    const bool bottom = y == 11;
    if (left && top) return x == 0 && y == 0 ? topLeft : PositionColor(23 + x, y);
    if (left && bottom) return PositionColor(23 + x, 9);
    if (right && bottom) return x == 19 ? bottomRight : PositionColor(12 + x, 9);
    if (right && top) return PositionColor(12 + x, y);
    return kBeneath;
  }

  test::MasterSkin skin_{CornerMaster()};
  Bitmap24 parent_ = PositionPicture(40, 40, 99);
  Bitmap24 cache_;
};

TEST_F(BorderCornersTest, CornersComeFromTheStateImageAtTheirOffsets) {
  DrawBorderCorners(cache_, Mask(), 2, kAllCorners, {}, clMagenta);
  EXPECT_TRUE(PixelsAre(cache_, {0, 0, 20, 12},
                        [](int x, int y) { return Corners(x, y, kBeneath, kBeneath); }));

  // Only the corners asked for, and states beyond the last are the last.
  cache_.Fill(kBeneath);
  DrawBorderCorners(cache_, Mask(), 9, kCornerBottomLeft | kCornerTopRight, {}, clMagenta);
  EXPECT_TRUE(PixelsAre(cache_, {0, 0, 20, 12}, [](int x, int y) {
    const bool wanted = (x < 2 && y == 11) || (x >= 16 && y < 3);
    return wanted ? Corners(x, y, kBeneath, kBeneath) : kBeneath;
  }));
}

TEST_F(BorderCornersTest, MagentaShowsTheColourGivenElseTheParentBehind) {
  DrawBorderCorners(cache_, Mask(), 2, kAllCorners, {&parent_, 5, 7, true}, 0x0A0B0C);
  EXPECT_TRUE(PixelsAre(cache_, {0, 0, 20, 12},
                        [](int x, int y) { return Corners(x, y, 0x0A0B0C, 0x0A0B0C); }));

  cache_.Fill(kBeneath);
  DrawBorderCorners(cache_, Mask(), 2, kAllCorners, {&parent_, 5, 7, true}, clMagenta);
  EXPECT_TRUE(PixelsAre(cache_, {0, 0, 20, 12}, [](int x, int y) {
    return Corners(x, y, PositionColor(5, 7, 99), PositionColor(24, 18, 99));
  }));

  // A parent cache that is not Ready shows nothing.
  cache_.Fill(kBeneath);
  DrawBorderCorners(cache_, Mask(), 2, kAllCorners, {&parent_, 5, 7, false}, clMagenta);
  EXPECT_TRUE(PixelsAre(cache_, {0, 0, 20, 12},
                        [](int x, int y) { return Corners(x, y, kBeneath, kBeneath); }));
}

// A weighted corner was weighted over the control's own background when the
// picture was painted; each later paint refreshes only what shows the parent,
// so painting again and again gives the same picture.
TEST_F(BorderCornersTest, WeightedCornersChangeOnlyTheirKeyPixelsHoweverOftenDrawn) {
  // An own picture without counts: three weighted images, rows 4 to 7 weights.
  Bitmap24 own = PositionPicture(36, 8, 40);
  for (int y = 4; y < 8; ++y)
    for (int x = 0; x < 36; ++x) own.SetPixel(x, y, MakeColor(128, 128, 128));
  // State 1 starts at 12, its right corners at 12 + 4 * 3 - 2 = 22, its
  // bottom ones at 4 - 2 = 2: its first and its last pixel are keyed.
  own.SetPixel(12, 0, clMagenta);
  own.SetPixel(23, 3, clMagenta);
  TsMaskData mask =
      skin_.OwnPictureMask(own, {.ImageCount = 0, .WL = 2, .WT = 2, .WR = 2, .WB = 2});
  Bitmap24 cache(10, 6);
  cache.Fill(kBeneath);
  for (int paint = 0; paint < 3; ++paint) {
    DrawBorderCorners(cache, mask, 1, kAllCorners, {&parent_, 5, 7, true}, clMagenta);
    EXPECT_TRUE(PixelsAre(cache, {0, 0, 10, 6},
                          [](int x, int y) {
                            if (x == 0 && y == 0) return PositionColor(5, 7, 99);
                            if (x == 9 && y == 5) return PositionColor(14, 12, 99);
                            return kBeneath;
                          }))
        << "paint " << paint;
  }
}

TEST_F(BorderCornersTest, NothingHappensForATinyPictureOrAMaskWithoutOne) {
  Bitmap24 thin(1, 12);
  thin.Fill(kBeneath);
  DrawBorderCorners(thin, Mask(), 0, kAllCorners, {}, 0x0A0B0C);
  EXPECT_TRUE(AllPixelsAre(thin, {0, 0, 1, 12}, kBeneath));

  TsMaskData noPicture = Mask();
  noPicture.Manager = nullptr;
  DrawBorderCorners(cache_, noPicture, 0, kAllCorners, {}, 0x0A0B0C);
  TsMaskData noImages = Mask();
  noImages.ImageCount = -3;
  DrawBorderCorners(cache_, noImages, 0, kAllCorners, {}, 0x0A0B0C);
  TsMaskData outside = Mask();
  outside.Rect = {-500, -500, -465, -490};
  DrawBorderCorners(cache_, outside, 0, kAllCorners, {}, 0x0A0B0C);
  EXPECT_TRUE(AllPixelsAre(cache_, {0, 0, 20, 12}, kBeneath));
}

}  // namespace
}  // namespace au
