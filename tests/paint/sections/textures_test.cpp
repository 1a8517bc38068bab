// Texture fills: what every stretch mode paints and which part of the
// rectangle it leaves to the caller, repeated pictures with cut last rows and
// columns, and rectangles that reach outside the target.
#include "paint/sections/textures.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/paint/masks/mask_test_support.h"

namespace au {
namespace {

using test::AllPixelsAre;
using test::MaskShape;
using test::PixelsAre;
using test::PositionColor;
using test::PositionPicture;

constexpr TColor kBeneath = MakeColor(10, 20, 30);

// 10 x 7 inside a 12 x 9 target: three whole 3 x 2 tiles across and a cut one,
// three whole rows and a cut one.
constexpr TRect kArea{1, 1, 11, 8};

bool Inside(int x, int y, const TRect& r) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

bool SameRect(const TRect& a, const TRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

class TextureTest : public ::testing::Test {
 protected:
  TextureTest() : target_(12, 9) { target_.Fill(kBeneath); }

  // Fills kArea in `mode`; returns what is left.
  TRect Fill(int mode, const TsMaskData& mask) {
    TRect r = kArea;
    FillWithTexture(target_, r, mode, mask);
    return r;
  }

  // `painted` inside `where`, the target untouched everywhere else.
  ::testing::AssertionResult Shows(const TRect& where,
                                   const std::function<TColor(int, int)>& painted) const {
    return PixelsAre(target_, {0, 0, 12, 9},
                     [&](int x, int y) { return Inside(x, y, where) ? painted(x, y) : kBeneath; });
  }

  // The 3 x 2 texture at (2, 1) of the master bitmap tiled from (left, top).
  static TColor Tile(int x, int y, int left = kArea.Left, int top = kArea.Top) {
    return PositionColor(2 + (x - left) % 3, 1 + (y - top) % 2);
  }

  test::MasterSkin skin_{PositionPicture(16, 16)};
  TsMaskData texture_ = skin_.Mask(MaskShape{.Rect = {2, 1, 5, 3}});
  Bitmap24 target_;
};

TEST_F(TextureTest, PlainTilingCoversTheRectangleWithCutLastRowAndColumn) {
  EXPECT_TRUE(IsNothingLeft(Fill(0, texture_)));
  EXPECT_TRUE(Shows(kArea, [](int x, int y) { return Tile(x, y); }));
  // The cut column and row start with the texture's first column and row.
  EXPECT_EQ(target_.Pixel(10, 7), PositionColor(2, 1));
}

TEST_F(TextureTest, StretchingCoversTheRectangleNearestPixel) {
  EXPECT_TRUE(IsNothingLeft(Fill(1, texture_)));
  EXPECT_TRUE(Shows(kArea, [](int x, int y) {
    return PositionColor(2 + (2 * (x - 1) + 1) * 3 / 20, 1 + (2 * (y - 1) + 1) * 2 / 14);
  }));
}

TEST_F(TextureTest, TallTilesAlongTheTopLeaveTheRectangleBelowTheirHeight) {
  const TRect left = Fill(2, texture_);
  EXPECT_TRUE(SameRect(left, {1, 3, 11, 8}));
  // Each tile copies the whole height of the rectangle from the texture's place.
  EXPECT_TRUE(
      Shows(kArea, [](int x, int y) { return PositionColor(2 + (x - 1) % 3, 1 + (y - 1)); }));
}

TEST_F(TextureTest, WideTilesDownTheLeftLeaveTheRectangleRightOfTheirWidth) {
  const TRect left = Fill(3, texture_);
  EXPECT_TRUE(SameRect(left, {4, 1, 11, 8}));
  EXPECT_TRUE(
      Shows(kArea, [](int x, int y) { return PositionColor(2 + (x - 1), 1 + (y - 1) % 2); }));
}

TEST_F(TextureTest, AStretchedStripAlongTheTopOrTheLeft) {
  EXPECT_TRUE(SameRect(Fill(4, texture_), {1, 3, 11, 8}));
  EXPECT_TRUE(Shows({1, 1, 11, 3}, [](int x, int y) {
    return PositionColor(2 + (2 * (x - 1) + 1) * 3 / 20, 1 + (y - 1));
  }));

  target_.Fill(kBeneath);
  EXPECT_TRUE(SameRect(Fill(5, texture_), {4, 1, 11, 8}));
  EXPECT_TRUE(Shows({1, 1, 4, 8}, [](int x, int y) {
    return PositionColor(2 + (x - 1), 1 + (2 * (y - 1) + 1) * 2 / 14);
  }));
}

TEST_F(TextureTest, TilesAlongTheBottomLeaveTheRectangleAboveThem) {
  EXPECT_TRUE(SameRect(Fill(6, texture_), {1, 1, 11, 6}));
  EXPECT_TRUE(Shows({1, 6, 11, 8}, [](int x, int y) { return Tile(x, y, 1, 6); }));
}

TEST_F(TextureTest, TilingWithTheRightStripKeptLeavesTheRectangleLeftOfIt) {
  EXPECT_TRUE(SameRect(Fill(7, texture_), {1, 1, 8, 8}));
  EXPECT_TRUE(Shows(kArea, [](int x, int y) { return Tile(x, y); }));
}

TEST_F(TextureTest, WholeRowsOnlyLeaveAStripAtTheBottomUnpainted) {
  EXPECT_TRUE(IsNothingLeft(Fill(10, texture_)));
  // Rows of tiles start at 1, 3 and 5 (below 8 - 2); row 7 stays as it was.
  EXPECT_TRUE(Shows({1, 1, 11, 7}, [](int x, int y) { return Tile(x, y); }));
}

TEST_F(TextureTest, OtherModesPaintNothingAndLeaveTheRectangle) {
  for (int mode : {-1, 8, 9, 11, 255}) {
    EXPECT_TRUE(SameRect(Fill(mode, texture_), kArea)) << mode;
    EXPECT_TRUE(AllPixelsAre(target_, {0, 0, 12, 9}, kBeneath)) << mode;
  }
}

TEST_F(TextureTest, ATextureWithAPictureOfItsOwnIsRepeatedWhateverTheMode) {
  const TsMaskData own = skin_.OwnPictureMask(PositionPicture(4, 3, 50), {.Rect = {0, 0, 4, 3}});
  for (int mode : {1, 4, 6}) {
    target_.Fill(kBeneath);
    EXPECT_TRUE(IsNothingLeft(Fill(mode, own))) << mode;
    EXPECT_TRUE(Shows(kArea, [](int x, int y) {
      return PositionColor((x - 1) % 4, (y - 1) % 3, 50);
    })) << mode;
  }
}

TEST_F(TextureTest, ATextureWithoutPixelsPaintsNothingAndLeavesTheRectangle) {
  for (const TRect& rect : {TRect{2, 1, 2, 3}, TRect{2, 1, 5, 1}, TRect{5, 3, 2, 1}}) {
    const TsMaskData empty = skin_.Mask(MaskShape{.Rect = rect});
    for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 10}) {
      EXPECT_TRUE(SameRect(Fill(mode, empty), kArea)) << mode;
    }
  }
  TsMaskData orphan = skin_.Mask(MaskShape{.Rect = {2, 1, 5, 3}});
  orphan.Manager = nullptr;  // neither a picture of its own nor a master bitmap
  EXPECT_TRUE(SameRect(Fill(0, orphan), kArea));
  EXPECT_TRUE(AllPixelsAre(target_, {0, 0, 12, 9}, kBeneath));
}

TEST_F(TextureTest, ARectangleReachingOutsideTheTargetIsClippedToIt) {
  for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 10}) {
    TRect r{-5, -4, 30, 20};
    FillWithTexture(target_, r, mode, texture_);
  }
  // Mode 10 came last: whole tiles from (-5, -4) over every target pixel.
  EXPECT_TRUE(PixelsAre(target_, {0, 0, 12, 9}, [](int x, int y) { return Tile(x, y, -5, -4); }));
  // A texture that reaches outside the master bitmap gives only what it has.
  const TsMaskData outside = skin_.Mask(MaskShape{.Rect = {14, 14, 20, 20}});
  target_.Fill(kBeneath);
  TRect r = kArea;
  FillWithTexture(target_, r, 0, outside);
  EXPECT_EQ(target_.Pixel(1, 1), PositionColor(14, 14));
  EXPECT_EQ(target_.Pixel(3, 1), kBeneath);  // column 16 of a 16 pixel wide master
}

