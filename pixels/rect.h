// Pixel rectangles and points of the painting engine. Whether Right and Bottom
// are exclusive (the usual case) or the last column and row is stated by each
// routine that takes a rectangle.
#pragma once

namespace au {

struct TPoint {
  int X = 0;
  int Y = 0;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Empty() const { return Right <= Left || Bottom <= Top; }
};

// The part of `r` (Right and Bottom exclusive) that lies on a picture of
// width × height pixels; empty when nothing does.
inline TRect ClipToPicture(TRect r, int width, int height) {
  if (r.Left < 0) r.Left = 0;
  if (r.Top < 0) r.Top = 0;
  if (r.Right > width) r.Right = width;
  if (r.Bottom > height) r.Bottom = height;
  return r;
}

}  // namespace au
