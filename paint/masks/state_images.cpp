#include "paint/masks/state_images.h"

#include <algorithm>

#include "skin/mask_geometry.h"
#include "skin/skin_manager.h"

namespace au {

const Bitmap24* MaskPicture(const TsMaskData& mask) {
  if (mask.Image) return &*mask.Image;
  if (mask.Manager != nullptr) return &mask.Manager->Records().MasterBitmap;
  return nullptr;
}

int ClampedState(int state, int imageCount) {
  return std::max(0, std::min(state, imageCount - 1));
}

std::optional<StateImage> StateImageOf(const TsMaskData& mask, int state) {
  const Bitmap24* picture = MaskPicture(mask);
  if (picture == nullptr || picture->Empty()) return std::nullopt;
  const std::int32_t width = PerCount(ExtentX(mask.Rect), mask.ImageCount);
  const std::int32_t height = PerCount(ExtentY(mask.Rect), mask.MaskType + 1);
  if (width <= 0 || height <= 0) return std::nullopt;
  const std::int64_t index = ClampedState(state, mask.ImageCount);
  return StateImage{picture, mask.Rect.Left + index * width, mask.Rect.Top, width, height};
}

}  // namespace au
