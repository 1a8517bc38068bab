#include "pixels/color_transforms.h"

#include <algorithm>
#include <cstdint>

#include "pixels/rounding.h"

namespace au {
namespace {

constexpr std::uint32_t TopByteOf(TColor c) {
  return static_cast<std::uint32_t>(c) & 0xFF000000u;
}

TColor WithTopByte(TColor rgb, std::uint32_t top) {
  return static_cast<TColor>((static_cast<std::uint32_t>(rgb) & 0xFFFFFFu) | top);
}

}  // namespace

TColor MixColorPair(TColor a, TColor b, double x) {
  const auto mix = [x](int ca, int cb) { return RoundToByte(x * (ca - cb) + cb); };
  return WithTopByte(
      MakeColor(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b))),
      TopByteOf(a));
}

TColor ScaleSaturation(TColor color, int amount) {
  if (amount == 0) return color;
  // A system-colour reference is a colour number, not RGB: changing its bytes
  // would name another system colour.
  color = ResolveColor(color);
  const int red = RedOf(color);
  const int green = GreenOf(color);
  const int blue = BlueOf(color);
  const double gray = (red + green + blue) / 3.0;
  const auto scale = [gray, amount](int channel) {
    return RoundToByte(channel + amount * (gray - channel) / 100.0);
  };
  return WithTopByte(MakeColor(scale(red), scale(green), scale(blue)), TopByteOf(color));
}

TColor ShiftHue(int degrees, TColor color) {
  color = ResolveColor(color);
  const int red = RedOf(color);
  const int green = GreenOf(color);
  const int blue = BlueOf(color);
  const int v = std::max({red, green, blue});
  const int delta = v - std::min({red, green, blue});
  if (delta == 0) return MakeColor(v, v, v);

  const double s = static_cast<double>(delta) / v;
  double h;
  if (red == v) {
    h = 60.0 * (green - blue) / delta;
  } else if (green == v) {
    h = 120.0 + 60.0 * (blue - red) / delta;
  } else {
    h = 240.0 + 60.0 * (red - green) / delta;
  }
  if (h < 0) h += 360.0;

  // Folded into 0..359 for shifts in either direction and of any size.
  int shifted = RoundHalfEven(h + degrees % 360) % 360;
  if (shifted < 0) shifted += 360;
  const int sector = shifted / 60;
  const double f = shifted / 60.0 - sector;
  const std::uint8_t p = RoundToByte(v * (1.0 - s));
  const std::uint8_t q = RoundToByte(v * (1.0 - f * s));
  const std::uint8_t t = RoundToByte(v * (1.0 - (1.0 - f) * s));
  switch (sector) {
    case 0:
      return MakeColor(v, t, p);
    case 1:
      return MakeColor(q, v, p);
    case 2:
      return MakeColor(p, v, t);
    case 3:
      return MakeColor(p, q, v);
    case 4:
      return MakeColor(t, p, v);
    default:
      return MakeColor(v, p, q);
  }
}

}  // namespace au
