// Drawing the state images of a piece, the shapes that several skins use,
// and the scroll-bar sections they share.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "tools/artwork/art_styles.h"
#include "tools/artwork/shapes.h"
#include "tools/skin_designs/skin_design.h"
#include "tools/skinkit/image_entry_text.h"

namespace au::design {

using art::Box;
using art::Circle;
using art::Ink;
using art::Inset;
using art::Intersect;
using art::Rgba;
using art::Rounded;
using art::RoundRect;
using art::VerticalRamp;
using kit::BorderEntry;
using kit::GlyphEntry;
using kit::OwnPictureEntry;
using kit::PlainPictureEntry;
using kit::RectangleEntry;
using kit::TextureEntry;

// Draws each state image of a piece with `paint(layer, state)` and hands it
// to `put(layer, state)`.
template <class Paint, class Put>
void DrawEachState(Piece& piece, const Paint& paint, const Put& put) {
  for (int s = 0; s < piece.Count(); ++s) {
    Layer l = piece.NewLayer();
    paint(l, s);
    put(l, s);
  }
}

// Glyphs over a weight row (mask type 1): clear pixels become magenta, so
// whatever lies beneath shows through.
template <class Paint>
void DrawGlyphStates(Piece& piece, const Paint& paint) {
  DrawEachState(piece, paint,
                [&](const Layer& l, int s) { piece.Board.PutWeighted(piece.Place, s, l); });
}

// A frame over a weight row: clear pixels in the corners are magenta and cut
// the control's shape, clear ones elsewhere let its background show.
template <class Paint>
void DrawFrameStates(Piece& piece, FrameBorders borders, const Paint& paint) {
  DrawEachState(piece, paint, [&](const Layer& l, int s) {
    piece.Board.PutWeighted(piece.Place, s, l, borders);
  });
}

// Opaque images keyed with magenta (mask type 0): pixels at least half
// covered are mixed over `matte`, the rest are magenta.
template <class Paint>
void DrawKeyedStates(Piece& piece, TColor matte, const Paint& paint) {
  DrawEachState(piece, paint,
                [&](const Layer& l, int s) { piece.Board.PutKeyed(piece.Place, s, l, matte); });
}

// Controls that redraw their frame's corners onto their own picture at every
// paint (panels, buttons, memos) would blend a partly transparent corner
// pixel again and again until it showed the image alone. So in the corners
// every pixel that belongs to the frame is made opaque, mixed over `top` in
// the top corners and over `bottom` in the bottom ones: the colours that the
// control's face shows there.
void SolidCorners(Layer& layer, FrameBorders borders, TColor top, TColor bottom);

enum class Direction { Up, Down, Left, Right };

// A triangle pointing in `direction`, centred on (cx, cy), `size` across its base.
art::Polygon Arrow(Direction direction, double cx, double cy, double size);

// Two crossing strokes of width `width` centred on (cx, cy), `reach` from the
// centre to each end.
using CrossShape = art::Either<art::Stroke, art::Stroke>;
CrossShape Cross(double cx, double cy, double reach, double width);

// A tick mark filling a box of `size` at (left, top).
art::Stroke Tick(double left, double top, double size, double width);

// A rounded face: an outline, a shade from top to bottom, a light top edge.
struct FaceLook {
  TColor Edge;
  TColor Top;
  TColor Bottom;
  TColor Glyph;  // arrows and grips drawn on the face
};
void PaintRoundFace(Layer& l, const FaceLook& look, double radius, double sheen);

// The track sections of scroll bars: SCROLLBAR1V with `frame`, and the
// second track, the other direction and the bar itself inheriting it.
void AddTrackSections(SkinDesign& d, TColor colour, const std::string& frame);

// The arrow buttons: SCROLLBTNTOP with `frame` and an up arrow, the other
// three inheriting its frame and each with its own `arrow(direction)`.
void AddArrowButtonSections(SkinDesign& d, TColor colour, const std::string& frame,
                            const std::function<std::string(Direction)>& arrow);

// Scroll bars of flat tracks and rounded buttons and thumbs, all cut from the
// master picture ("^" frames and "@" glyphs over weight rows).
struct RoundScrollBarLook {
  std::array<TColor, 3> TrackBodies;  // normal, under the mouse, pressed
  TColor TrackLine;
  std::array<FaceLook, 3> Buttons;
  std::array<FaceLook, 3> Thumbs;
  double ButtonRadius;
  double ThumbRadius;
  double Sheen;
  double GripOpacity;
};
void AddRoundScrollBars(SkinDesign& d, const RoundScrollBarLook& look);

}  // namespace au::design
