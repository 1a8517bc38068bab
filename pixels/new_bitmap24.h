// Temporary 24-bit bitmaps for the painting routines; the caller owns them and
// frees them in the same operation.
#pragma once

#include <memory>

#include "pixels/bitmap24.h"

namespace au {

std::unique_ptr<Bitmap24> NewBitmap24(int width, int height);

// Same size as `model`; the pixels are to be painted by the caller.
std::unique_ptr<Bitmap24> NewBitmap24Like(const Bitmap24& model);

}  // namespace au
