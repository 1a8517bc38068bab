// The picture that the skin's images are cut from, and how painted layers are
// put into it: as an image over a weight row (soft transparency) or as an
// opaque image with magenta where it is transparent.
#pragma once

#include <optional>

#include "pixels/bitmap24.h"
#include "tools/artwork/art_layer.h"

namespace au::art {

// A rectangle of the picture holding `ImageCount` state images side by side
// and, for `MaskType` 1, a weight row of the same layout below them.
struct MaskPlace {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int ImageCount = 1;
  int MaskType = 0;

  int StateWidth() const { return (Right - Left) / ImageCount; }
  int StateHeight() const { return (Bottom - Top) / (MaskType + 1); }
  int StateLeft(int state) const { return Left + state * StateWidth(); }
  Layer NewLayer() const { return Layer(StateWidth(), StateHeight()); }
};

// Border widths of a frame: only its corners may show what lies behind the
// control, so only there do fully transparent pixels become magenta.
struct FrameBorders {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

class ArtBoard {
 public:
  // Starts out magenta: whatever no image covers is transparent.
  ArtBoard(int width, int height);

  const Bitmap24& Picture() const { return picture_; }

  // Each pixel's opacity becomes its weight 255 * (1 - opacity) in the weight
  // row and its colour the image pixel. Fully transparent pixels show white,
  // which a weight of 255 leaves without effect, except where the parent is
  // to show through: anywhere in a glyph (no `frame`), and in the corners of
  // a frame wherever the shape covers less than half the pixel (so the
  // window or control is cut along its curve there). Those become magenta.
  void PutWeighted(const MaskPlace& place, int state, const Layer& layer,
                   std::optional<FrameBorders> frame = std::nullopt);

  // Pixels at least half opaque become opaque, mixed over `matte` (the colour
  // the image is expected to be seen on); the others become magenta.
  void PutKeyed(const MaskPlace& place, int state, const Layer& layer, TColor matte);
  void PutKeyedAt(int x, int y, const Layer& layer, TColor matte);

 private:
  Bitmap24 picture_;
};

}  // namespace au::art
