// The internal skin's own masks, loaded through a skin manager, drawn onto
// bitmaps: every mask in every state, and a close look at two borders.
#include <gtest/gtest.h>

#include "paint/masks/border_corners.h"
#include "paint/masks/draw_border_mask.h"
#include "paint/masks/draw_mask_image.h"
#include "paint/masks/fill_with_masked_texture.h"
#include "pixels/shared_paint_state.h"
#include "skin/elegant_skin.h"
#include "tests/paint/masks/mask_test_support.h"

namespace au {
namespace {

using test::PixelsAre;
using test::PositionPicture;
using test::TiledOffset;

constexpr TColor kBeneath = 0x123456;

// Whether offset t of a border of `extent` pixels lies in a corner's columns (rows).
bool InBorder(int t, int extent, int nearWidth, int farWidth) {
  return t < nearWidth || t >= extent - farWidth;
}

int WeighChannel(int d, int p, int m) {
  return ((d - p) * m + p * 256) >> 8;
}

class ElegantMasksTest : public ::testing::Test {
 protected:
  ElegantMasksTest() {
    manager_.SetSkinDirectory(noSkinFolders_.Ansi());
    manager_.SetInternalSkins({ElegantInternalSkin()});
    manager_.SetSkinName(kElegantSkinName);
  }

  const TsMaskData& Mask(const char* section, const char* property) const {
    const int index = manager_.MaskIndexByNames(section, property);
    EXPECT_GE(index, 0) << section << " " << property;
    return manager_.Masks().at(static_cast<std::size_t>(index < 0 ? 0 : index));
  }
  const Bitmap24& Master() const { return manager_.Records().MasterBitmap; }

