// Procedural textures for skins: every picture tiles without a seam, as the
// skin engine repeats it over whatever it covers, and the same seed always
// gives the same pixels.
#pragma once

#include <cstdint>

#include "pixels/bitmap24.h"

namespace au::design {

// Woven linen: threads of slightly different shades running both ways, over
// and under each other, with a fine grain.
Bitmap24 LinenTexture(int width, int height, TColor base, int contrast, std::uint32_t seed);

// Walnut: dark grain running left to right, with lighter streaks and pores.
Bitmap24 WalnutTexture(int width, int height, TColor light, TColor dark, std::uint32_t seed);

// Leather: a fine irregular pebble grain.
Bitmap24 LeatherTexture(int width, int height, TColor base, int contrast, std::uint32_t seed);

}  // namespace au::design
