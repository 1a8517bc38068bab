#include "tools/skin_designs/design_pieces.h"

namespace au::design {

void SolidCorners(Layer& layer, FrameBorders borders, TColor top, TColor bottom) {
  const int w = layer.Width();
  const int h = layer.Height();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool inCorner = (x < borders.Left || x >= w - borders.Right) &&
                            (y < borders.Top || y >= h - borders.Bottom);
      const Rgba p = layer.At(x, y);
      // Pixels less than half covered become magenta when put in the picture;
      // clear ones leave what lies beneath exactly as it is.
      if (!inCorner || layer.Covered(x, y) < 0.5 || p.A >= 1.0 || p.A < 1.0 / 510) continue;
      const Rgba under = Ink(y < h / 2 ? top : bottom);
      layer.Set(
          x, y,
          {p.R + (1 - p.A) * under.R, p.G + (1 - p.A) * under.G, p.B + (1 - p.A) * under.B, 1.0});
    }
  }
}

art::Polygon Arrow(Direction direction, double cx, double cy, double size) {
  const double half = size / 2;
  const double depth = size / 2;
  switch (direction) {
    case Direction::Up:
      return {{cx - half, cy + depth / 2}, {cx + half, cy + depth / 2}, {cx, cy - depth / 2}};
    case Direction::Down:
      return {{cx - half, cy - depth / 2}, {cx + half, cy - depth / 2}, {cx, cy + depth / 2}};
    case Direction::Left:
      return {{cx + depth / 2, cy - half}, {cx + depth / 2, cy + half}, {cx - depth / 2, cy}};
    case Direction::Right:
      return {{cx - depth / 2, cy - half}, {cx - depth / 2, cy + half}, {cx + depth / 2, cy}};
  }
  return {};
}

CrossShape Cross(double cx, double cy, double reach, double width) {
  return art::Union(art::Stroke({{cx - reach, cy - reach}, {cx + reach, cy + reach}}, width),
                    art::Stroke({{cx - reach, cy + reach}, {cx + reach, cy - reach}}, width));
}

art::Stroke Tick(double left, double top, double size, double width) {
  return art::Stroke({{left + size * 0.1, top + size * 0.55},
                      {left + size * 0.4, top + size * 0.85},
                      {left + size * 0.92, top + size * 0.18}},
                     width);
}

}  // namespace au::design
