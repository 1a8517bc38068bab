// Arithmetic on mask counts and widths that skins supply: counts may be zero
// or negative, so no division trusts them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "skin/mask_data.h"

namespace au {

// A skin may give any 32-bit corners, so an extent needs 33 bits.
inline std::int64_t ExtentX(const TRect& rect) {
  return std::int64_t{rect.Right} - rect.Left;
}
inline std::int64_t ExtentY(const TRect& rect) {
  return std::int64_t{rect.Bottom} - rect.Top;
}

inline std::int32_t PerCount(std::int64_t extent, std::int32_t count) {
  if (count <= 0) return 0;
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(extent / count, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
}

// Mask fields are 16 bits wide; larger numbers from a skin saturate instead
// of wrapping round to another sign.
inline std::int16_t Narrow16(std::int32_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(
      value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

struct ImageSize {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

// One state image of the mask's rectangle, also for a mask with a picture of
// its own: ImageCount images side by side, MaskType + 1 rows (at least one).
inline ImageSize RectStateImageSize(const TsMaskData& mask) {
  return {PerCount(ExtentX(mask.Rect), mask.ImageCount),
          PerCount(ExtentY(mask.Rect), std::max(mask.MaskType + 1, 1))};
}

// Without widths of its own, a border piece is a third of one state image
// each way.
inline std::int32_t DefaultBorderWidthX(const TsMaskData& mask) {
  return PerCount(ExtentX(mask.Rect), mask.ImageCount * 3);
}
inline std::int32_t DefaultBorderWidthY(const TsMaskData& mask) {
  return PerCount(ExtentY(mask.Rect), (mask.MaskType + 1) * 3);
}

inline void SetDefaultBorderWidths(TsMaskData& mask) {
  mask.WL = mask.WR = Narrow16(DefaultBorderWidthX(mask));
  mask.WT = mask.WB = Narrow16(DefaultBorderWidthY(mask));
}

// A mask that gives no widths at all takes its uniform BorderWidth, or the defaults.
inline void CompleteBorderWidths(TsMaskData& mask) {
  if (mask.WL + mask.WT + mask.WR + mask.WB != 0) return;
  if (mask.BorderWidth != 0) {
    mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
  } else {
    SetDefaultBorderWidths(mask);
  }
}

}  // namespace au
