// A plain copy of part of one 24-bit bitmap into another.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/rect.h"

namespace au {

// `sourceRect` (Right and Bottom exclusive) of `source` to `destination` with
// its top-left corner at `point`, clipped to both bitmaps; a part of the
// rectangle outside the source is left out, every other pixel keeps its place.
void CopyBitmapRect(Bitmap24& destination, const Bitmap24& source, TPoint point, TRect sourceRect);

}  // namespace au
