// JPEG files of our own pictures, for the skins we generate and for tests.
#pragma once

#include <cstdint>
#include <vector>

#include "pixels/bitmap24.h"

namespace au {

struct JpegSettings {
  int Quality = 95;
  // One grey channel, taken from each pixel's first byte.
  bool Grey = false;
};

// A baseline JPEG file of the picture, the same bytes on every run: the exact
// integer DCT and every channel at full resolution (no chroma subsampling).
std::vector<std::uint8_t> EncodeJpeg(const Bitmap24& picture, const JpegSettings& settings = {});

}  // namespace au
