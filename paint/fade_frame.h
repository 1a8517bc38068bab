// One frame of a fade between two pictures of a control.
#pragma once

#include <cstdint>

#include "pixels/bitmap24.h"

namespace au {

// The share (0..255) of the start picture in frame `step` of `stepCount`:
// 255 − step × 256 div stepCount, clamped, so that the last step is 0.
// `stepCount` must not be 0.
std::uint8_t FadeAlpha(int step, int stepCount);

// `frame` becomes `start` blended with `target`, `alpha` being the share of
// `start` (BlendWholeBitmaps; nothing is blended when the sizes differ). The
// two ends are exact copies: the blend's rounding would take one off every
// bright byte, and the last frame must be the target itself. The frame's
// pixels are reused when it already has the start picture's size.
void ComposeFadeFrame(Bitmap24& frame, const Bitmap24& start, const Bitmap24& target,
                      std::uint8_t alpha);

}  // namespace au
