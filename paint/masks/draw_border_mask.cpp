#include "paint/masks/draw_border_mask.h"

#include <algorithm>
#include <array>

#include "paint/masks/mask_copies.h"
#include "paint/masks/mask_pieces.h"
#include "paint/masks/state_images.h"
#include "pixels/color.h"
#include "skin/mask_geometry.h"

namespace au {
namespace {

void FitPair(std::int64_t& near, std::int64_t& far, std::int64_t extent) {
  if (extent >= near + far) return;
  const std::int64_t excess = (near + far - extent) / 2;
  near -= excess;
  far -= excess;
  if (extent % 2 != 0) --far;
  near = std::max<std::int64_t>(near, 0);
  far = std::max<std::int64_t>(far, 0);
}

enum class PieceKind { Corner, Side, Centre };

struct BorderPiece {
  PieceKind Kind;
  Piece Source;
  PixelArea Area;
};

// The nine pieces in the order they are drawn: where a small rectangle makes
// them overlap, the later ones win.
std::array<BorderPiece, 9> NinePieces(const StateImage& image, const BorderWidths& w,
                                      std::int64_t middleWidth, std::int64_t middleHeight,
                                      const TRect& r) {
  const Bitmap24* picture = image.Picture;
  const std::int64_t left = image.Left;
  const std::int64_t top = image.Top;
  const std::int64_t middle = left + w.Left;                  // first column of the top side
  const std::int64_t right = left + w.Left + middleWidth;     // first column of the right side
  const std::int64_t bottom = top + image.Height - w.Bottom;  // first row of the bottom side
  const std::int64_t innerLeft = std::int64_t{r.Left} + w.Left;
  const std::int64_t innerTop = std::int64_t{r.Top} + w.Top;
  const std::int64_t innerRight = std::int64_t{r.Right} - w.Right;
  const std::int64_t innerBottom = std::int64_t{r.Bottom} - w.Bottom;
  return {{
      {PieceKind::Corner,
       {picture, left, top, w.Left, w.Top},
       {r.Left, r.Top, innerLeft, innerTop}},
      {PieceKind::Side,
       {picture, left, top + w.Top, w.Left, middleHeight},
       {r.Left, innerTop, innerLeft, innerBottom}},
      {PieceKind::Side,
       {picture, middle, top, middleWidth, w.Top},
       {innerLeft, r.Top, innerRight, innerTop}},
      {PieceKind::Corner,
       {picture, left, bottom, w.Left, w.Bottom},
       {r.Left, innerBottom, innerLeft, r.Bottom}},
      {PieceKind::Side,
       {picture, middle, bottom, middleWidth, w.Bottom},
       {innerLeft, innerBottom, innerRight, r.Bottom}},
      {PieceKind::Corner,
       {picture, right, bottom, w.Right, w.Bottom},
       {innerRight, innerBottom, r.Right, r.Bottom}},
      {PieceKind::Corner,
       {picture, right, top, w.Right, w.Top},
       {innerRight, r.Top, r.Right, innerTop}},
      {PieceKind::Side,
       {picture, right, top + w.Top, w.Right, middleHeight},
       {innerRight, innerTop, r.Right, innerBottom}},
      {PieceKind::Centre,
       {picture, middle, top + w.Top, middleWidth, middleHeight},
       {innerLeft, innerTop, innerRight, innerBottom}},
  }};
}

}  // namespace

BorderWidths FitBorderWidths(const TsMaskData& mask, std::int64_t width, std::int64_t height) {
  BorderWidths w{std::max<std::int64_t>(mask.WL, 0), std::max<std::int64_t>(mask.WT, 0),
                 std::max<std::int64_t>(mask.WR, 0), std::max<std::int64_t>(mask.WB, 0)};
  FitPair(w.Left, w.Right, width);
  FitPair(w.Top, w.Bottom, height);
  return w;
}

void DrawBorderMask(Bitmap24& target, const TRect& rect, bool fillCentre, bool parentFill,
                    int state, const TsMaskData& mask, const TCacheInfo& cache) {
  const std::int64_t width = ExtentX(rect);
  const std::int64_t height = ExtentY(rect);
  if (width <= 1 || height <= 1 || mask.Manager == nullptr) return;
  const std::optional<StateImage> image = StateImageOf(mask, state);
  if (!image) return;
  const BorderWidths w = FitBorderWidths(mask, width, height);
  const std::int64_t middleWidth = std::max<std::int64_t>(0, image->Width - w.Left - w.Right);
  const std::int64_t middleHeight = image->Height - w.Top - w.Bottom;
  if (middleHeight < 0) return;

  const bool weighted = mask.MaskType > 0;
  const bool stretched = !weighted && mask.StretchMode != 0;
  const bool withCentre = fillCentre && (weighted || mask.BorderWidth == 0);
  const PieceStyle cornerStyle = weighted ? MaskRowStyle(true, cache, image->Height)
                                          : KeyCopyStyle(parentFill, cache, clMagenta);
  const PieceStyle middleStyle =
      weighted ? MaskRowStyle(false, cache, image->Height) : PieceStyle{};
  for (const BorderPiece& piece : NinePieces(*image, w, middleWidth, middleHeight, rect)) {
    if (piece.Kind == PieceKind::Centre && !withCentre) continue;
    if (piece.Kind == PieceKind::Corner) {
      TilePiece(target, piece.Source, piece.Area, cornerStyle);
    } else if (stretched) {
      StretchPiece(target, piece.Source, piece.Area);
    } else {
      TilePiece(target, piece.Source, piece.Area, middleStyle);
    }
  }
}

}  // namespace au
