#include "pixels/readable_colour.h"

#include <cmath>
#include <cstdint>

namespace au {
namespace {

// One channel of 0..255 on the linear light scale.
double LinearChannel(std::uint8_t value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(TColor c) {
  c = ResolveColor(c);
  return 0.2126 * LinearChannel(RedOf(c)) + 0.7152 * LinearChannel(GreenOf(c)) +
         0.0722 * LinearChannel(BlueOf(c));
}

}  // namespace

double ContrastRatio(TColor a, TColor b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

TColor ReadableColour(TColor preferred, TColor background) {
  if (ContrastRatio(preferred, background) >= kReadableContrast) return ResolveColor(preferred);
  return ContrastRatio(clBlack, background) >= ContrastRatio(clWhite, background) ? clBlack
                                                                                  : clWhite;
}

TColor MeanColour(const Bitmap24& b, const TRect& r) {
  const TRect area = ClipToPicture(r, b.Width(), b.Height());
  if (area.Empty()) return clBlack;
  std::uint64_t sum[3] = {0, 0, 0};
  for (int y = area.Top; y < area.Bottom; ++y) {
    const std::uint8_t* p = b.Row(y) + 3 * area.Left;
    for (int x = 0; x < area.Width(); ++x, p += 3) {
      sum[0] += p[0];
      sum[1] += p[1];
      sum[2] += p[2];
    }
  }
  const std::uint64_t count = static_cast<std::uint64_t>(area.Width()) * area.Height();
  return MakeColor(static_cast<int>(sum[2] / count), static_cast<int>(sum[1] / count),
                   static_cast<int>(sum[0] / count));
}

}  // namespace au
