// The two copies that every mask drawing is made of: one that leaves out
// pixels of a key colour (or shows the parent's background through them), and
// one that weights each pixel by the mask's second row of images.
#pragma once

#include <cstdint>

#include "paint/masks/mask_pieces.h"
#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "pixels/color.h"
#include "pixels/rect.h"
#include "skin/mask_data.h"

namespace au {

// `sourceRect` of `source` (inclusive: Right and Bottom are its last column and
// row) onto `target` from (targetX, targetY), clipped to both pictures with
// every pixel kept at its own place. Source pixels equal to `key` in blue,
// green and red are not copied; with `parentFill` and a Ready cache the target
// pixel takes the parent's pixel behind it instead, (cache.X + x, cache.Y + y)
// for target pixel (x, y), where the cache has one.
void CopyWithKey(Bitmap24& target, const Bitmap24& source, int targetX, bool parentFill,
                 const TCacheInfo& cache, TColor key, TRect sourceRect, int targetY);

// The smaller of the two rectangles (Right and Bottom exclusive) copied from
// `sourceRect` of `source` to `targetRect` of `target`, clipped to both
// pictures, each pixel weighted by the pixel one state-image height of `mask`
// lower (its weight row). With `corner` set, magenta pixels show the parent
// cache pixel behind them when the cache is Ready, else ParentFillColor when
// that is set, else they are written as they are; without `corner` every
// pixel is weighted. Nothing is drawn when the mask's counts give no state
// image height, or where a weight would lie outside the source.
void CopyWithMaskRow(TRect targetRect, TRect sourceRect, Bitmap24& target, const TsMaskData& mask,
                     bool corner, const TCacheInfo& cache, const Bitmap24& source);

// How the two copies treat pixels, for painters that draw the same pieces
// repeatedly. The styles point at `cache`, which must outlive them.
PieceStyle KeyCopyStyle(bool parentFill, const TCacheInfo& cache, TColor key);
PieceStyle MaskRowStyle(bool corner, const TCacheInfo& cache, std::int64_t weightRows);

}  // namespace au
