// Draws a parsed gradient description into a rectangle of a bitmap.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/gradient_step.h"
#include "pixels/rect.h"

namespace au {

// The Mode of the first step decides the kind for the whole gradient:
// 0 bands from top to bottom, 1 bands from left to right (each step taking its
// Percent of the extent, the last one reaching the far edge), 2 four triangles
// between the corners and the centre coloured with the steps' Color1. An empty
// array or any other mode paints nothing. `r` (Right and Bottom exclusive) is
// clipped to the bitmap.
void PaintGradient(Bitmap24& bitmap, TRect r, const TsGradArray& steps);

}  // namespace au
