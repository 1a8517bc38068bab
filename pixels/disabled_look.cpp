#include "pixels/disabled_look.h"

#include "pixels/blend_with_key.h"
#include "pixels/gray_bitmap.h"
#include "pixels/mix_rect_with_color.h"

namespace au {

void ApplyDisabledLook(Bitmap24& bitmap, int flags, TColor controlColor, TPoint position,
                       const TCacheInfo& parentCache, TColor sharedBackground) {
  if ((flags & kDisabledGray) != 0) GrayBitmap(bitmap);
  if ((flags & kDisabledBlend) == 0) return;

  if (parentCache.Ready && parentCache.Bitmap != nullptr) {
    const int left = parentCache.X + position.X;
    const int top = parentCache.Y + position.Y;
    BlendWithKey(bitmap, 0, 0, kNoColorKey, 0.4,
                 {left, top, left + bitmap.Width() - 1, top + bitmap.Height() - 1},
                 *parentCache.Bitmap);
    return;
  }
  const TColor background =
      sharedBackground != clMagenta ? sharedBackground : ResolveColor(controlColor);
  MixRectWithColor(bitmap, {0, 0, bitmap.Width() - 1, bitmap.Height() - 1}, 50, background);
}

}  // namespace au
