// The platform's menu font, which skinned menu items are measured and drawn in.
#pragma once

#include "ui/graphics.h"

namespace au {

// `font` becomes the menu font of the platform's non-client metrics (left as
// it is when they cannot be read), bold when asked.
void AssignMenuFont(TFont& font, bool bold = false);

}  // namespace au
