// One state image of a mask drawn whole at a point: glyphs, check marks,
// corner images and caption buttons.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/rect.h"
#include "skin/mask_data.h"

namespace au {

// State image `state` (clamped to the mask's images) with its top-left corner
// at `point`; only the part inside the target is drawn, every pixel at its own
// place, and only what lies inside the mask's picture. Magenta pixels are left
// out. Masks with a weight row (MaskType above 0) weight every other pixel by
// it, whatever the mode. Masks without one are copied in mode 1 and blended
// half and half with what lies beneath in any other mode.
void DrawMaskImage(Bitmap24& target, TPoint point, int state, const TsMaskData& mask, int mode);

}  // namespace au
