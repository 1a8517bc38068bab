#include "tools/skin_designs/textures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "pixels/rounding.h"

namespace au::design {
namespace {

// A small, fixed hash: the same numbers on every machine and run.
std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B1u ^ x * 0x85EBCA77u ^ y * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

// In [-1, 1].
double Random(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  return Hash(x, y, seed) / 2147483647.5 - 1.0;
}

// Smooth noise on a lattice of cellsX x cellsY cells that wraps at the edges,
// sampled at (u, v) in [0, 1) x [0, 1).
double TileNoise(double u, double v, int cellsX, int cellsY, std::uint32_t seed) {
  const double x = u * cellsX;
  const double y = v * cellsY;
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const double fx = x - x0;
  const double fy = y - y0;
  const auto at = [&](int i, int j) {
    return Random(static_cast<std::uint32_t>(((i % cellsX) + cellsX) % cellsX),
                  static_cast<std::uint32_t>(((j % cellsY) + cellsY) % cellsY), seed);
  };
  const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  const double sx = smooth(fx);
  const double sy = smooth(fy);
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
  return top + (bottom - top) * sy;
}

// Octaves of TileNoise, each twice as fine and half as strong.
double Fractal(double u, double v, int cellsX, int cellsY, int octaves, std::uint32_t seed) {
  double sum = 0;
  double weight = 1;
  double total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * TileNoise(u, v, cellsX << o, cellsY << o, seed + 101u * o);
    total += weight;
    weight /= 2;
  }
  return sum / total;
}

TColor Shade(TColor base, double by) {
  const auto channel = [by](int c) { return RoundToByte(std::clamp(c + by, 0.0, 255.0)); };
  return MakeColor(channel(RedOf(base)), channel(GreenOf(base)), channel(BlueOf(base)));
}

TColor Mix(TColor a, TColor b, double t) {
  const auto channel = [t](int x, int y) { return RoundToByte(x + (y - x) * t); };
  return MakeColor(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
                   channel(BlueOf(a), BlueOf(b)));
}

// A picture whose every pixel `colourAt(x, y, u, v)` gives; u and v run from
// 0 to 1 across it, where the textures' noises wrap.
template <class ColourAt>
Bitmap24 PaintEachPixel(int width, int height, ColourAt colourAt) {
  Bitmap24 picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      picture.SetPixel(x, y, colourAt(x, y, double(x) / width, double(y) / height));
  }
  return picture;
}

}  // namespace

Bitmap24 LinenTexture(int width, int height, TColor base, int contrast, std::uint32_t seed) {
  constexpr int kThread = 3;  // pixels per thread
  const int columns = width / kThread;
  const int rows = height / kThread;
  return PaintEachPixel(width, height, [&](int x, int y, double u, double v) {
    const int column = x / kThread;
    const int row = y / kThread;
    // Each thread has its own shade, drifting slowly along its length.
    const double across = Random(static_cast<std::uint32_t>(row % rows), 1, seed) * 0.6 +
                          TileNoise(u, v, 6, rows, seed + 7) * 0.5;
    const double down = Random(static_cast<std::uint32_t>(column % columns), 2, seed) * 0.6 +
                        TileNoise(u, v, columns, 6, seed + 11) * 0.5;
    const bool overUnder = ((column + row) & 1) == 0;
    const double thread = overUnder ? across : down;
    // Round threads: darker at their edges, where they dip under the next.
    const int within = overUnder ? y % kThread : x % kThread;
    const double rounding = within == 1 ? 0.35 : -0.35;
    const double grain =
        Random(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed + 3) * 0.25;
    const double cloud = Fractal(u, v, 4, 4, 3, seed + 5) * 0.8;
    return Shade(base, contrast * (thread + rounding + grain + cloud) / 2);
  });
}

Bitmap24 WalnutTexture(int width, int height, TColor light, TColor dark, std::uint32_t seed) {
  return PaintEachPixel(width, height, [&](int x, int y, double u, double v) {
    // Long grain lines run along x; a slow noise bends them gently, and as
    // it wraps in both directions the whole pattern does.
    const double bend = Fractal(u, v, 2, 3, 3, seed) * 0.9;
    const double lines = std::sin((v * 23 + bend) * 2 * std::numbers::pi);
    const double fine = Fractal(u, v, 3, 60, 2, seed + 5);
    const double streak = Fractal(u, v, 2, 7, 3, seed + 9);
    double t = 0.5 + 0.16 * lines + 0.22 * fine + 0.3 * streak;
    // Pores: short dark dashes along the grain.
    const double pore = TileNoise(u, v, width / 9, height / 2, seed + 13);
    if (pore > 0.7) t -= (pore - 0.7) * 1.2;
    t += Random(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed + 17) * 0.03;
    return Mix(dark, light, std::clamp(t, 0.0, 1.0));
  });
}

Bitmap24 LeatherTexture(int width, int height, TColor base, int contrast, std::uint32_t seed) {
  return PaintEachPixel(width, height, [&](int x, int y, double u, double v) {
    // Pebbles are flat on top and crease between each other; two scales of
    // them, so that no single crease stands out where the tile repeats.
    const double coarse = TileNoise(u, v, width / 5, height / 5, seed);
    const double small = TileNoise(u, v, width / 3, height / 3, seed + 3);
    const double pebble = 0.6 * coarse + 0.4 * small;
    const double crease = pebble < -0.2 ? (pebble + 0.2) * 1.4 : pebble * 0.25;
    const double cloud = Fractal(u, v, 2, 2, 2, seed + 21);
    const double grain =
        Random(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed + 7) * 0.08;
    return Shade(base, contrast * (crease + 0.4 * cloud + grain));
  });
}

}  // namespace au::design
