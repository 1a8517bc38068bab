// Blend by a real factor that leaves out source pixels of a key colour: how
// glyphs are drawn half transparent and how disabled controls take on their
// parent's background.
#pragma once

#include <cstdint>

#include "pixels/bitmap24.h"
#include "pixels/color.h"
#include "pixels/rect.h"

namespace au {

// A key value whose top byte is 0xFF means "no key": every pixel is blended.
inline constexpr TColor kNoColorKey = static_cast<TColor>(0xFFFFFFFFu);

inline bool HasColorKey(TColor key) {
  return static_cast<std::uint32_t>(key) <= 0xFEFFFFFFu;
}

// `sourceRect` of `source` (inclusive: Right and Bottom are its last column and
// row) onto `destination` from (destX, destY). Each channel becomes
// round(S - factor * (S - D)): the destination keeps `factor` of itself.
// Source pixels equal to `key` in blue, green and red are skipped, as are
// destination pixels outside the destination.
void BlendWithKey(Bitmap24& destination, int destX, int destY, TColor key, double factor,
                  TRect sourceRect, const Bitmap24& source);

}  // namespace au
