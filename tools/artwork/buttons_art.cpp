// Button frames drawn over the skin's gradients, and the scroll bars' parts.
#include <array>

#include "tools/artwork/art_styles.h"
#include "tools/artwork/elegant_layout.h"
#include "tools/artwork/master_art.h"

namespace au::art {
namespace {

inline constexpr TColor kGlow = MakeColor(150, 192, 242);

// A button frame in its three states over a gradient painted by the skin.
void DrawFrameStates(ArtBoard& board, const MaskPlace& place, FrameBorders borders,
                     const std::array<FrameStyle, 3>& states) {
  for (int s = 0; s < place.ImageCount; ++s) {
    Layer l = place.NewLayer();
    PaintFrame(l, states[s]);
    board.PutWeighted(place, s, l, borders);
  }
}

// Standard buttons: a crisp outline and a light inner ring; blue with a glow
// under the mouse; a shadow under the top edge while pressed. The hot frame
// also frames progress bars.
void DrawButtonFrames(ArtBoard& board) {
  DrawFrameStates(board, kButton, {6, 6, 6, 6},
                  {FrameStyle{.Radius = 3, .RingOpacity = 0.55, .SheenRows = 3, .Sheen = 0.25},
                   FrameStyle{.Radius = 3,
                              .Edge = kOutlineHot,
                              .Ring = kGlow,
                              .RingOpacity = 0.6,
                              .SheenRows = 3,
                              .Sheen = 0.3},
                   FrameStyle{.Radius = 3,
                              .Edge = kOutlinePressed,
                              .Ring = kInkPressed,
                              .RingOpacity = 0.18,
                              .ShadowRows = 3,
                              .Shadow = 0.16}});
  DrawFrameStates(board, kBigButton, {12, 12, 12, 12},
                  {FrameStyle{.Radius = 6, .RingOpacity = 0.55, .SheenRows = 9, .Sheen = 0.3},
                   FrameStyle{.Radius = 6,
                              .Edge = kOutlineHot,
                              .Ring = kGlow,
                              .RingOpacity = 0.6,
                              .SheenRows = 9,
                              .Sheen = 0.35},
                   FrameStyle{.Radius = 6,
                              .Edge = kOutlinePressed,
                              .Ring = kInkPressed,
                              .RingOpacity = 0.18,
                              .ShadowRows = 5,
                              .Shadow = 0.18}});
  // Flat buttons of tool bars: hardly a frame until the mouse comes.
  DrawFrameStates(
      board, kSpeedButton, {9, 8, 9, 8},
      {FrameStyle{.Radius = 3, .EdgeOpacity = 0.45, .RingOpacity = 0.35},
       FrameStyle{
           .Radius = 3, .Edge = kOutlineHot, .RingOpacity = 0.6, .SheenRows = 5, .Sheen = 0.3},
       FrameStyle{.Radius = 3,
                  .Edge = kOutlinePressed,
                  .Ring = kInkPressed,
                  .RingOpacity = 0.15,
                  .ShadowRows = 3,
                  .Shadow = 0.15}});
  DrawFrameStates(
      board, kToolButton, {9, 8, 9, 8},
      {FrameStyle{.Radius = 2, .EdgeOpacity = 0.25},
       FrameStyle{.Radius = 2, .Edge = kOutlineHot, .EdgeOpacity = 0.85, .RingOpacity = 0.5},
       FrameStyle{.Radius = 2,
                  .Edge = kOutlinePressed,
                  .Ring = kInkPressed,
                  .RingOpacity = 0.15,
                  .ShadowRows = 3,
                  .Shadow = 0.15}});
  // The main window's blue buttons: a deep outline and a glassy top.
  Layer titled = kTitledButton.NewLayer();
  PaintFrame(
      titled,
      {.Radius = 4, .Edge = kButtonEdge, .RingOpacity = 0.35, .SheenRows = 5, .Sheen = 0.38});
  board.PutWeighted(kTitledButton, 0, titled, FrameBorders{7, 7, 7, 7});
}

// Arrow buttons and thumbs of scroll bars carry their whole look: a rounded
// outline and a face that shades only near its top and bottom.
void DrawScrollButtons(ArtBoard& board) {
  for (int s = 0; s < 3; ++s) {
    const StateLook& look = kLooks[s];
    Layer l = kScrollButton.NewLayer();
    const RoundRect outer = Rounded(0, 0, l.Width(), l.Height(), 3);
    l.Paint(outer, Ink(look.Edge));
    l.Paint(Inset(outer, 1), FaceOf(look, l.Height(), 8));
    if (s != 2) {
      l.Paint(Intersect(Inset(outer, 1), Box(0, 0, l.Width(), 2)), Ink(kHighlight, 0.7));
    }
    board.PutKeyed(kScrollButton, s, l, kChannel);
  }
}

// The channel the thumb runs in: light, with a fine line along both edges.
void DrawScrollTracks(ArtBoard& board) {
  static constexpr TColor kTracks[3] = {kChannel, MakeColor(228, 236, 247),
                                        MakeColor(214, 222, 233)};
  for (int s = 0; s < 3; ++s) {
    Layer upright = kScrollTrackVertical.NewLayer();
    Layer flat = kScrollTrackHorizontal.NewLayer();
    const int w = upright.Width();
    for (int i = 0; i < w; ++i) {
      const bool edge = i == 0 || i == w - 1;
      const bool nearEdge = i == 1 || i == w - 2;
      const Rgba c =
          edge ? Ink(kChannelEdge)
               : (nearEdge ? Lerp(Ink(kTracks[s]), Ink(kChannelEdge), 0.3) : Ink(kTracks[s]));
      upright.Paint(Box(i, 0, i + 1, upright.Height()), c);
      flat.Paint(Box(0, i, flat.Width(), i + 1), c);
    }
    board.PutKeyed(kScrollTrackVertical, s, upright, kChannel);
    board.PutKeyed(kScrollTrackHorizontal, s, flat, kChannel);
  }
}

}  // namespace

void DrawButtons(ArtBoard& board) {
  DrawButtonFrames(board);
}

void DrawScrollParts(ArtBoard& board) {
  DrawScrollButtons(board);
  DrawScrollTracks(board);
}

}  // namespace au::art
