#include "pixels/mix_rect_with_color.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "pixels/rounding.h"

namespace au {

void MixRectWithColor(Bitmap24& bitmap, TRect r, int percent, TColor color) {
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::min(r.Right, bitmap.Width() - 1);
  r.Bottom = std::min(r.Bottom, bitmap.Height() - 1);
  if (r.Left > r.Right || r.Top > r.Bottom) return;

  // The result of a channel depends only on its own value, so each of the three
  // channels gets a table of all 256 answers, worked out with the real
  // arithmetic once instead of once per pixel.
  const double keep = percent / 100.0;
  const double take = 1.0 - keep;
  color = ResolveColor(color);
  const std::array<std::uint8_t, 3> tint = {BlueOf(color), GreenOf(color), RedOf(color)};
  std::array<std::array<std::uint8_t, 256>, 3> table;
  for (int c = 0; c < 3; ++c) {
    for (int v = 0; v < 256; ++v) table[c][v] = RoundToByte(keep * v + take * tint[c]);
  }

  const int count = r.Right - r.Left + 1;
  for (int y = r.Top; y <= r.Bottom; ++y) {
    std::uint8_t* p = bitmap.Row(y) + 3 * r.Left;
    for (int i = 0; i < count; ++i, p += 3) {
      p[0] = table[0][p[0]];
      p[1] = table[1][p[1]];
      p[2] = table[2][p[2]];
    }
  }
}

}  // namespace au
