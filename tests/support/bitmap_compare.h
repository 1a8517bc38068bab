// Comparing whole pictures in tests.
#pragma once

#include "pixels/bitmap24.h"

namespace au::test {

// Same size and every pixel the same.
inline bool SamePixels(const Bitmap24& a, const Bitmap24& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

}  // namespace au::test
