#include "paint/pixels/tac_fast_sum24.h"

#include <algorithm>

namespace au {

TacFastSum24 FastSum24;

bool TacFastSum24::Attach(const Bitmap24& source, Bitmap24& destination) {
  if (source.Width() < 2 || source.Height() < 2 || destination.Width() < 2 ||
      destination.Height() < 2) {
    return false;
  }
  Source = &source;
  Destination = &destination;
  Width = std::min(source.Width(), destination.Width());
  Height = std::min(source.Height(), destination.Height());
  SourceRow0 = source.Row(0);
  SourceStride = source.Row(1) - source.Row(0);
  DestinationRow0 = destination.Row(0);
  DestinationStride = destination.Row(1) - destination.Row(0);
  return true;
}

bool TacFastSum24::Blend() {
  if (Source == nullptr || Destination == nullptr) return false;
  const bool sameSize =
      DestRight - DestLeft == SrcRight - SrcLeft && DestBottom - DestTop == SrcBottom - SrcTop;
  const bool inside = DestLeft >= 0 && DestTop >= 0 && DestRight <= Destination->Width() &&
                      DestBottom <= Destination->Height() && SrcLeft >= 0 && SrcTop >= 0 &&
                      SrcRight <= Source->Width() && SrcBottom <= Source->Height();
  if (!sameSize || !inside || DestRight <= DestLeft || DestBottom <= DestTop) return false;

  const unsigned keep = Alpha;
  const unsigned take = 255u - Alpha;
  const int first = 3 * DestLeft;
  const int shift = 3 * (DestLeft - SrcLeft);  // destination byte b reads source byte b - shift
  // Bottom row first, right to left: the order decides the result when a bitmap
  // is blended onto an overlapping part of itself, so it is kept fixed.
  for (int y = DestBottom - 1; y >= DestTop; --y) {
    std::uint8_t* d = DestinationRow0 + y * DestinationStride;
    const std::uint8_t* s = SourceRow0 + (y - DestBottom + SrcBottom) * SourceStride;
    for (int b = 3 * DestRight - 1; b >= first; --b) {
      d[b] = static_cast<std::uint8_t>((d[b] * keep + s[b - shift] * take + 127u) >> 8);
    }
  }
  return true;
}

}  // namespace au
