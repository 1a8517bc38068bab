#include "paint/masks/draw_mask_image.h"

#include "paint/masks/mask_pieces.h"
#include "paint/masks/state_images.h"
#include "pixels/blend_with_key.h"

namespace au {

void DrawMaskImage(Bitmap24& target, TPoint point, int state, const TsMaskData& mask, int mode) {
  const std::optional<StateImage> image = StateImageOf(mask, state);
  if (!image) return;
  const Piece piece{image->Picture, image->Left, image->Top, image->Width, image->Height};
  if (mask.MaskType == 0 && mode != 1) {
    if (const std::optional<PlacedPiece> placed = PlacePiece(target, piece, point.X, point.Y))
      BlendWithKey(target, placed->Target.X, placed->Target.Y, clMagenta, 0.5, placed->Source,
                   *image->Picture);
    return;
  }
  PieceStyle style;
  style.Rule = KeyRule::Keep;
  if (mask.MaskType > 0) style.WeightRows = image->Height;
  TilePiece(target, piece,
            {point.X, point.Y, std::int64_t{point.X} + image->Width,
             std::int64_t{point.Y} + image->Height},
            style);
}

}  // namespace au
