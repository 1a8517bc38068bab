// Masked textures: which part of the rectangle the tiles cover, the weighting,
// and what shows through their magenta pixels and the strips they leave.
#include "paint/masks/fill_with_masked_texture.h"

#include <gtest/gtest.h>

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

constexpr TColor kBeneath = MakeColor(200, 200, 200);
constexpr TColor kWeighted = MakeColor(199, 199, 199);  // weight 255 over 200

// Tiles of 3 x 2 over their weight rows: pixel (0, 0) of the tile at the
// master's top-left corner is magenta, its pixel (2, 1) has weight 255, and
// every other weight is 0.
Bitmap24 TextureMaster() {
  Bitmap24 b = PositionPicture(16, 16);
  for (int y = 2; y < 4; ++y)
    for (int x = 0; x < 16; ++x) b.SetPixel(x, y, 0);
  b.SetPixel(0, 0, clMagenta);
  b.SetPixel(2, 3, MakeColor(255, 255, 255));
  return b;
}

class MaskedTextureTest : public ::testing::Test {
 protected:
  MaskedTextureTest() : target_(12, 9) { target_.Fill(kBeneath); }

  void Fill(int mode, const TCacheInfo& cache, TRect r = kRect) {
    FillWithMaskedTexture(target_, r, cache, mode, mask_);
  }

  // The tiles over the rows they cover, with `magenta` where the tile is magenta.
  ::testing::AssertionResult Tiled(const std::function<TColor(int, int)>& magenta,
                                   TRect area = {1, 1, 11, 7}) const {
    return PixelsAre(target_, area, [&](int x, int y) {
      const int sx = (x - 1) % 3;
      const int sy = (y - 1) % 2;
      if (sx == 0 && sy == 0) return magenta(x, y);
      if (sx == 2 && sy == 1) return kWeighted;
      return PositionColor(sx, sy);
    });
  }

  // 10 x 7: three whole columns and a cut one, three rows of tiles and a strip
  // of one row below them.
  static constexpr TRect kRect{1, 1, 11, 8};

  test::MasterSkin skin_{TextureMaster()};
  TsMaskData mask_ = skin_.Mask({.Rect = {0, 0, 3, 4}, .MaskType = 1, .StretchMode = 10});
  Bitmap24 parent_ = PositionPicture(30, 30, 99);
  Bitmap24 target_;
};

TEST_F(MaskedTextureTest, TilesCoverWholeRowsAndEveryColumnWithWeightedPixels) {
  const ColorScope unset(SharedBackgroundColor, clMagenta);
  Fill(0, {});
  EXPECT_TRUE(Tiled([](int, int) { return kBeneath; }));  // no colour, no cache: kept
  EXPECT_TRUE(AllPixelsAre(target_, {0, 7, 12, 9}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target_, {0, 0, 1, 9}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target_, {11, 0, 12, 9}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target_, {0, 0, 12, 1}, kBeneath));

  // A rectangle only one tile high gets no row at all.
  target_.Fill(kBeneath);
  Fill(0, {}, {1, 1, 11, 3});
  EXPECT_TRUE(AllPixelsAre(target_, {0, 0, 12, 9}, kBeneath));
}

TEST_F(MaskedTextureTest, MagentaShowsTheSharedBackgroundColourElseTheParent) {
  const TCacheInfo ready{&parent_, 4, 6, true};
  {
    const ColorScope colour(SharedBackgroundColor, 0x0A0B0C);
    Fill(0, ready);
    EXPECT_TRUE(Tiled([](int, int) { return 0x0A0B0C; }));
  }
  const ColorScope unset(SharedBackgroundColor, clMagenta);
  target_.Fill(kBeneath);
  Fill(0, ready);
  EXPECT_TRUE(Tiled([](int x, int y) { return PositionColor(4 + x, 6 + y, 99); }));
  EXPECT_TRUE(AllPixelsAre(target_, {0, 7, 12, 9}, kBeneath));
}

TEST_F(MaskedTextureTest, ModeTenShowsTheParentInTheStripsTheTilesLeave) {
  const ColorScope unset(SharedBackgroundColor, clMagenta);
  const auto parent = [](int x, int y) { return PositionColor(4 + x, 6 + y, 99); };
  Fill(10, {&parent_, 4, 6, true});
  EXPECT_TRUE(Tiled(parent, {1, 1, 10, 7}));
  EXPECT_TRUE(PixelsAre(target_, {10, 1, 11, 7}, parent));  // right of the whole columns
  EXPECT_TRUE(PixelsAre(target_, {1, 7, 11, 8}, parent));   // below the rows of tiles
  EXPECT_TRUE(AllPixelsAre(target_, {0, 8, 12, 9}, kBeneath));
  EXPECT_TRUE(AllPixelsAre(target_, {11, 0, 12, 9}, kBeneath));

  // Without a Ready cache mode 10 tiles as mode 0 does.
  target_.Fill(kBeneath);
  Fill(10, {&parent_, 4, 6, false});
  EXPECT_TRUE(Tiled([](int, int) { return kBeneath; }));
  EXPECT_TRUE(AllPixelsAre(target_, {1, 7, 11, 8}, kBeneath));
}

TEST_F(MaskedTextureTest, NothingIsDrawnForOtherModesOrUnusableMasks) {
  const ColorScope unset(SharedBackgroundColor, clMagenta);
  const TCacheInfo ready{&parent_, 4, 6, true};
  for (const int mode : {1, 2, 9, 11, -1}) Fill(mode, ready);
  for (const MaskShape& shape : {MaskShape{.Rect = {0, 0, 3, 4}},  // no weight row
                                 MaskShape{.Rect = {0, 0, 3, 4}, .ImageCount = 0, .MaskType = 1},
                                 MaskShape{.Rect = {0, 0, 3, 1}, .MaskType = 1},
                                 MaskShape{.Rect = {100, 100, 103, 104}, .MaskType = 1}}) {
    mask_ = skin_.Mask(shape);
    Fill(0, ready);
  }
  EXPECT_TRUE(AllPixelsAre(target_, {0, 0, 12, 9}, kBeneath));

  // A tile reaching past the picture's right edge draws only its inside part.
  mask_ = skin_.Mask({.Rect = {14, 0, 17, 4}, .MaskType = 1});
  Fill(0, {});
  EXPECT_TRUE(PixelsAre(target_, {1, 1, 11, 7}, [](int x, int y) {
    return (x - 1) % 3 == 2 ? kBeneath : PositionColor(14 + (x - 1) % 3, (y - 1) % 2);
  }));
}

}  // namespace
}  // namespace au
