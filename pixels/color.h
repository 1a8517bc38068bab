// Colours as the skin engine stores them: 0x00BBGGRR, red in the low byte.
// A top byte of 0xFF marks a reference to a system colour (its low byte is the
// colour number), resolved to RGB only when pixels are about to be touched.
#pragma once

#include <cstdint>

namespace au {

using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
// The transparent colour of masks and glyphs, and "no answer" for colour queries.
inline constexpr TColor clMagenta = 0xFF00FF;

inline constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clBtnFace = SystemColor(15);

inline constexpr bool IsSystemColor(TColor c) {
  return (static_cast<std::uint32_t>(c) >> 24) == 0xFF;
}
inline constexpr std::uint8_t RedOf(TColor c) {
  return static_cast<std::uint8_t>(c);
}
inline constexpr std::uint8_t GreenOf(TColor c) {
  return static_cast<std::uint8_t>(c >> 8);
}
inline constexpr std::uint8_t BlueOf(TColor c) {
  return static_cast<std::uint8_t>(c >> 16);
}
inline constexpr TColor MakeColor(int red, int green, int blue) {
  return static_cast<TColor>((static_cast<std::uint32_t>(blue & 0xFF) << 16) |
                             (static_cast<std::uint32_t>(green & 0xFF) << 8) |
                             static_cast<std::uint32_t>(red & 0xFF));
}

// The platform's current value of system colour `index` (GetSysColor on Windows,
// the classic default scheme elsewhere).
TColor SystemColorValue(int index);

// A system-colour reference becomes its RGB value; any other colour is kept.
inline TColor ResolveColor(TColor c) {
  return IsSystemColor(c) ? SystemColorValue(c & 0xFF) : c;
}

}  // namespace au
