// Nine-piece borders: a state image of a mask cut by its border widths into
// four corners, four sides and a centre, and laid around a rectangle.
#pragma once

#include <cstdint>

#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "pixels/rect.h"
#include "skin/mask_data.h"

namespace au {

struct BorderWidths {
  std::int64_t Left = 0;
  std::int64_t Top = 0;
  std::int64_t Right = 0;
  std::int64_t Bottom = 0;
};

// The mask's border widths for a rectangle of width x height. Where the two
// widths of one direction do not fit, each gives up half the excess (rounded
// toward zero) and the right (bottom) one a pixel more when the extent is odd;
// no width goes below 0. A negative width from the skin counts as 0.
BorderWidths FitBorderWidths(const TsMaskData& mask, std::int64_t width, std::int64_t height);

// State image `state` of `mask` as a frame around `rect` (Right and Bottom
// exclusive), and inside it when `fillCentre` is set. Corners of masks without
// a weight row (MaskType 0) leave magenta pixels out, or show the parent
// cache's pixel behind them when `parentFill` is set and the cache is Ready;
// their sides and centre are plain copies, tiled, or stretched when the mask's
// StretchMode is not 0, and the centre is only drawn for a BorderWidth of 0.
// Masks with a weight row draw every piece weighted by it and always tile;
// their corners show the parent (or ParentFillColor) through magenta pixels.
// Nothing is drawn for a rectangle of 1 pixel or less either way, a mask
// without a manager, or a state image whose middle height would be negative.
void DrawBorderMask(Bitmap24& target, const TRect& rect, bool fillCentre, bool parentFill,
                    int state, const TsMaskData& mask, const TCacheInfo& cache);

}  // namespace au
