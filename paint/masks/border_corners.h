// The corners of a control's border redrawn on its finished picture with the
// parent's background in their transparent pixels, so that a control whose
// parent changed beneath it need not rebuild its whole picture.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "pixels/color.h"
#include "skin/mask_data.h"

namespace au {

// Which corners to redraw.
enum TCornerSet : int {
  kCornerTopLeft = 1,
  kCornerBottomLeft = 2,
  kCornerTopRight = 4,
  kCornerBottomRight = 8,
  kAllCorners = 15,
};

// Redraws the requested corners of state image `state` of the border `mask`
// at the corners of `cache` (the control's picture, as large as the control):
// WL x WT top left, WL x WB bottom left, WR x WB bottom right, WR x WT top
// right, in that order. Their magenta pixels take `background` when it is not
// magenta, else the pixel of `parent` behind them ((parent.X + x, parent.Y + y)
// for cache pixel (x, y)) when `parent` is Ready, else stay as they are; the
// other pixels are copied, except for masks with a weight row: their pixels
// were weighted over the control's own background when the picture was
// painted, and weighting them again at every paint would fade them towards
// the bare image, so they stay. A mask with its own picture and no image
// count counts as three images over two rows of the whole picture. Nothing
// happens for a picture smaller than 2 x 2 or a mask without a picture.
void DrawBorderCorners(Bitmap24& cache, const TsMaskData& mask, int state, int corners,
                       const TCacheInfo& parent, TColor background);

}  // namespace au
