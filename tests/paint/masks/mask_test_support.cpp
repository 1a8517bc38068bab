#include "tests/paint/masks/mask_test_support.h"

#include <sstream>

#include "pixels/bmp_file.h"

namespace au::test {

Bitmap24 PositionPicture(int width, int height, int tag) {
  Bitmap24 b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, PositionColor(x, y, tag));
  return b;
}

MasterSkin::MasterSkin(const Bitmap24& master)
    : manager_(std::make_unique<TsSkinManager>(nullptr)) {
  TsStoredSkin skin;
  skin.Name = "Masks";
  skin.MasterBitmap = EncodeBmp24(master);
  manager_->SetSkinDirectory(noSkinFolders_.Ansi());
  manager_->SetInternalSkins({skin});
  manager_->SetSkinName(skin.Name);
}

MasterSkin::~MasterSkin() = default;

TsMaskData MasterSkin::Mask(const MaskShape& shape) const {
  TsMaskData mask;
  mask.Rect = shape.Rect;
  mask.ImageCount = static_cast<std::int16_t>(shape.ImageCount);
  mask.MaskType = static_cast<std::int16_t>(shape.MaskType);
  mask.WL = static_cast<std::int16_t>(shape.WL);
  mask.WT = static_cast<std::int16_t>(shape.WT);
  mask.WR = static_cast<std::int16_t>(shape.WR);
  mask.WB = static_cast<std::int16_t>(shape.WB);
  mask.BorderWidth = static_cast<std::int16_t>(shape.BorderWidth);
  mask.StretchMode = static_cast<std::int16_t>(shape.StretchMode);
  mask.Manager = manager_.get();
  return mask;
}

TsMaskData MasterSkin::OwnPictureMask(const Bitmap24& picture, const MaskShape& shape) const {
  TsMaskData mask = Mask(shape);
  mask.Image = picture.Clone();
  return mask;
}

::testing::AssertionResult PixelsAre(const Bitmap24& b, TRect area,
                                     const std::function<TColor(int x, int y)>& expected) {
  std::ostringstream report;
  int wrong = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      const TColor want = expected(x, y);
      if (b.Pixel(x, y) == want) continue;
      if (++wrong <= 5)
        report << std::hex << " (" << std::dec << x << ", " << y << ") is 0x" << std::hex
               << b.Pixel(x, y) << " instead of 0x" << want << ";";
    }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::dec << wrong << " pixels differ:" << report.str();
}

::testing::AssertionResult AllPixelsAre(const Bitmap24& b, TRect area, TColor colour) {
  return PixelsAre(b, area, [colour](int, int) { return colour; });
}

}  // namespace au::test