TEST(TilePicture, RepeatsThePictureWithTheLastRowAndColumnCut) {
  Bitmap24 target(12, 9);
  target.Fill(kBeneath);
  const Bitmap24 picture = PositionPicture(4, 3, 50);
  TilePicture(target, kArea, picture);
  EXPECT_TRUE(PixelsAre(target, {0, 0, 12, 9}, [&](int x, int y) {
    return Inside(x, y, kArea) ? PositionColor((x - 1) % 4, (y - 1) % 3, 50) : kBeneath;
  }));
  EXPECT_EQ(target.Pixel(10, 7), PositionColor(1, 0, 50));  // cut to 2 columns and 1 row

  // Reaching outside: clipped, the grid still starting at the rectangle's corner.
  TilePicture(target, {-3, -2, 40, 40}, picture);
  EXPECT_TRUE(PixelsAre(target, {0, 0, 12, 9},
                        [](int x, int y) { return PositionColor((x + 3) % 4, (y + 2) % 3, 50); }));

  // An empty picture or an empty rectangle paints nothing.
  target.Fill(kBeneath);
  TilePicture(target, kArea, Bitmap24());
  TilePicture(target, {5, 5, 5, 9}, picture);
  TilePicture(target, {20, 20, 30, 30}, picture);
  EXPECT_TRUE(AllPixelsAre(target, {0, 0, 12, 9}, kBeneath));
}

TEST(FillRectWithColor, FillsOnlyWhatLiesInsideTheTarget) {
  Bitmap24 target(12, 9);
  target.Fill(kBeneath);
  const TColor c = MakeColor(1, 2, 3);
  FillRectWithColor(target, {-4, 7, 3, 50}, c);
  EXPECT_TRUE(PixelsAre(target, {0, 0, 12, 9},
                        [&](int x, int y) { return x < 3 && y >= 7 ? c : kBeneath; }));
  FillRectWithColor(target, {8, 8, 2, 2}, c);
  FillRectWithColor(target, {12, 0, 20, 9}, c);
  EXPECT_EQ(target.Pixel(11, 0), kBeneath);
  EXPECT_EQ(target.Pixel(5, 5), kBeneath);
}

}  // namespace
}  // namespace au
