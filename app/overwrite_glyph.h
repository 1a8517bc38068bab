// The 16 x 16, 256-colour glyph of the overwrite button.
#pragma once

#include "pixels/bitmap24.h"

namespace au {

Bitmap24 OverwriteGlyph();

}  // namespace au
