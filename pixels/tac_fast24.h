// Direct pixel reads from a 24-bit bitmap for loops that sample a second
// picture (a parent's cache behind a control) while they write another one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pixels/bitmap24.h"
#include "pixels/color.h"

namespace au {

class TacFast24 {
 public:
  // False, with Width 0, for a picture narrower or lower than 2 pixels.
  bool Attach(const Bitmap24& bitmap);

  // 0x00BBGGRR of the pixel at (x, y); the caller keeps (x, y) inside.
  TColor Pixel(int x, int y) const {
    const std::uint8_t* p = Row0 + y * Stride + 3 * x;
    return MakeColor(p[2], p[1], p[0]);
  }

  const Bitmap24* Bitmap = nullptr;
  int Width = 0;
  int Height = 0;
  const std::uint8_t* Row0 = nullptr;
  std::ptrdiff_t Stride = 0;  // row 1 minus row 0; negative for bottom-up storage
};

// The engine's shared readers, so that no paint allocates one. The second serves
// routines that read two pictures at once. Used on the user-interface thread only.
extern TacFast24 Fast24;
extern TacFast24 Fast24Second;

}  // namespace au
