// Tints a rectangle of a bitmap with a plain colour.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/color.h"
#include "pixels/rect.h"

namespace au {

// `r` is inclusive (Right and Bottom are its last column and row) and clipped
// to the bitmap. Each channel becomes round(f * channel + (1 - f) * colour's
// channel) with f = percent / 100: 100 keeps the bitmap, 0 paints the colour.
void MixRectWithColor(Bitmap24& bitmap, TRect r, int percent, TColor color);

}  // namespace au