  test::TempDir noSkinFolders_;
  TsSkinManager manager_{nullptr};
};

TEST_F(ElegantMasksTest, EveryMaskDrawsOnlyInsideItsRectangleInEveryState) {
  ASSERT_FALSE(manager_.Masks().empty());
  ASSERT_FALSE(Master().Empty());
  // A parent cache smaller than the target, so that some corners find no parent pixel.
  Bitmap24 parent = PositionPicture(90, 20, 99);
  const TCacheInfo cache{&parent, 5, 3, true};
  Bitmap24 target(130, 30);
  const TRect rects[] = {{3, 3, 4, 4}, {3, 3, 5, 5}, {3, 3, 8, 6}, {3, 3, 20, 12}, {3, 3, 124, 25}};
  for (const TsMaskData& mask : manager_.Masks()) {
    SCOPED_TRACE(mask.SectionName + " " + mask.PropertyName);
    for (const int state : {-1, 0, 1, 2, 5}) {
      for (const TRect& r : rects) {
        for (const bool fill : {false, true}) {
          target.Fill(kBeneath);
          DrawBorderMask(target, r, fill, fill, state, mask, cache);
          ASSERT_TRUE(PixelsAre(target, {0, 0, 130, 30},
                                [&](int x, int y) {
                                  const bool inside =
                                      x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
                                  return inside ? target.Pixel(x, y) : kBeneath;
                                }))
              << "state " << state << ", " << r.Width() << " x " << r.Height();
        }
      }
      // Reaching past every edge of the target.
      DrawBorderMask(target, {-7, -4, 150, 40}, true, true, state, mask, cache);
      for (const TPoint p : {TPoint{-3, -2}, TPoint{0, 0}, TPoint{125, 26}})
        for (const int mode : {1, 2}) DrawMaskImage(target, p, state, mask, mode);
      DrawBorderCorners(target, mask, state, kAllCorners, cache, clMagenta);
      DrawBorderCorners(target, mask, state, kAllCorners, {}, 0x0A0B0C);
    }
    if (mask.ImgType == itisaTexture) {
      for (const int mode : {0, 10}) {
        FillWithMaskedTexture(target, {-5, -5, 140, 40}, cache, mode, mask);
        FillWithMaskedTexture(target, {10, 2, 13, 3}, {}, mode, mask);
      }
    }
  }
}

TEST_F(ElegantMasksTest, TheEditBorderIsAKeyedFrameWithoutCentre) {
  const TsMaskData& edit = Mask("EDIT", "BORDERSMASK");
  ASSERT_EQ(edit.MaskType, 0);
  ASSERT_EQ(edit.StretchMode, 0);
  ASSERT_NE(edit.BorderWidth, 0);
  const int sw = edit.Rect.Width() / edit.ImageCount;
  const int sh = edit.Rect.Height();
  Bitmap24 target(50, 20);
  target.Fill(kBeneath);
  DrawBorderMask(target, {0, 0, 50, 20}, true, false, 0, edit, {});
  EXPECT_TRUE(PixelsAre(target, {0, 0, 50, 20}, [&](int x, int y) {
    const bool acrossBorder = InBorder(x, 50, edit.WL, edit.WR);
    const bool downBorder = InBorder(y, 20, edit.WT, edit.WB);
    if (!acrossBorder && !downBorder) return kBeneath;  // a uniform border width keeps the centre
    const TColor p = Master().Pixel(edit.Rect.Left + TiledOffset(x, 50, edit.WL, edit.WR, sw),
                                    edit.Rect.Top + TiledOffset(y, 20, edit.WT, edit.WB, sh));
    return acrossBorder && downBorder && p == clMagenta ? kBeneath : p;
  }));
}

TEST_F(ElegantMasksTest, TheTitleBarBorderIsWeightedByItsMaskRow) {
  const TsMaskData& title = Mask("BARTITLE", "BORDERSMASK");
  ASSERT_EQ(title.MaskType, 1);
  const int sw = title.Rect.Width() / title.ImageCount;
  const int sh = title.Rect.Height() / 2;
  Bitmap24 parent = PositionPicture(120, 40, 99);
  const TCacheInfo cache{&parent, 4, 2, true};
  Bitmap24 target(100, 30);
  target.Fill(kBeneath);
  DrawBorderMask(target, {0, 0, 100, 30}, true, false, 0, title, cache);
  EXPECT_TRUE(PixelsAre(target, {0, 0, 100, 30}, [&](int x, int y) {
    const int sx = title.Rect.Left + TiledOffset(x, 100, title.WL, title.WR, sw);
    const int sy = title.Rect.Top + TiledOffset(y, 30, title.WT, title.WB, sh);
    const TColor p = Master().Pixel(sx, sy);
    const bool corner = InBorder(x, 100, title.WL, title.WR) && InBorder(y, 30, title.WT, title.WB);
    if (corner && p == clMagenta) return parent.Pixel(4 + x, 2 + y);
    const TColor m = Master().Pixel(sx, sy + sh);
    return MakeColor(WeighChannel(RedOf(kBeneath), RedOf(p), RedOf(m)),
                     WeighChannel(GreenOf(kBeneath), GreenOf(p), GreenOf(m)),
                     WeighChannel(BlueOf(kBeneath), BlueOf(p), BlueOf(m)));
  }));
}

TEST_F(ElegantMasksTest, AGlyphIsDrawnWholeWithItsMagentaLeftOut) {
  const TsMaskData& check = Mask("GLOBALINFO", "CHECK");
  const int sw = check.Rect.Width() / check.ImageCount;
  const int sh = check.Rect.Height() / (check.MaskType + 1);
  ASSERT_EQ(check.MaskType, 0);
  Bitmap24 target(20, 20);
  target.Fill(kBeneath);
  DrawMaskImage(target, {-3, 2}, 0, check, 1);
  EXPECT_TRUE(PixelsAre(target, {0, 0, 20, 20}, [&](int x, int y) {
    if (x >= sw - 3 || y < 2 || y >= 2 + sh) return kBeneath;
    const TColor p = Master().Pixel(check.Rect.Left + x + 3, check.Rect.Top + y - 2);
    return p == clMagenta ? kBeneath : p;
  }));
}

}  // namespace
}  // namespace au
