// Textures that carry their own transparency: a mask whose state image 0 is
// repeated over an area, each pixel weighted by the mask's weight row.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "pixels/rect.h"
#include "skin/mask_data.h"

namespace au {

// Tiles state image 0 of `mask` (one image wide, half the mask's height high)
// over `rect` (Right and Bottom exclusive) in modes 0 and 10: whole columns and
// a last one cut at the right edge, but only the rows of whole tiles that end
// before the bottom edge, so a strip at the bottom stays as it was. Magenta
// pixels take SharedBackgroundColor when it is set, else the parent cache's
// pixel behind them when the cache is Ready; other pixels are weighted by the
// weight row. In mode 10 with a Ready cache, the strip below the tiled rows and
// the strip right of the whole columns then show the parent cache. Other modes,
// and masks without a weight row (MaskType 0), draw nothing. Either way the
// caller counts `rect` as covered.
void FillWithMaskedTexture(Bitmap24& target, const TRect& rect, const TCacheInfo& cache, int mode,
                           const TsMaskData& mask);

}  // namespace au
