#include "pixels/tac_fast_sum24.h"

#include <algorithm>

namespace au {
namespace {

// One row of two different bitmaps, written so that the compiler can work on
// many bytes at once (the sum fits 16 bits: at most 65 152).
void BlendRow(std::uint8_t* __restrict d, const std::uint8_t* __restrict s, int count,
              unsigned keep, unsigned take) {
  const auto k = static_cast<std::uint16_t>(keep);
  const auto t = static_cast<std::uint16_t>(take);
  for (int i = 0; i < count; ++i) {
    d[i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(d[i] * k + s[i] * t + 127u) >> 8);
  }
}

}  // namespace

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
  const int count = 3 * (DestRight - DestLeft);
  const int shift = 3 * (DestLeft - SrcLeft);  // destination byte b reads source byte b - shift
  for (int y = DestBottom - 1; y >= DestTop; --y) {
    std::uint8_t* d = DestinationRow0 + y * DestinationStride;
    const std::uint8_t* s = SourceRow0 + (y - DestBottom + SrcBottom) * SourceStride;
    if (Source != Destination) {
      BlendRow(d + first, s + first - shift, count, keep, take);
      continue;
    }
    // A bitmap blended onto an overlapping part of itself: the order (bottom
    // row first, right to left) decides which bytes are read before they
    // change, so it is kept exactly.
    for (int b = 3 * DestRight - 1; b >= first; --b) {
      d[b] = static_cast<std::uint8_t>((d[b] * keep + s[b - shift] * take + 127u) >> 8);
    }
  }
  return true;
}

}  // namespace au
