#include "paint/masks/mask_copies.h"

#include <algorithm>

#include "pixels/shared_paint_state.h"
#include "skin/mask_geometry.h"

namespace au {

PieceStyle KeyCopyStyle(bool parentFill, const TCacheInfo& cache, TColor key) {
  PieceStyle style;
  style.Key = key;
  style.Rule = parentFill && IsUsableCache(cache) ? KeyRule::Parent : KeyRule::Keep;
  style.Parent = &cache;
  return style;
}

PieceStyle MaskRowStyle(bool corner, const TCacheInfo& cache, std::int64_t weightRows) {
  PieceStyle style;
  style.WeightRows = weightRows;
  if (!corner) return style;
  if (IsUsableCache(cache)) {
    style.Rule = KeyRule::Parent;
    style.Parent = &cache;
  } else if (ParentFillColor != clMagenta) {
    style.Rule = KeyRule::FillColor;
    style.Fill = ParentFillColor;
  } else {
    style.Rule = KeyRule::Write;
  }
  return style;
}

void CopyWithKey(Bitmap24& target, const Bitmap24& source, int targetX, bool parentFill,
                 const TCacheInfo& cache, TColor key, TRect sourceRect, int targetY) {
  const std::int64_t width = std::int64_t{sourceRect.Right} - sourceRect.Left + 1;
  const std::int64_t height = std::int64_t{sourceRect.Bottom} - sourceRect.Top + 1;
  TilePiece(target, {&source, sourceRect.Left, sourceRect.Top, width, height},
            {targetX, targetY, targetX + width, targetY + height},
            KeyCopyStyle(parentFill, cache, key));
}

void CopyWithMaskRow(TRect targetRect, TRect sourceRect, Bitmap24& target, const TsMaskData& mask,
                     bool corner, const TCacheInfo& cache, const Bitmap24& source) {
  const std::int32_t weightRows = PerCount(ExtentY(mask.Rect), mask.MaskType + 1);
  if (weightRows <= 0) return;
  const std::int64_t width = std::min(ExtentX(targetRect), ExtentX(sourceRect));
  const std::int64_t height = std::min(ExtentY(targetRect), ExtentY(sourceRect));
  TilePiece(target, {&source, sourceRect.Left, sourceRect.Top, width, height},
            {targetRect.Left, targetRect.Top, targetRect.Left + width, targetRect.Top + height},
            MaskRowStyle(corner, cache, weightRows));
}

}  // namespace au
