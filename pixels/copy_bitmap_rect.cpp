#include "pixels/copy_bitmap_rect.h"

#include <algorithm>
#include <cstring>

namespace au {

void CopyBitmapRect(Bitmap24& destination, const Bitmap24& source, TPoint point, TRect r) {
  // Whatever lies outside either bitmap is cut off on both sides at once.
  const int cutLeft = std::max({0, -r.Left, -point.X});
  const int cutTop = std::max({0, -r.Top, -point.Y});
  r.Left += cutLeft;
  r.Top += cutTop;
  point.X += cutLeft;
  point.Y += cutTop;
  const int width = std::min({r.Right, source.Width()}) - r.Left;
  const int height = std::min({r.Bottom, source.Height()}) - r.Top;
  const int w = std::min(width, destination.Width() - point.X);
  const int h = std::min(height, destination.Height() - point.Y);
  if (w <= 0 || h <= 0) return;
  const size_t bytes = 3 * static_cast<size_t>(w);
  for (int y = 0; y < h; ++y) {
    std::memmove(destination.Row(point.Y + y) + 3 * point.X, source.Row(r.Top + y) + 3 * r.Left,
                 bytes);
  }
}

}  // namespace au
