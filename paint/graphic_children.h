// A container's graphic (windowless) children drawn over its own background:
// each is composed off screen on the container's cache and copied to the
// screen in one piece, so that it never flickers.
#pragma once

#include <windows.h>

#include "ui/win_control.h"

namespace au {

void PaintGraphicChildren(HDC target, TWinControl* container);

}  // namespace au
