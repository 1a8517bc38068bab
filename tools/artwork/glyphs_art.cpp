// Arrows, grips, check boxes, radio buttons and the track bar's thumbs.
#include "tools/artwork/art_styles.h"
#include "tools/artwork/elegant_layout.h"
#include "tools/artwork/master_art.h"

namespace au::art {
namespace {

// A glyph in three states: normal, under the mouse, pressed.
template <class Paint>
void DrawGlyphStates(ArtBoard& board, const MaskPlace& place, const Paint& paint) {
  for (int s = 0; s < place.ImageCount; ++s) {
    Layer l = place.NewLayer();
    paint(l, kLooks[s]);
    board.PutWeighted(place, s, l);
  }
}

template <class Shape>
void DrawSolidGlyph(ArtBoard& board, const MaskPlace& place, const Shape& shape) {
  DrawGlyphStates(board, place,
                  [&](Layer& l, const StateLook& look) { l.Paint(shape, Ink(look.Glyph)); });
}

void DrawArrows(ArtBoard& board) {
  DrawSolidGlyph(board, kArrowDown, Polygon{{1, 2.5}, {8, 2.5}, {4.5, 6}});
  DrawSolidGlyph(board, kArrowUp, Polygon{{1, 5.5}, {8, 5.5}, {4.5, 2}});
  DrawSolidGlyph(board, kArrowLeft, Polygon{{5, 1}, {5, 8}, {1.5, 4.5}});
  DrawSolidGlyph(board, kArrowRight, Polygon{{1, 1}, {1, 8}, {4.5, 4.5}});
  DrawSolidGlyph(board, kComboArrow, Polygon{{5.5, 6.5}, {13.5, 6.5}, {9.5, 10.5}});
}

// Three ridges across a thumb: a dark line with a light one beside it.
void DrawThumbGrips(ArtBoard& board) {
  DrawGlyphStates(board, kGripLinesUpright, [](Layer& l, const StateLook& look) {
    for (int i = 0; i < 3; ++i) {
      const int x = 1 + 2 * i;
      l.Paint(Box(x + 1, 2, x + 2, 6), Ink(kHighlight, 0.9));
      l.Paint(Box(x, 1, x + 1, 5), Ink(look.Glyph, 0.8));
    }
  });
  DrawGlyphStates(board, kGripLinesFlat, [](Layer& l, const StateLook& look) {
    for (int i = 0; i < 3; ++i) {
      const int y = 1 + 2 * i;
      l.Paint(Box(2, y + 1, 6, y + 2), Ink(kHighlight, 0.9));
      l.Paint(Box(1, y, 5, y + 1), Ink(look.Glyph, 0.8));
    }
  });
}

// Box and circle faces of check boxes and radio buttons.
const RoundRect kBox = Rounded(1, 2, 14, 15, 2);
const Stroke kTick({{4.6, 8.6}, {6.8, 11}, {11.2, 5.6}}, 2.0);

void PaintBox(Layer& l, const StateLook& look) {
  l.Paint(kBox, Ink(look.Edge));
  l.Paint(Inset(kBox, 1), VerticalRamp{3, 14, Ink(look.Top), Ink(look.Bottom)});
}

void PaintRadio(Layer& l, const StateLook& look) {
  l.Paint(Circle(8, 9, 6.5), Ink(look.Edge));
  l.Paint(Circle(8, 9, 5.5), VerticalRamp{3.5, 14.5, Ink(look.Top), Ink(look.Bottom)});
  l.Paint(Minus(Circle(8, 9, 5.5), Circle(8, 9.6, 5)), Ink(kHighlight, 0.6));
}

void DrawBoxesAndRadios(ArtBoard& board) {
  DrawGlyphStates(board, kBoxUnchecked, PaintBox);
  DrawGlyphStates(board, kBoxChecked, [](Layer& l, const StateLook& look) {
    PaintBox(l, look);
    l.Paint(kTick, Ink(look.Glyph));
  });
  DrawGlyphStates(board, kRadioUnchecked, PaintRadio);
  DrawGlyphStates(board, kRadioChecked, [](Layer& l, const StateLook& look) {
    PaintRadio(l, look);
    l.Paint(Circle(8, 9, 2.6), Ink(look.Glyph));
    l.Paint(Circle(7.3, 8.3, 0.9), Ink(kHighlight, 0.45));
  });

  // The third state of a check box: a small square in the box; keyed, on
  // the colours of the dialogs it appears in.
  for (int s = 0; s < 3; ++s) {
    Layer l = kBoxGrayed.NewLayer();
    const RoundRect box = Rounded(1, 0, 14, 13, 2);
    l.Paint(box, Ink(kLooks[s].Edge));
    l.Paint(Inset(box, 1), VerticalRamp{1, 12, Ink(kLooks[s].Top), Ink(kLooks[s].Bottom)});
    l.Paint(Box(5, 4, 10, 9), Ink(kInkMuted));
    board.PutKeyed(kBoxGrayed, s, l, kControlMatte);
  }
}

// Menu-sized boxes; their top row stays clear, where the restore button's
// picture ends.
void DrawSmallBoxes(ArtBoard& board) {
  for (int s = 0; s < 3; ++s) {
    const StateLook& look = kLooks[s];
    const RoundRect box = Rounded(1, 1, 11, 11, 1.5);
    const auto face = [&](Layer& l) {
      l.Paint(box, Ink(look.Edge));
      l.Paint(Inset(box, 1), VerticalRamp{2, 10, Ink(look.Top), Ink(look.Bottom)});
    };
    Layer unchecked = kSmallUnchecked.NewLayer();
    face(unchecked);
    board.PutKeyed(kSmallUnchecked, s, unchecked, kSurface);

    Layer checked = kSmallChecked.NewLayer();
    face(checked);
    checked.Paint(Stroke({{3.4, 6.1}, {5.1, 7.9}, {8.7, 3.9}}, 1.6), Ink(look.Glyph));
    board.PutKeyed(kSmallChecked, s, checked, kSurface);

    Layer grayed = kSmallGrayed.NewLayer();
    face(grayed);
    grayed.Paint(Box(4, 4, 8, 8), Ink(kInkMuted));
    board.PutKeyed(kSmallGrayed, s, grayed, kSurface);
  }

  // The check mark of menu items.
  Layer mark = kCheckMark.NewLayer();
  mark.Paint(Stroke({{1.6, 4.6}, {4.1, 7.1}, {9.4, 1.6}}, 2.0), Ink(kInk));
  board.PutKeyed(kCheckMark, 0, mark, kHighlight);
}

}  // namespace

void DrawScrollGlyphs(ArtBoard& board) {
  DrawArrows(board);
  DrawThumbGrips(board);
}

void DrawChecksAndRadios(ArtBoard& board) {
  DrawBoxesAndRadios(board);
  DrawSmallBoxes(board);
}

void DrawTrackBarParts(ArtBoard& board) {
  // Thumbs: a rounded body with a point towards the scale.
  DrawGlyphStates(board, kTrackThumb, [](Layer& l, const StateLook& look) {
    l.Paint(Union(Rounded(0, 0, 11, 16, 2), Polygon{{0, 13}, {11, 13}, {5.5, 20.5}}),
            Ink(look.Edge));
    l.Paint(Union(Rounded(1, 1, 10, 15, 1), Polygon{{1, 13}, {10, 13}, {5.5, 19.1}}),
            VerticalRamp{1, 19, Ink(look.Top), Ink(look.Bottom)});
  });
  DrawGlyphStates(board, kTrackThumbSideways, [](Layer& l, const StateLook& look) {
    l.Paint(Union(Rounded(0, 0, 16, 11, 2), Polygon{{13, 0}, {13, 11}, {20.5, 5.5}}),
            Ink(look.Edge));
    l.Paint(Union(Rounded(1, 1, 15, 10, 1), Polygon{{13, 1}, {13, 10}, {19.1, 5.5}}),
            VerticalRamp{1, 10, Ink(look.Top), Ink(look.Bottom)});
  });

  // The groove: a dark ring, a lighter one, a pale middle.
  Layer channel = kSliderChannel.NewLayer();
  channel.Paint(Box(0, 0, 6, 6), Ink(kEtchDark));
  channel.Paint(Box(1, 1, 5, 5), Ink(kChannelEdge));
  channel.Paint(Box(2, 2, 4, 4), Ink(kChannel));
  for (const int x : {0, 5})
    for (const int y : {0, 5}) channel.Set(x, y, Ink(MakeColor(196, 204, 215)));
  board.PutKeyed(kSliderChannel, 0, channel, kControlMatte);

  // A fine stripe pattern for grips drawn as textures.
  Layer stripes = kGripPattern.NewLayer();
  stripes.Set(0, 0, Ink(kInk, 0.3));
  stripes.Set(1, 0, Ink(kHighlight, 0.6));
  board.PutWeighted(kGripPattern, 0, stripes, FrameBorders{});
}

}  // namespace au::art
