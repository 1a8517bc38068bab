// A small vector-style painter for the skin artwork: shapes are sampled
// several times per pixel, so curved edges come out anti-aliased, and every
// pixel carries a colour with an opacity. The pixels are kept premultiplied:
// painting with coverage c replaces c of what is there, which lets a fill of
// "nothing" punch a soft hole into an outline painted before it.
#pragma once

#include <vector>

#include "pixels/color.h"

namespace au::art {

// Premultiplied colour, channels and opacity in 0..1.
struct Rgba {
  double R = 0;
  double G = 0;
  double B = 0;
  double A = 0;
};

inline Rgba Ink(TColor c, double opacity = 1.0) {
  return {RedOf(c) / 255.0 * opacity, GreenOf(c) / 255.0 * opacity, BlueOf(c) / 255.0 * opacity,
          opacity};
}
inline Rgba Lerp(const Rgba& a, const Rgba& b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
          a.A + (b.A - a.A) * t};
}
inline constexpr Rgba kClear{};

class Layer {
 public:
  Layer(int width, int height)
      : width_(width), height_(height), pixels_(width * height), covered_(width * height, 0.0) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  const Rgba& At(int x, int y) const { return pixels_[y * width_ + x]; }
  // How much of the pixel any painting has reached, clear paint included: a
  // clear pixel inside a shape is part of the control, one outside is not.
  double Covered(int x, int y) const { return covered_[y * width_ + x]; }

  // `inside(x, y)` tells whether a point (pixel (i, j) spans [i, i + 1) x
  // [j, j + 1)) belongs to the shape; `source(x, y)` gives the colour at a
  // pixel's centre.
  template <class Shape, class Source>
  void Paint(const Shape& inside, const Source& source) {
    constexpr int kSamples = 6;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        int hits = 0;
        for (int sy = 0; sy < kSamples; ++sy)
          for (int sx = 0; sx < kSamples; ++sx)
            hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) ? 1 : 0;
        if (hits == 0) continue;
        const double coverage = double(hits) / (kSamples * kSamples);
        Rgba& p = pixels_[y * width_ + x];
        p = Lerp(p, source(x + 0.5, y + 0.5), coverage);
        double& covered = covered_[y * width_ + x];
        if (coverage > covered) covered = coverage;
      }
    }
  }

  template <class Shape>
  void Paint(const Shape& inside, const Rgba& color) {
    Paint(inside, [&color](double, double) { return color; });
  }

  // Pixel-exact painting for crisp glyphs: the pixels whose centres lie inside.
  template <class Shape>
  void Stamp(const Shape& inside, const Rgba& color) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (inside(x + 0.5, y + 0.5)) Set(x, y, color);
  }

  void Set(int x, int y, const Rgba& color) {
    pixels_[y * width_ + x] = color;
    covered_[y * width_ + x] = 1.0;
  }

 private:
  int width_;
  int height_;
  std::vector<Rgba> pixels_;
  std::vector<double> covered_;
};

// A colour that runs from `top` at y0 to `bottom` at y1, constant outside.
struct VerticalRamp {
  double Y0 = 0;
  double Y1 = 1;
  Rgba Top;
  Rgba Bottom;
  Rgba operator()(double, double y) const {
    const double t = y <= Y0 ? 0.0 : (y >= Y1 ? 1.0 : (y - Y0) / (Y1 - Y0));
    return Lerp(Top, Bottom, t);
  }
};

}  // namespace au::art
