// Recipes shared by many of the skin's images.
#pragma once

#include "tools/artwork/art_layer.h"
#include "tools/artwork/elegant_colors.h"
#include "tools/artwork/shapes.h"

namespace au::art {

// A face colour that changes only within the top and bottom `border` rows and
// stays at its middle colour in between, so that a frame cut into nine pieces
// and stretched or tiled over any height still runs smoothly.
struct BorderedRamp {
  double Height = 0;
  double Border = 0;
  Rgba Top;
  Rgba Middle;
  Rgba Bottom;

  Rgba operator()(double, double y) const {
    const auto clamp = [](double t) { return t < 0 ? 0.0 : (t > 1 ? 1.0 : t); };
    if (y < Border) return Lerp(Top, Middle, clamp((y - 1) / (Border - 1)));
    if (y > Height - Border)
      return Lerp(Middle, Bottom, clamp((y - (Height - Border)) / (Border - 1)));
    return Middle;
  }
};

inline BorderedRamp FaceOf(const StateLook& look, double height, double border) {
  return {height, border, Ink(look.Top), Ink(look.Middle), Ink(look.Bottom)};
}

// The frame of a button whose face is painted by the skin's gradient: an
// outline, a ring just inside it, a see-through middle, and either a sheen
// over the top rows or a shadow under the top edge.
struct FrameStyle {
  double Radius = 3;
  TColor Edge = kOutline;
  double EdgeOpacity = 1;
  TColor Ring = kHighlight;
  double RingOpacity = 0;
  int SheenRows = 0;
  double Sheen = 0;
  int ShadowRows = 0;
  double Shadow = 0;
};

inline void PaintFrame(Layer& layer, const FrameStyle& s) {
  const RoundRect outer = Rounded(0, 0, layer.Width(), layer.Height(), s.Radius);
  const RoundRect inner = Inset(outer, 2);
  layer.Paint(outer, Ink(s.Edge, s.EdgeOpacity));
  layer.Paint(Inset(outer, 1), Ink(s.Ring, s.RingOpacity));
  layer.Paint(inner, kClear);
  if (s.SheenRows > 0) {
    layer.Paint(Intersect(inner, Box(0, 0, layer.Width(), 2 + s.SheenRows)),
                VerticalRamp{2, 2.0 + s.SheenRows, Ink(kHighlight, s.Sheen), Ink(kHighlight, 0)});
  }
  if (s.ShadowRows > 0) {
    layer.Paint(
        Intersect(inner, Box(0, 0, layer.Width(), 2 + s.ShadowRows)),
        VerticalRamp{2, 2.0 + s.ShadowRows, Ink(kInkPressed, s.Shadow), Ink(kInkPressed, 0)});
  }
}

}  // namespace au::art
