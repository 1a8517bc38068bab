#include "pixels/gray_bitmap.h"

#include <cstdint>

namespace au {
namespace {

template <bool Keyed>
void MakeGray(Bitmap24& bitmap, TColor key) {
  const std::uint8_t keyBlue = BlueOf(key);
  const std::uint8_t keyGreen = GreenOf(key);
  const std::uint8_t keyRed = RedOf(key);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (Keyed && p[0] == keyBlue && p[1] == keyGreen && p[2] == keyRed) continue;
      const auto gray = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = gray;
    }
  }
}

}  // namespace

void GrayBitmap(Bitmap24& bitmap) {
  MakeGray<false>(bitmap, 0);
}

void GrayBitmapExceptKey(Bitmap24& bitmap, TColor key) {
  MakeGray<true>(bitmap, key);
}

}  // namespace au
