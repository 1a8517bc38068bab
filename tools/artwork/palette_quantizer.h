// Turns a true-colour picture into a 256-colour one for an 8-bit file.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/bmp_file.h"

namespace au::art {

// Palette entry 0 is white, 1 magenta (used only by pixels that are exactly
// magenta, the transparent colour), 3 black; the other 253 entries are the
// picture's own colours, reduced by median cut when it has more: up to 96
// greys, which grey pixels (the weights of weight rows) keep to, and the
// tints. Greys come first, each group from dark to light. Every pixel takes
// the nearest entry.
IndexedPicture QuantizeTo256Colors(const Bitmap24& picture);

}  // namespace au::art
