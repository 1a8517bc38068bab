#include "pixels/bitmap_blend.h"

#include <algorithm>

#include "pixels/tac_fast_sum24.h"

namespace au {
namespace {

void RunBlend(Bitmap24& destination, const Bitmap24& source, std::uint8_t alpha, TRect to,
              TRect from) {
  if (!FastSum24.Attach(source, destination)) return;
  FastSum24.Alpha = alpha;
  FastSum24.DestLeft = to.Left;
  FastSum24.DestTop = to.Top;
  FastSum24.DestRight = to.Right;
  FastSum24.DestBottom = to.Bottom;
  FastSum24.SrcLeft = from.Left;
  FastSum24.SrcTop = from.Top;
  FastSum24.SrcRight = from.Right;
  FastSum24.SrcBottom = from.Bottom;
  FastSum24.Blend();  // a rectangle left empty by the clipping blends nothing
}

}  // namespace

void BlendWholeBitmaps(Bitmap24& destination, const Bitmap24& source, std::uint8_t alpha) {
  if (destination.Width() != source.Width() || destination.Height() != source.Height()) return;
  const TRect whole{0, 0, source.Width(), source.Height()};
  RunBlend(destination, source, alpha, whole, whole);
}

void BlendBitmapRect(Bitmap24& destination, const Bitmap24& source, std::uint8_t alpha,
                     TPoint point, TRect r) {
  // A destination point left of or above the bitmap drops the source's first
  // columns or rows. A source rectangle starting left of or above the source
  // has nothing there to blend: its start moves to 0 and the destination point
  // moves with it, so every source pixel still lands where it was aimed.
  if (point.X < 0) {
    r.Left -= point.X;
    point.X = 0;
  }
  if (point.Y < 0) {
    r.Top -= point.Y;
    point.Y = 0;
  }
  if (r.Left < 0) {
    point.X -= r.Left;
    r.Left = 0;
  }
  if (r.Top < 0) {
    point.Y -= r.Top;
    r.Top = 0;
  }
  r.Right = std::min(r.Right, source.Width());
  r.Bottom = std::min(r.Bottom, source.Height());
  if (point.X + r.Width() > destination.Width()) r.Right = destination.Width() + r.Left - point.X;
  if (point.Y + r.Height() > destination.Height()) {
    r.Bottom = destination.Height() + r.Top - point.Y;
  }
  RunBlend(destination, source, alpha,
           {point.X, point.Y, point.X + r.Width(), point.Y + r.Height()}, r);
}

}  // namespace au
