// Drawing the state images of a piece, and the shapes that several skins use.
#pragma once

#include "tools/artwork/shapes.h"
#include "tools/skin_designs/skin_design.h"

namespace au::design {

using art::Ink;
using art::Rgba;

// `paint(layer, state)` draws one state image; clear pixels become magenta,
// so whatever lies beneath shows through (glyphs, mask type 1).
template <class Paint>
void DrawGlyphStates(Piece& piece, const Paint& paint) {
  for (int s = 0; s < piece.Count(); ++s) {
    Layer l = piece.NewLayer();
    paint(l, s);
    piece.Board.PutWeighted(piece.Place, s, l);
  }
}

// A frame over a weight row (mask type 1): clear pixels in the corners are
// magenta and cut the control's shape, clear ones elsewhere let its
// background show.
template <class Paint>
void DrawFrameStates(Piece& piece, FrameBorders borders, const Paint& paint) {
  for (int s = 0; s < piece.Count(); ++s) {
    Layer l = piece.NewLayer();
    paint(l, s);
    piece.Board.PutWeighted(piece.Place, s, l, borders);
  }
}

// Controls that redraw their frame's corners onto their own picture at every
// paint (panels, buttons, memos) would blend a partly transparent corner
// pixel again and again until it showed the image alone. So in the corners
// every pixel that belongs to the frame is made opaque, mixed over `top` in
// the top corners and over `bottom` in the bottom ones: the colours that the
// control's face shows there.
void SolidCorners(Layer& layer, FrameBorders borders, TColor top, TColor bottom);

// Opaque images keyed with magenta (mask type 0): pixels at least half
// covered are mixed over `matte`, the rest are magenta.
template <class Paint>
void DrawKeyedStates(Piece& piece, TColor matte, const Paint& paint) {
  for (int s = 0; s < piece.Count(); ++s) {
    Layer l = piece.NewLayer();
    paint(l, s);
    piece.Board.PutKeyed(piece.Place, s, l, matte);
  }
}

enum class Direction { Up, Down, Left, Right };

// A triangle pointing in `direction`, centred on (cx, cy), `size` across its base.
art::Polygon Arrow(Direction direction, double cx, double cy, double size);

// Two crossing strokes of width `width` centred on (cx, cy), `reach` from the
// centre to each end.
using CrossShape = art::Either<art::Stroke, art::Stroke>;
CrossShape Cross(double cx, double cy, double reach, double width);

// A tick mark filling a box of `size` at (left, top).
art::Stroke Tick(double left, double top, double size, double width);

}  // namespace au::design
