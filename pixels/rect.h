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
};

}  // namespace au
