#include "paint/masks/border_corners.h"

#include <algorithm>
#include <cstdint>

#include "paint/masks/mask_pieces.h"
#include "paint/masks/state_images.h"
#include "skin/mask_geometry.h"

namespace au {

void DrawBorderCorners(Bitmap24& cache, const TsMaskData& mask, int state, int corners,
                       const TCacheInfo& parent, TColor background) {
  if (cache.Width() < 2 || cache.Height() < 2) return;
  const Bitmap24* picture = MaskPicture(mask);
  if (picture == nullptr) return;
  TRect rect = mask.Rect;
  std::int64_t count = mask.ImageCount;
  std::int64_t maskType = mask.MaskType;
  if (count == 0 && mask.Image) {
    rect = {0, 0, picture->Width(), picture->Height()};
    count = 3;
    maskType = 1;
  }
  if (count <= 0 || maskType < 0) return;
  const std::int64_t width = ExtentX(rect);
  const std::int64_t imageHeight = ExtentY(rect) / (maskType + 1);
  if (imageHeight <= 0) return;

  const std::int64_t wl = std::max<std::int64_t>(mask.WL, 0);
  const std::int64_t wt = std::max<std::int64_t>(mask.WT, 0);
  const std::int64_t wr = std::max<std::int64_t>(mask.WR, 0);
  const std::int64_t wb = std::max<std::int64_t>(mask.WB, 0);
  // The state's offset is multiplied before it is divided; the right corners
  // start a whole number of border thirds further on.
  const std::int64_t left =
      rect.Left + std::min<std::int64_t>(std::max(state, 0), count - 1) * width / count;
  const std::int64_t right = left + width / (3 * count) * 3 - wr;
  const std::int64_t top = rect.Top;
  const std::int64_t bottom = top + imageHeight - wb;
  const std::int64_t w = cache.Width();
  const std::int64_t h = cache.Height();

  PieceStyle style;
  if (maskType > 0) {
    // The weighting was done when the picture was painted; only the pixels
    // that show the parent are refreshed.
    style.WeightRows = imageHeight;
    style.KeyPixelsOnly = true;
  }
  if (background != clMagenta) {
    style.Rule = KeyRule::FillColor;
    style.Fill = background;
  } else {
    style.Rule = KeyRule::Parent;
    style.Parent = &parent;
  }
  const auto draw = [&](int corner, Piece piece, std::int64_t x, std::int64_t y) {
    if ((corners & corner) == 0) return;
    TilePiece(cache, piece, {x, y, x + piece.Width, y + piece.Height}, style);
  };
  draw(kCornerTopLeft, {picture, left, top, wl, wt}, 0, 0);
  draw(kCornerBottomLeft, {picture, left, bottom, wl, wb}, 0, h - wb);
  draw(kCornerBottomRight, {picture, right, bottom, wr, wb}, w - wr, h - wb);
  draw(kCornerTopRight, {picture, right, top, wr, wt}, w - wr, 0);
}

}  // namespace au
