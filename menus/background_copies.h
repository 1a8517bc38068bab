// Copies from the open menu's background picture onto a device context: the
// part of the source rectangle that lies outside the picture is left out.
#pragma once

#include <windows.h>

#include "pixels/bitmap24.h"

namespace au {

// `width` x `height` pixels of `picture` from (srcX, srcY) to (x, y) of `dc`.
void CopyPictureToDc(HDC dc, int x, int y, int width, int height, const Bitmap24& picture, int srcX,
                     int srcY);

}  // namespace au
