// Rounding as the colour arithmetic of the skins expects it: to the nearest
// integer, halves to the even neighbour (127.5 -> 128, 126.5 -> 126), the
// default rounding of the floating-point unit. Written out instead of calling
// nearbyint() because the library call would sit inside every pixel loop.
#pragma once

#include <cstdint>

namespace au {

// |value| must stay below 2^31.
inline int RoundHalfEven(double value) {
  int result = static_cast<int>(value);  // toward zero
  const double rest = value - result;    // exact: value and result share the scale
  if (rest > 0.5 || (rest == 0.5 && (result & 1) != 0)) {
    ++result;
  } else if (rest < -0.5 || (rest == -0.5 && (result & 1) != 0)) {
    --result;
  }
  return result;
}

inline std::uint8_t ClampToByte(int value) {
  return static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

// Rounded and limited to 0..255; NaN gives 0.
inline std::uint8_t RoundToByte(double value) {
  if (!(value > 0.0)) return 0;
  if (value >= 255.0) return 255;
  return static_cast<std::uint8_t>(RoundHalfEven(value));
}

}  // namespace au
