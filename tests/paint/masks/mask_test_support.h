// Pictures and masks for the mask drawing tests: source pictures whose every
// pixel tells where it came from, and masks cut from a real skin manager's
// master bitmap or from pictures of their own.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "pixels/bitmap24.h"
#include "pixels/rect.h"
#include "skin/mask_data.h"
#include "skin/skin_manager.h"
#include "tests/skin/skin_test_support.h"

namespace au::test {

// Red is x, green is y, blue the tag: a pixel copied anywhere still says which
// source pixel it was. Never magenta for pictures narrower than 255 pixels.
inline TColor PositionColor(int x, int y, int tag = 7) {
  return MakeColor(x, y, tag);
}
Bitmap24 PositionPicture(int width, int height, int tag = 7);

// The parts of a mask that the tests vary.
struct MaskShape {
  TRect Rect = {};
  int ImageCount = 1;
  int MaskType = 0;
  int WL = 0;
  int WT = 0;
  int WR = 0;
  int WB = 0;
  int BorderWidth = 0;
  int StretchMode = 0;
};

// A skin manager whose master bitmap is `master`, loaded as a skin would be,
// for masks cut from it.
class MasterSkin {
 public:
  explicit MasterSkin(const Bitmap24& master);
  ~MasterSkin();

  TsSkinManager* Manager() const { return manager_.get(); }
  const Bitmap24& Master() const { return manager_->Records().MasterBitmap; }

  // A mask of the master bitmap.
  TsMaskData Mask(const MaskShape& shape) const;
  // A mask with a picture of its own, owned by this manager.
  TsMaskData OwnPictureMask(const Bitmap24& picture, const MaskShape& shape) const;

 private:
  TempDir noSkinFolders_;
  std::unique_ptr<TsSkinManager> manager_;
};

// The column (row) of a state image that a tiled nine-piece border of
// `extent` pixels shows at offset t: the near border, the middle repeated from
// its start, the far border.
inline int TiledOffset(int t, int extent, int nearWidth, int farWidth, int imageExtent) {
  if (t < nearWidth) return t;
  if (t >= extent - farWidth) return imageExtent - (extent - t);
  return nearWidth + (t - nearWidth) % (imageExtent - nearWidth - farWidth);
}

// Sets one of the process-wide paint colours (ParentFillColor,
// SharedBackgroundColor) for a test and puts back what it held.
class ColorScope {
 public:
  ColorScope(TColor& slot, TColor value) : slot_(slot), previous_(slot) { slot_ = value; }
  ~ColorScope() { slot_ = previous_; }
  ColorScope(const ColorScope&) = delete;
  ColorScope& operator=(const ColorScope&) = delete;

 private:
  TColor& slot_;
  TColor previous_;
};

// Every pixel of `area` (Right and Bottom exclusive) of `b` against
// `expected`; reports the first few that differ.
::testing::AssertionResult PixelsAre(const Bitmap24& b, TRect area,
                                     const std::function<TColor(int x, int y)>& expected);
::testing::AssertionResult AllPixelsAre(const Bitmap24& b, TRect area, TColor colour);

}  // namespace au::test
