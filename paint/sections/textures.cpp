#include "paint/sections/textures.h"

#include <algorithm>
#include <cstring>

#include "paint/masks/mask_pieces.h"
#include "paint/masks/state_images.h"

namespace au {
namespace {

PixelArea AreaOf(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

}  // namespace

void FillRectWithColor(Bitmap24& target, const TRect& r, TColor colour) {
  const TRect area = ClipToPicture(r, target.Width(), target.Height());
  if (area.Empty()) return;
  colour = ResolveColor(colour);
  std::uint8_t* first = target.Row(area.Top) + 3 * area.Left;
  for (int x = 0; x < area.Width(); ++x) {
    first[3 * x] = BlueOf(colour);
    first[3 * x + 1] = GreenOf(colour);
    first[3 * x + 2] = RedOf(colour);
  }
  const size_t bytes = 3 * static_cast<size_t>(area.Width());
  for (int y = area.Top + 1; y < area.Bottom; ++y)
    std::memcpy(target.Row(y) + 3 * area.Left, first, bytes);
}

void TilePicture(Bitmap24& target, const TRect& r, const Bitmap24& picture) {
  if (picture.Empty()) return;
  TilePiece(target, Piece{&picture, 0, 0, picture.Width(), picture.Height()}, AreaOf(r), {});
}

void FillWithTexture(Bitmap24& target, TRect& r, int mode, const TsMaskData& mask) {
  if (mask.Image && !mask.Image->Empty()) {
    TilePicture(target, r, *mask.Image);
    r = kNothingLeft;
    return;
  }
  const Bitmap24* master = MaskPicture(mask);
  const std::int64_t w = static_cast<std::int64_t>(mask.Rect.Right) - mask.Rect.Left;
  const std::int64_t h = static_cast<std::int64_t>(mask.Rect.Bottom) - mask.Rect.Top;
  if (master == nullptr || w <= 0 || h <= 0) return;
  const Piece whole{master, mask.Rect.Left, mask.Rect.Top, w, h};
  const std::int64_t width = r.Width();
  const std::int64_t height = r.Height();
  switch (mode) {
    case 0:
      TilePiece(target, whole, AreaOf(r), {});
      r = kNothingLeft;
      return;
    case 1:
      StretchPiece(target, whole, AreaOf(r));
      r = kNothingLeft;
      return;
    case 2: {
      // Tiles along the top, each as high as the whole rectangle.
      const Piece tall{master, mask.Rect.Left, mask.Rect.Top, w, height};
      TilePiece(target, tall, {r.Left, r.Top, r.Right, r.Bottom}, {});
      r.Top = static_cast<int>(std::min<std::int64_t>(r.Top + h, r.Bottom));
      return;
    }
    case 3: {
      const Piece wide{master, mask.Rect.Left, mask.Rect.Top, width, h};
      TilePiece(target, wide, {r.Left, r.Top, r.Right, r.Bottom}, {});
      r.Left = static_cast<int>(std::min<std::int64_t>(r.Left + w, r.Right));
      return;
    }
    case 4:
      StretchPiece(target, whole, {r.Left, r.Top, r.Right, r.Top + std::min(h, height)});
      r.Top = static_cast<int>(std::min<std::int64_t>(r.Top + h, r.Bottom));
      return;
    case 5:
      StretchPiece(target, whole, {r.Left, r.Top, r.Left + std::min(w, width), r.Bottom});
      r.Left = static_cast<int>(std::min<std::int64_t>(r.Left + w, r.Right));
      return;
    case 6: {
      const std::int64_t top = std::max<std::int64_t>(r.Bottom - h, r.Top);
      TilePiece(target, whole, {r.Left, top, r.Right, r.Bottom}, {});
      r.Bottom = static_cast<int>(top);
      return;
    }
    case 7:
      TilePiece(target, whole, AreaOf(r), {});
      r.Right = static_cast<int>(std::max<std::int64_t>(r.Right - w, r.Left));
      return;
    case 10: {
      // Whole rows only; the last column is cut where the rectangle ends.
      const std::int64_t rows = height > h ? (height - h + h - 1) / h : 0;
      TilePiece(target, whole, {r.Left, r.Top, r.Right, r.Top + rows * h}, {});
      r = kNothingLeft;
      return;
    }
    default:
      return;
  }
}

}  // namespace au
