// A triangle filled with the three colours of its corners interpolated
// linearly across it (Gouraud shading), drawn without any platform routine.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/color.h"

namespace au {

struct TGouraudVertex {
  int X = 0;
  int Y = 0;
  TColor Color = 0;  // RGB; system colours resolved by the caller
};

// Pixel (x, y) belongs to the triangle when the point (x, y) lies inside it.
// A point on an edge belongs to the triangle only on a top or left edge, so
// triangles that share an edge cover every pixel along it exactly once and a
// rectangle cut into triangles covers its pixels from Left to Right - 1 and
// from Top to Bottom - 1. A pixel on a corner takes that corner's colour.
// Pixels outside the bitmap are left alone.
void FillGouraudTriangle(Bitmap24& bitmap, TGouraudVertex a, TGouraudVertex b, TGouraudVertex c);

}  // namespace au
