#include "paint/pixels/blend_with_key.h"

#include <algorithm>
#include <cstdint>

#include "paint/pixels/rounding.h"

namespace au {

void BlendWithKey(Bitmap24& destination, int destX, int destY, TColor key, double factor, TRect r,
                  const Bitmap24& source) {
  if (r.Left < 0) {
    destX -= r.Left;
    r.Left = 0;
  }
  if (r.Top < 0) {
    destY -= r.Top;
    r.Top = 0;
  }
  r.Right = std::min(r.Right, source.Width() - 1);
  r.Bottom = std::min(r.Bottom, source.Height() - 1);

  // Only the columns and rows that land inside the destination.
  const int firstColumn = std::max(r.Left, r.Left - destX);
  const int lastColumn = std::min(r.Right, r.Left - destX + destination.Width() - 1);
  const int firstRow = std::max(r.Top, r.Top - destY);
  const int lastRow = std::min(r.Bottom, r.Top - destY + destination.Height() - 1);
  if (firstColumn > lastColumn || firstRow > lastRow) return;

  const bool keyed = HasColorKey(key);
  const std::uint8_t keyBlue = BlueOf(key);
  const std::uint8_t keyGreen = GreenOf(key);
  const std::uint8_t keyRed = RedOf(key);
  const int count = lastColumn - firstColumn + 1;
  for (int row = firstRow; row <= lastRow; ++row) {
    const std::uint8_t* s = source.Row(row) + 3 * firstColumn;
    std::uint8_t* d = destination.Row(destY + row - r.Top) + 3 * (destX + firstColumn - r.Left);
    for (int i = 0; i < count; ++i, s += 3, d += 3) {
      if (keyed && s[0] == keyBlue && s[1] == keyGreen && s[2] == keyRed) continue;
      for (int c = 0; c < 3; ++c) {
        d[c] = RoundToByte(s[c] - factor * (s[c] - d[c]));
      }
    }
  }
}

}  // namespace au
