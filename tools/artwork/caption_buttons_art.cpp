// The buttons of the title bar: close, minimise, maximise, restore and help,
// each with its face, and the plain face behind user buttons.
#include <array>
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

void DrawCaptionButton(ArtBoard& board, const MaskPlace& place, bool close,
                       const PixelPattern& glyph) {
  const auto looks = LooksFor(close);
  for (int s = 0; s < 3; ++s) {
    Layer l = place.NewLayer();
    if (looks[s]) {
      PaintFace(l, *looks[s]);
      l.Stamp(glyph, Ink(looks[s]->Glyph));
    } else {
      l.Stamp(Shift(glyph, 1, 1), Ink(kGlyphShadow));
      l.Stamp(glyph, Ink(kHighlight));
    }
    board.PutKeyed(place, s, l, kTitleMatte);
  }
}

// Crisp 8 x 8 glyphs centred on the face.
const PixelPattern kCloseGlyph(5, 6,
                               {"XX....XX",  //
                                "XXX..XXX",  //
                                ".XXXXXX.",  //
                                "..XXXX..",  //
                                "..XXXX..",  //
                                ".XXXXXX.",  //
                                "XXX..XXX",  //
                                "XX....XX"});
const PixelPattern kMinimizeGlyph(5, 12, {"XXXXXXXX", "XXXXXXXX"});
const PixelPattern kMaximizeGlyph(5, 6,
                                  {"XXXXXXXX",  //
                                   "XXXXXXXX",  //
                                   "X......X",  //
                                   "X......X",  //
                                   "X......X",  //
                                   "X......X",  //
                                   "X......X",  //
                                   "XXXXXXXX"});
const PixelPattern kRestoreGlyph(5, 6,
                                 {"..XXXXXX",  //
                                  "..XXXXXX",  //
                                  "..X....X",  //
                                  "XXXXXX.X",  //
                                  "XXXXXX.X",  //
                                  "X....XXX",  //
                                  "X....X..",  //
                                  "XXXXXX.."});
const PixelPattern kHelpGlyph(6, 6,
                              {".XXXX.",  //
                               "XX..XX",  //
                               "....XX",  //
                               "...XX.",  //
                               "..XX..",  //
                               "......",  //
                               "..XX..",  //
                               "..XX.."});

}  // namespace

void DrawCaptionButtons(ArtBoard& board) {
  DrawCaptionButton(board, kCloseButton, true, kCloseGlyph);
  DrawCaptionButton(board, kMinimizeButton, false, kMinimizeGlyph);
  DrawCaptionButton(board, kMaximizeButton, false, kMaximizeGlyph);
  DrawCaptionButton(board, kRestoreButton, false, kRestoreGlyph);
  DrawCaptionButton(board, kHelpButton, false, kHelpGlyph);

  // Behind user buttons: nothing while normal, the face otherwise.
  const auto looks = LooksFor(false);
  for (int s = 1; s < 3; ++s) {
    Layer l = kTitleButton.NewLayer();
    PaintFace(l, *looks[s]);
    board.PutKeyed(kTitleButton, s, l, kTitleMatte);
  }
}

}  // namespace au::art
