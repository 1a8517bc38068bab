// Colour arithmetic on single 0x00BBGGRR values: mixing two colours and the
// saturation and hue changes with which a loaded skin is recoloured.
#pragma once

#include "pixels/color.h"

namespace au {

// Per channel round(x * (a - b) + b), limited to 0..255: x = 1 gives a, x = 0
// gives b. The top byte is taken from a.
TColor MixColorPair(TColor a, TColor b, double x);

// Moves every channel towards the grey (R + G + B) / 3 of the colour by
// `amount` percent: 100 gives that grey, negative amounts move away from it
// (more saturated), 0 returns the colour unchanged. The top byte is kept; a
// system-colour reference is resolved to its RGB value first.
TColor ScaleSaturation(TColor color, int amount);

// Rotates the hue of the colour (resolved to RGB) by `degrees`, either way.
// Greys come back unchanged, with the top byte 0.
TColor ShiftHue(int degrees, TColor color);

}  // namespace au
