// Where a mask's pictures come from and where one of its state images lies.
#pragma once

#include <cstdint>
#include <optional>

#include "pixels/bitmap24.h"
#include "skin/mask_data.h"

namespace au {

// The mask's own picture, else the master bitmap of its manager; null when it
// has neither.
const Bitmap24* MaskPicture(const TsMaskData& mask);

// A state the mask really has: below 0 counts as 0, beyond the last image as
// the last one.
int ClampedState(int state, int imageCount);

// One state image as the painters cut it from the skin's rectangle. The
// rectangle is kept as the skin gives it, so the image may lie partly or
// wholly outside its picture; whoever reads from it clips.
struct StateImage {
  const Bitmap24* Picture = nullptr;
  std::int64_t Left = 0;
  std::int64_t Top = 0;
  std::int32_t Width = 0;   // Rect width div ImageCount
  std::int32_t Height = 0;  // Rect height div (MaskType + 1); the weight row lies this far below
};

// State image `state` (clamped) of the mask, or nothing when the mask has no
// picture or its counts leave no image of at least one pixel.
std::optional<StateImage> StateImageOf(const TsMaskData& mask, int state);

}  // namespace au
