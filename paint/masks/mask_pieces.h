// The engine under every mask painter: a rectangle of a mask's picture (a
// piece) put onto a target, repeated or stretched over an area. Key-coloured
// pixels are treated as the caller says, and masks with a weight row have each
// pixel weighted by it. Every rectangle is clipped here, once, to the target,
// to the picture and to the parent cache, before any row is touched; the
// rectangles themselves come straight from the skin and may lie anywhere.
#pragma once

#include <cstdint>
#include <optional>

#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "pixels/color.h"
#include "pixels/rect.h"

namespace au {

// Positions derived from a skin's 32-bit rectangle, its counts and a target
// rectangle do not always fit into 32 bits; clipping must see the true values.
struct PixelArea {
  std::int64_t Left = 0;
  std::int64_t Top = 0;
  std::int64_t Right = 0;   // exclusive
  std::int64_t Bottom = 0;  // exclusive
};

struct Piece {
  const Bitmap24* Picture = nullptr;
  std::int64_t Left = 0;
  std::int64_t Top = 0;
  std::int64_t Width = 0;
  std::int64_t Height = 0;
};

// What becomes of a target pixel under a key-coloured piece pixel.
enum class KeyRule : std::uint8_t {
  None,       // there is no key: such pixels are drawn like all others
  Keep,       // the target keeps what it has
  Write,      // the key colour itself is written
  Parent,     // the parent's pixel behind it; kept where the parent cache ends
  FillColor,  // the style's fill colour
};

struct PieceStyle {
  KeyRule Rule = KeyRule::None;
  TColor Key = clMagenta;
  TColor Fill = clMagenta;  // for KeyRule::FillColor
  // For KeyRule::Parent: the parent pixel behind target pixel (x, y) is
  // (Parent->X + x, Parent->Y + y). Without a usable cache the rule is Keep.
  const TCacheInfo* Parent = nullptr;
  // Above 0: every other pixel is weighted by the pixel this many rows lower
  // in the picture, channel by channel: D = ((D - P) * M + P * 256) >> 8, so
  // weight 0 gives the piece's pixel and 255 keeps nearly all of the target.
  std::int64_t WeightRows = 0;
  // Only key-coloured pixels are drawn; the target keeps all others. For
  // pieces drawn once already, whose weighted pixels must not be weighted again.
  bool KeyPixelsOnly = false;
};

// A parent cache that can be read: Ready, with a picture.
bool IsUsableCache(const TCacheInfo& cache);

// The piece repeated over the area from the area's top-left corner: whole
// pieces, then the last ones cut where the area ends. Only piece pixels inside
// the picture (and, with weights, whose weight pixel is inside too) are drawn.
void TilePiece(Bitmap24& target, const Piece& piece, const PixelArea& area,
               const PieceStyle& style);

// The piece stretched over the whole area, nearest pixel, copied plainly.
// Target pixel i of n takes piece pixel floor((2i + 1) * width / (2n)), each
// way. Areas or pieces of more than 2^24 pixels either way are not drawn.
void StretchPiece(Bitmap24& target, const Piece& piece, const PixelArea& area);

// The part of an unrepeated piece drawn with its top-left corner at (x, y)
// that lies inside both its picture and the target: the source rectangle, with
// Right and Bottom its last column and row, and where its first pixel lands.
struct PlacedPiece {
  TRect Source;
  TPoint Target;
};
std::optional<PlacedPiece> PlacePiece(const Bitmap24& target, const Piece& piece, std::int64_t x,
                                      std::int64_t y);

}  // namespace au
