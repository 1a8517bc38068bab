#include "paint/fade_frame.h"

#include <algorithm>

#include "pixels/bitmap_blend.h"
#include "pixels/copy_bitmap_rect.h"

namespace au {
namespace {

void CopyWhole(Bitmap24& frame, const Bitmap24& picture) {
  if (frame.Width() != picture.Width() || frame.Height() != picture.Height()) {
    frame.SetSize(picture.Width(), picture.Height());
  }
  CopyBitmapRect(frame, picture, {0, 0}, {0, 0, picture.Width(), picture.Height()});
}

}  // namespace

std::uint8_t FadeAlpha(int step, int stepCount) {
  const long long alpha = 255 - static_cast<long long>(step) * 256 / stepCount;
  return static_cast<std::uint8_t>(std::clamp<long long>(alpha, 0, 255));
}

void ComposeFadeFrame(Bitmap24& frame, const Bitmap24& start, const Bitmap24& target,
                      std::uint8_t alpha) {
  const bool sameSize = start.Width() == target.Width() && start.Height() == target.Height();
  if (alpha == 0 && sameSize) {
    CopyWhole(frame, target);
    return;
  }
  CopyWhole(frame, start);
  if (alpha != 255) BlendWholeBitmaps(frame, target, alpha);
}

}  // namespace au
