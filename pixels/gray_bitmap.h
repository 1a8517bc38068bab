// Grey versions of pictures, for disabled controls and inactive glyphs.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/color.h"

namespace au {

// Every pixel becomes (B + G + R) div 3 in all three channels.
void GrayBitmap(Bitmap24& bitmap);

// The same, except that pixels equal to `key` keep their colour, so that a
// glyph's transparent background stays transparent.
void GrayBitmapExceptKey(Bitmap24& bitmap, TColor key);

}  // namespace au
