#include "tools/artwork/art_board.h"

#include "pixels/rounding.h"

namespace au::art {
namespace {

constexpr double kClearBelow = 1.0 / 510;  // rounds to a weight of 255
constexpr double kSolidAbove = 1.0 - 1.0 / 510;

TColor Unpremultiplied(const Rgba& p) {
  return MakeColor(RoundToByte(255 * p.R / p.A), RoundToByte(255 * p.G / p.A),
                   RoundToByte(255 * p.B / p.A));
}

bool InCorner(const FrameBorders& b, int x, int y, int width, int height) {
  const bool left = x < b.Left;
  const bool right = x >= width - b.Right;
  const bool top = y < b.Top;
  const bool bottom = y >= height - b.Bottom;
  return (left || right) && (top || bottom);
}

}  // namespace

ArtBoard::ArtBoard(int width, int height) : picture_(width, height) {
  picture_.Fill(clMagenta);
}

void ArtBoard::PutWeighted(const MaskPlace& place, int state, const Layer& layer,
                           std::optional<FrameBorders> frame) {
  const int x0 = place.StateLeft(state);
  const int y0 = place.Top;
  const int weightRow = place.StateHeight();
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      const Rgba& p = layer.At(x, y);
      const bool outsideFrame = frame && layer.Covered(x, y) < 0.5 &&
                                InCorner(*frame, x, y, layer.Width(), layer.Height());
      TColor image;
      int weight;
      if (outsideFrame || p.A < kClearBelow) {
        image = outsideFrame || !frame ? clMagenta : clWhite;
        weight = 255;
      } else {
        image = Unpremultiplied(p);
        weight = p.A > kSolidAbove ? 0 : RoundToByte(255 * (1 - p.A));
      }
      picture_.SetPixel(x0 + x, y0 + y, image);
      picture_.SetPixel(x0 + x, y0 + weightRow + y, MakeColor(weight, weight, weight));
    }
  }
}

void ArtBoard::PutKeyed(const MaskPlace& place, int state, const Layer& layer, TColor matte) {
  PutKeyedAt(place.StateLeft(state), place.Top, layer, matte);
}

void ArtBoard::PutKeyedAt(int x0, int y0, const Layer& layer, TColor matte) {
  const Rgba under = Ink(matte);
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      const Rgba& p = layer.At(x, y);
      if (p.A < 0.5) {
        picture_.SetPixel(x0 + x, y0 + y, clMagenta);
        continue;
      }
      const Rgba over{p.R + (1 - p.A) * under.R, p.G + (1 - p.A) * under.G,
                      p.B + (1 - p.A) * under.B, 1.0};
      TColor c = Unpremultiplied(over);
      if (c == clMagenta) c = MakeColor(255, 1, 255);  // never the key by accident
      picture_.SetPixel(x0 + x, y0 + y, c);
    }
  }
}

}  // namespace au::art
