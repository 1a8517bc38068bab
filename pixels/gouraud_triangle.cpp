#include "pixels/gouraud_triangle.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "pixels/rounding.h"

namespace au {
namespace {

// Rounding of a quotient towards minus and plus infinity.
std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
  const std::int64_t q = n / d;
  return (n % d != 0 && ((n < 0) != (d < 0))) ? q - 1 : q;
}
std::int64_t CeilDiv(std::int64_t n, std::int64_t d) {
  return -FloorDiv(-n, d);
}

// One edge from `from` to `to` of a triangle whose corners run so that the
// inside lies where Cross(to - from, p - from) is positive.
struct Edge {
  std::int64_t Dx = 0;
  std::int64_t Dy = 0;
  std::int64_t FromX = 0;
  std::int64_t FromY = 0;
  std::int64_t Bias = 0;  // 0 when points on the edge belong to the triangle, else 1

  Edge(const TGouraudVertex& from, const TGouraudVertex& to)
      : Dx(to.X - from.X), Dy(to.Y - from.Y), FromX(from.X), FromY(from.Y) {
    const bool topOrLeft = Dy < 0 || (Dy == 0 && Dx > 0);
    Bias = topOrLeft ? 0 : 1;
  }

  // Narrows [left, right] to the columns of row y on the inside of this edge;
  // false when none is left.
  bool Clip(std::int64_t y, std::int64_t& left, std::int64_t& right) const {
    // Inside: Dx * (y - FromY) - Dy * (x - FromX) >= Bias.
    const std::int64_t k = Dx * (y - FromY) + Dy * FromX - Bias;  // inside: Dy * x <= k
    if (Dy > 0) {
      right = std::min(right, FloorDiv(k, Dy));
    } else if (Dy < 0) {
      left = std::max(left, CeilDiv(k, Dy));
    } else if (k < 0) {
      return false;
    }
    return left <= right;
  }
};

}  // namespace

void FillGouraudTriangle(Bitmap24& bitmap, TGouraudVertex a, TGouraudVertex b, TGouraudVertex c) {
  std::int64_t area = std::int64_t(b.X - a.X) * (c.Y - a.Y) - std::int64_t(c.X - a.X) * (b.Y - a.Y);
  if (area == 0 || bitmap.Empty()) return;
  if (area < 0) {
    std::swap(b, c);
    area = -area;
  }
  const std::array<Edge, 3> edges = {Edge(a, b), Edge(b, c), Edge(c, a)};

  // Each channel is the plane value(x, y) = value(a) + dx * (x - a.X) + dy * (y - a.Y).
  struct Plane {
    double Origin, Dx, Dy;
  };
  const auto plane = [&](int shift) {
    const double va = (a.Color >> shift) & 0xFF;
    const double vb = ((b.Color >> shift) & 0xFF) - va;
    const double vc = ((c.Color >> shift) & 0xFF) - va;
    return Plane{va, (vb * (c.Y - a.Y) - vc * (b.Y - a.Y)) / double(area),
                 (vc * (b.X - a.X) - vb * (c.X - a.X)) / double(area)};
  };
  const std::array<Plane, 3> planes = {plane(16), plane(8), plane(0)};  // blue, green, red

  const int top = std::max(std::min({a.Y, b.Y, c.Y}), 0);
  const int bottom = std::min(std::max({a.Y, b.Y, c.Y}), bitmap.Height() - 1);
  for (int y = top; y <= bottom; ++y) {
    std::int64_t left = 0;
    std::int64_t right = bitmap.Width() - 1;
    if (!edges[0].Clip(y, left, right) || !edges[1].Clip(y, left, right) ||
        !edges[2].Clip(y, left, right)) {
      continue;
    }
    // Along the row each channel grows by a constant: step it in 16.16 fixed
    // point. The start is exact, so a corner pixel gets its corner's colour;
    // the stepping error stays far below half a level across any row.
    std::array<int, 3> value;
    std::array<int, 3> step;
    for (int ch = 0; ch < 3; ++ch) {
      const Plane& pl = planes[ch];
      value[ch] = RoundHalfEven(65536.0 * (pl.Origin + pl.Dy * (y - a.Y) + pl.Dx * (left - a.X)));
      step[ch] = RoundHalfEven(65536.0 * pl.Dx);
    }
    std::uint8_t* p = bitmap.Row(y) + 3 * left;
    for (auto x = left; x <= right; ++x, p += 3) {
      for (int ch = 0; ch < 3; ++ch) {
        p[ch] = ClampToByte((value[ch] + 0x8000) >> 16);
        value[ch] += step[ch];
      }
    }
  }
}

}  // namespace au
