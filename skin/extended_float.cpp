#include "skin/extended_float.h"

#include <cmath>
#include <limits>

namespace au {

double ExtendedToDouble(const std::array<std::uint8_t, 10>& bytes) {
  std::uint64_t significand = 0;
  for (int i = 7; i >= 0; --i)
    significand = (significand << 8) | bytes[static_cast<std::size_t>(i)];
  const int exponent = ((bytes[9] & 0x7F) << 8) | bytes[8];
  const bool negative = (bytes[9] & 0x80) != 0;

  double magnitude = 0;
  if (exponent == 0x7FFF) {
    magnitude = (significand << 1) == 0 ? std::numeric_limits<double>::infinity()
                                        : std::numeric_limits<double>::quiet_NaN();
  } else if (significand != 0) {
    // Keep the top 53 of the 64 significand bits, rounding the 11 dropped ones.
    std::uint64_t kept = significand >> 11;
    const std::uint64_t dropped = significand & 0x7FF;
    if (dropped > 0x400 || (dropped == 0x400 && (kept & 1) != 0)) ++kept;
    // A denormal extended has exponent 0 but scales like exponent 1.
    const int scale = (exponent == 0 ? 1 : exponent) - 16383 - 63 + 11;
    magnitude = std::ldexp(static_cast<double>(kept), scale);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace au
