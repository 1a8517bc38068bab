// Byte-alpha blends of one 24-bit bitmap over another. Alpha is the share that
// the destination keeps: 255 leaves it as it is, 0 replaces it by the source.
#pragma once

#include <cstdint>

#include "pixels/bitmap24.h"
#include "pixels/rect.h"

namespace au {

// The whole of `source` over the whole of `destination`; nothing happens when
// their sizes differ or either is smaller than 2 x 2 pixels. The fades use it.
void BlendWholeBitmaps(Bitmap24& destination, const Bitmap24& source, std::uint8_t alpha);

// `sourceRect` (Right and Bottom exclusive) of `source` blended onto
// `destination` with its top-left corner at `point`, clipped to both bitmaps.
void BlendBitmapRect(Bitmap24& destination, const Bitmap24& source, std::uint8_t alpha,
                     TPoint point, TRect sourceRect);

}  // namespace au
