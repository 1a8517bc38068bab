// An enlarged overview of the skin's pictures with the places of its images
// outlined, and a few controls put together from them, for review.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/bmp_file.h"

namespace au::art {

Bitmap24 DrawPreview(const IndexedPicture& master, const IndexedPicture& buttonHuge);

}  // namespace au::art
