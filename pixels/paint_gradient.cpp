#include "pixels/paint_gradient.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "pixels/gouraud_triangle.h"
#include "pixels/rounding.h"

namespace au {
namespace {

// A colour run from Color1 to Color2 in n steps. The channels accumulate in
// single precision and grow by a double-precision increment: that decides how
// every row of a band rounds, and skins look right only with this rounding.
class ColorRun {
 public:
  ColorRun(const TsGradientStep& step, int n) {
    const TColor from = ResolveColor(step.Color1);
    const TColor to = ResolveColor(step.Color2);
    value_ = {float(BlueOf(from)), float(GreenOf(from)), float(RedOf(from))};
    increment_ = {double(BlueOf(to) - BlueOf(from)) / n, double(GreenOf(to) - GreenOf(from)) / n,
                  double(RedOf(to) - RedOf(from)) / n};
  }

  // The current colour as blue, green, red bytes; then one step further.
  std::array<std::uint8_t, 3> Next() {
    const std::array<std::uint8_t, 3> bytes = {RoundToByte(value_[0]), RoundToByte(value_[1]),
                                               RoundToByte(value_[2])};
    for (int c = 0; c < 3; ++c) value_[c] = static_cast<float>(value_[c] + increment_[c]);
    return bytes;
  }

 private:
  std::array<float, 3> value_{};
  std::array<double, 3> increment_{};
};

void PaintVerticalBands(Bitmap24& bitmap, const TRect& r, const TsGradArray& steps) {
  const int height = r.Height();
  const int lastRow = r.Bottom - 1;
  const int bytes = 3 * r.Width();
  int end = r.Top;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const int start = end;
    end = start + steps[i].Percent * height / 100;
    end = i + 1 == steps.size() ? lastRow : std::min(end, lastRow);
    if (end - start <= 0) continue;
    // The band's first row has Color1 and its last row Color2; that last row is
    // painted again by the next band's first.
    ColorRun run(steps[i], end - start);
    for (int y = start; y <= end; ++y) {
      const std::array<std::uint8_t, 3> c = run.Next();
      std::uint8_t* p = bitmap.Row(y) + 3 * r.Left;
      for (int b = 0; b < bytes; b += 3) {
        p[b] = c[0];
        p[b + 1] = c[1];
        p[b + 2] = c[2];
      }
    }
  }
}

void PaintHorizontalBands(Bitmap24& bitmap, const TRect& r, const TsGradArray& steps) {
  // Every row is the same: paint the first and copy it down.
  const int width = r.Width();
  const int lastColumn = r.Right - 1;
  std::uint8_t* first = bitmap.Row(r.Top);
  int x = r.Left;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const int start = x;
    x = RoundHalfEven(steps[i].Percent * width / 100.0 + start);
    x = i + 1 == steps.size() ? lastColumn : std::min(x, lastColumn);
    if (x - start <= 0) continue;
    ColorRun run(steps[i], x - start);
    for (int column = start; column <= x; ++column) {
      const std::array<std::uint8_t, 3> c = run.Next();
      std::memcpy(first + 3 * column, c.data(), 3);
    }
  }
  for (int y = r.Top + 1; y < r.Bottom; ++y) {
    std::memcpy(bitmap.Row(y) + 3 * r.Left, first + 3 * r.Left, 3 * std::size_t(width));
  }
}

void PaintTriangles(Bitmap24& bitmap, const TRect& r, const TsGradArray& steps) {
  // Corner colours from the steps' Color1; missing steps repeat the last one.
  std::array<TColor, 5> colors{};
  for (std::size_t i = 0; i < colors.size(); ++i) {
    colors[i] = ResolveColor(steps[std::min(i, steps.size() - 1)].Color1);
  }
  const TGouraudVertex topLeft{r.Left, r.Top, colors[0]};
  const TGouraudVertex centre{r.Left + r.Width() / 2, r.Top + r.Height() / 2, colors[1]};
  const TGouraudVertex topRight{r.Right, r.Top, colors[2]};
  const TGouraudVertex bottomRight{r.Right, r.Bottom, colors[3]};
  const TGouraudVertex bottomLeft{r.Left, r.Bottom, colors[4]};
  FillGouraudTriangle(bitmap, topLeft, centre, topRight);
  FillGouraudTriangle(bitmap, centre, topRight, bottomRight);
  FillGouraudTriangle(bitmap, topLeft, centre, bottomLeft);
  FillGouraudTriangle(bitmap, bottomLeft, centre, bottomRight);
}

}  // namespace

void PaintGradient(Bitmap24& bitmap, TRect r, const TsGradArray& steps) {
  if (steps.empty()) return;
  r = ClipToPicture(r, bitmap.Width(), bitmap.Height());
  if (r.Empty()) return;

  switch (steps.front().Mode) {
    case 0:
      PaintVerticalBands(bitmap, r, steps);
      break;
    case 1:
      PaintHorizontalBands(bitmap, r, steps);
      break;
    case 2:
      PaintTriangles(bitmap, r, steps);
      break;
    default:
      break;
  }
}

}  // namespace au
