// The buttons of the title bar: close, minimise, maximise, restore and help,
// each with its face, and the plain face behind user buttons.
#include <array>
#include <functional>
#include <optional>

#include "tools/artwork/art_styles.h"
#include "tools/artwork/elegant_layout.h"
#include "tools/artwork/master_art.h"

namespace au::art {
namespace {

inline constexpr TColor kGlyphShadow = MakeColor(36, 52, 80);
// The face sits one row low in its image, so that it is centred in a caption
// of the usual height when the image is placed at the top of the button band.
const RoundRect kFace = Rounded(1, 2, 17, 18, 3);

struct FaceLook {
  TColor Edge;
  TColor Top;
  TColor Bottom;
  TColor Glyph;
};

// Normal: no face, a white glyph with a dark shadow that reads on every part
// of the caption's gradient. Hot and pressed: a face under the glyph; red for
// the close button.
std::array<std::optional<FaceLook>, 3> LooksFor(bool close) {
  if (close) {
    return {std::nullopt, FaceLook{kCloseEdge, kCloseTop, kCloseBottom, kHighlight},
            FaceLook{kCloseEdge, kClosePressedTop, kClosePressedBottom, kHighlight}};
  }
  return {std::nullopt, FaceLook{kOutlineHot, kHotTop, kHotBottom, kInkHot},
          FaceLook{kOutlinePressed, kPressedTop, kPressedBottom, kInkPressed}};
}

void PaintFace(Layer& l, const FaceLook& look) {
  l.Paint(kFace, Ink(look.Edge));
  l.Paint(Inset(kFace, 1), VerticalRamp{3, 17, Ink(look.Top), Ink(look.Bottom)});
}

using GlyphShape = std::function<bool(double, double)>;

void DrawCaptionButton(ArtBoard& board, const MaskPlace& place, bool close,
                       const GlyphShape& glyph) {
  const auto looks = LooksFor(close);
  for (int s = 0; s < 3; ++s) {
    Layer l = place.NewLayer();
    const auto centred = Shift(glyph, 0, 1);
    if (looks[s]) {
      PaintFace(l, *looks[s]);
      l.Stamp(centred, Ink(looks[s]->Glyph));
    } else {
      l.Stamp(Shift(centred, 1, 1), Ink(kGlyphShadow));
      l.Stamp(centred, Ink(kHighlight));
    }
    board.PutKeyed(place, s, l, kTitleMatte);
  }
}

bool CloseGlyph(double x, double y) {
  return Stroke({{5.5, 5.5}, {12.5, 12.5}}, 2.0)(x, y) ||
         Stroke({{12.5, 5.5}, {5.5, 12.5}}, 2.0)(x, y);
}
bool MinimizeGlyph(double x, double y) {
  return Box(5, 11, 13, 13)(x, y);
}
bool MaximizeGlyph(double x, double y) {
  return Minus(Box(5, 5, 13, 13), Box(6, 7, 12, 12))(x, y);
}
bool RestoreGlyph(double x, double y) {
  const RoundRect front = Box(5, 8, 11, 14);
  const bool frontEdge = Minus(front, Box(6, 10, 10, 13))(x, y);
  const bool backEdge = Minus(Box(8, 5, 14, 11), Box(9, 7, 13, 10))(x, y) && !front(x, y);
  return frontEdge || backEdge;
}
bool HelpGlyph(double x, double y) {
  return Stroke({{6.6, 6.8},
                 {7.4, 5.4},
                 {9, 4.9},
                 {10.6, 5.4},
                 {11.3, 6.8},
                 {10.5, 8.2},
                 {9, 9.2},
                 {9, 10.6}},
                1.8)(x, y) ||
         Box(8, 12, 10, 14)(x, y);
}

}  // namespace

void DrawCaptionButtons(ArtBoard& board) {
  DrawCaptionButton(board, kCloseButton, true, CloseGlyph);
  DrawCaptionButton(board, kMinimizeButton, false, MinimizeGlyph);
  DrawCaptionButton(board, kMaximizeButton, false, MaximizeGlyph);
  DrawCaptionButton(board, kRestoreButton, false, RestoreGlyph);
  DrawCaptionButton(board, kHelpButton, false, HelpGlyph);

  // Behind user buttons: nothing while normal, the face otherwise.
  const auto looks = LooksFor(false);
  for (int s = 1; s < 3; ++s) {
    Layer l = kTitleButton.NewLayer();
    PaintFace(l, *looks[s]);
    board.PutKeyed(kTitleButton, s, l, kTitleMatte);
  }
}

}  // namespace au::art
