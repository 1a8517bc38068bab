#include "paint/masks/fill_with_masked_texture.h"

#include "paint/masks/mask_pieces.h"
#include "paint/masks/state_images.h"
#include "pixels/shared_paint_state.h"
#include "skin/mask_geometry.h"

namespace au {
namespace {

// The parent cache's pixels behind `area`, where it has them.
void ShowParent(Bitmap24& target, const PixelArea& area, const TCacheInfo& cache) {
  TilePiece(target,
            {cache.Bitmap, cache.X + area.Left, cache.Y + area.Top, area.Right - area.Left,
             area.Bottom - area.Top},
            area, PieceStyle{});
}

}  // namespace

void FillWithMaskedTexture(Bitmap24& target, const TRect& rect, const TCacheInfo& cache, int mode,
                           const TsMaskData& mask) {
  if ((mode != 0 && mode != 10) || mask.MaskType <= 0) return;
  const Bitmap24* picture = MaskPicture(mask);
  const std::int32_t tileWidth = PerCount(ExtentX(mask.Rect), mask.ImageCount);
  const std::int64_t tileHeight = ExtentY(mask.Rect) / 2;
  if (picture == nullptr || tileWidth <= 0 || tileHeight <= 0) return;

  // Tiles start every tileWidth columns while x < Right - tileWidth, the last
  // one cut at Right; rows of tiles start while y < Bottom - tileHeight.
  const std::int64_t width = ExtentX(rect);
  const std::int64_t height = ExtentY(rect);
  const std::int64_t wholeColumns = width > 0 ? (width - 1) / tileWidth : 0;
  const std::int64_t tiledRows = height > 0 ? (height - 1) / tileHeight : 0;
  const std::int64_t columnsEnd = rect.Left + wholeColumns * tileWidth;
  const std::int64_t rowsEnd = rect.Top + tiledRows * tileHeight;

  PieceStyle style;
  style.WeightRows = tileHeight;
  if (SharedBackgroundColor != clMagenta) {
    style.Rule = KeyRule::FillColor;
    style.Fill = SharedBackgroundColor;
  } else {
    style.Rule = KeyRule::Parent;
    style.Parent = &cache;
  }
  TilePiece(target, {picture, mask.Rect.Left, mask.Rect.Top, tileWidth, tileHeight},
            {rect.Left, rect.Top, rect.Right, rowsEnd}, style);

  if (mode == 10 && IsUsableCache(cache)) {
    ShowParent(target, {rect.Left, rowsEnd, rect.Right, rect.Bottom}, cache);
    ShowParent(target, {columnsEnd, rect.Top, rect.Right, rowsEnd}, cache);
  }
}

}  // namespace au
