// Filling an area of a bitmap with a colour, a repeated picture, or a texture
// mask in one of its stretch modes.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/rect.h"
#include "skin/mask_data.h"

namespace au {

// Right and Bottom exclusive, clipped to the bitmap. A system-colour
// reference fills with the colour the system shows for it.
void FillRectWithColor(Bitmap24& target, const TRect& r, TColor colour);

// The picture repeated from the rectangle's top-left corner, the last row and
// column cut where the rectangle ends.
void TilePicture(Bitmap24& target, const TRect& r, const Bitmap24& picture);

// The texture `mask` over `r` as its stretch `mode` says. Afterwards `r` holds
// the part that is still to be filled (all four values -1 when none is).
void FillWithTexture(Bitmap24& target, TRect& r, int mode, const TsMaskData& mask);

inline constexpr TRect kNothingLeft{-1, -1, -1, -1};
inline bool IsNothingLeft(const TRect& r) {
  return r.Left == -1 && r.Top == -1 && r.Right == -1 && r.Bottom == -1;
}

}  // namespace au
