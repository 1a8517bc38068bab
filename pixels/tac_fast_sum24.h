// Byte-alpha blend of a rectangle of one 24-bit bitmap into a rectangle of the
// same size in another: the core of every fade and translucent copy.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pixels/bitmap24.h"

namespace au {

class TacFastSum24 {
 public:
  // False when either picture is narrower or lower than 2 pixels.
  bool Attach(const Bitmap24& source, Bitmap24& destination);

  // Every byte D of the destination rectangle becomes
  // (D * Alpha + S * (255 - Alpha) + 127) >> 8, S being the source byte at the
  // same place counted from the rectangles' left and bottom edges. Alpha is
  // thus the share of what is already there: 255 keeps it, 0 copies the source.
  // Returns false, changing nothing, when the rectangles differ in size, are
  // empty or reach outside their bitmaps.
  bool Blend();

  const Bitmap24* Source = nullptr;
  Bitmap24* Destination = nullptr;
  int Width = 0;  // the smaller of the two widths
  int Height = 0;
  const std::uint8_t* SourceRow0 = nullptr;
  std::uint8_t* DestinationRow0 = nullptr;
  std::ptrdiff_t SourceStride = 0;
  std::ptrdiff_t DestinationStride = 0;
  std::uint8_t Alpha = 0;
  // Right and Bottom exclusive.
  int DestLeft = 0;
  int DestTop = 0;
  int DestRight = 0;
  int DestBottom = 0;
  int SrcLeft = 0;
  int SrcTop = 0;
  int SrcRight = 0;
  int SrcBottom = 0;
};

// The engine's shared blender; lives as long as the program.
extern TacFastSum24 FastSum24;

}  // namespace au
