// Window frame, title bar, edit and panel frames, menu bar, group box, tabs.
#include <algorithm>
#include <utility>

#include "tools/artwork/art_styles.h"
#include "tools/artwork/elegant_layout.h"
#include "tools/artwork/master_art.h"

namespace au::art {
namespace {

// A 5-pixel window border (the dialog frame uses its outer 4): outline, a
// light line, the frame's face and a soft inner line.
void DrawWindowFrame(ArtBoard& board) {
  Layer l = kWindowFrame.NewLayer();
  const RoundRect outer = Rounded(0, 0, l.Width(), l.Height(), 3);
  l.Paint(outer, Ink(kOutline));
  l.Paint(Inset(outer, 1), Ink(kHighlight));
  l.Paint(Inset(outer, 2), Ink(kSurface));
  l.Paint(Box(4, 4, l.Width() - 4, l.Height() - 4), Ink(kChannelEdge));
  l.Paint(Box(5, 5, l.Width() - 5, l.Height() - 5), Ink(kSurface));
  board.PutKeyed(kWindowFrame, 0, l, kControlMatte);
}

// Over the caption's gradient: round top corners (they shape the window), an
// outline in line with the window's frame, a sheen along the top and a fine
// dark line under the caption. The middle stays clear for the gradient.
void DrawTitleBar(ArtBoard& board) {
  Layer l = kTitleBar.NewLayer();
  const RoundRect outer{0, 0, double(l.Width()), l.Height() + 10.0, 6, 6, 0, 0};
  const RoundRect inner = Inset(outer, 2);
  l.Paint(outer, Ink(kOutline));
  l.Paint(Inset(outer, 1), Ink(kHighlight, 0.45));
  l.Paint(inner, kClear);
  l.Paint(Intersect(inner, Box(0, 0, l.Width(), 10)),
          VerticalRamp{2, 10, Ink(kHighlight, 0.35), Ink(kHighlight, 0)});
  l.Paint(Box(1, l.Height() - 1, l.Width() - 1, l.Height()), Ink(kWindowEdge, 0.5));
  board.PutWeighted(kTitleBar, 0, l, FrameBorders{14, 18, 14, 18});
}

// Edit boxes, the main window's panel and (stretched over the window) the
// window's own frame: outline, a light blue-grey line, a white line.
void DrawEditFrame(ArtBoard& board) {
  Layer l = kEditFrame.NewLayer();
  const RoundRect outer = Rounded(0, 0, l.Width(), l.Height(), 2);
  l.Paint(outer, Ink(kOutline));
  l.Paint(Inset(outer, 1), Ink(MakeColor(226, 232, 240)));
  l.Paint(Box(2, 2, l.Width() - 2, l.Height() - 2), Ink(kHighlight));
  board.PutKeyed(kEditFrame, 0, l, kControlMatte);
}

// Page and tab controls and hints: one fine line with softened corners.
void DrawThinFrame(ArtBoard& board) {
  Layer l = kThinFrame.NewLayer();
  const int w = l.Width();
  const int h = l.Height();
  l.Paint(Box(0, 0, w, h), Ink(MakeColor(150, 163, 181)));
  l.Paint(Box(1, 1, w - 1, h - 1), Ink(kSurface));
  for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
    l.Set(x, y, Ink(MakeColor(198, 206, 217)));
  board.PutKeyed(kThinFrame, 0, l, kControlMatte);
}

// An etched line: dark, with a white line one pixel lower and to the right.
// The menu bar's bottom-right corner doubles as the track bar's tick marks.
void Etch(Layer& l, bool roundCorners) {
  const int w = l.Width();
  const int h = l.Height();
  const auto onRing = [](int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom &&
           (x == left || x == right || y == top || y == bottom);
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool dark = onRing(x, y, 0, 0, w - 2, h - 2);
      const bool light = onRing(x, y, 1, 1, w - 1, h - 1);
      const bool corner = (x == 0 || x == w - 2) && (y == 0 || y == h - 2);
      const bool lightCorner = (x == 1 || x == w - 1) && (y == 1 || y == h - 1);
      if (dark && !(roundCorners && corner)) {
        l.Set(x, y, Ink(kEtchDark));
      } else if (light && !(roundCorners && lightCorner)) {
        l.Set(x, y, Ink(kHighlight));
      }
    }
  }
}

void DrawMenuBar(ArtBoard& board) {
  Layer l = kMenuBar.NewLayer();
  l.Paint(Box(0, 0, l.Width(), l.Height()), Ink(kSurface));
  Etch(l, false);
  board.PutKeyed(kMenuBar, 0, l, kControlMatte);
}

// Group boxes: a rounded etched frame with nothing inside but the size grip,
// whose place lies in the frame's unused middle.
void DrawGroupBoxAndGrip(ArtBoard& board) {
  Layer box = kGroupBox.NewLayer();
  Etch(box, true);
  board.PutKeyed(kGroupBox, 0, box, kControlMatte);

  // Grip dots in a triangle towards the corner, each with a light shadow.
  Layer grip = kGrip.NewLayer();
  for (int j = 0; j < 3; ++j) {
    for (int i = 0; i < 3; ++i) {
      if (i + j < 2) continue;
      const double x = 1 + 4 * i;
      const double y = 1 + 4 * j;
      grip.Stamp(Box(x + 1, y + 1, x + 3, y + 3), Ink(kHighlight));
      grip.Stamp(Box(x, y, x + 2, y + 2), Ink(kInkMuted));
    }
  }
  board.PutKeyed(kGrip, 0, grip, kControlMatte);
}

// Sunken areas (gauges, bars): a shadow under the top and left edges and a
// light line along the bottom.
void DrawSunkenPanel(ArtBoard& board) {
  Layer l = kSunkenPanel.NewLayer();
  const int w = l.Width();
  const int h = l.Height();
  const RoundRect outer = Rounded(0, 0, w, h, 5);
  const RoundRect inner = Inset(outer, 1);
  l.Paint(outer, Ink(kOutline));
  l.Paint(inner, kClear);
  l.Paint(Intersect(inner, Box(0, 0, 2, h)), Ink(kInk, 0.08));
  l.Paint(Intersect(inner, Box(0, 0, w, 2)), Ink(kInk, 0.16));
  l.Paint(Intersect(inner, Box(0, 2, w, 3)), Ink(kInk, 0.06));
  l.Paint(Intersect(inner, Box(0, h - 2, w, h)), Ink(kHighlight, 0.6));
  board.PutWeighted(kSunkenPanel, 0, l, FrameBorders{15, 15, 15, 15});
}

// Raised panels: a soft outline with a light ring inside.
void DrawPanel(ArtBoard& board) {
  Layer l = kPanel.NewLayer();
  PaintFrame(l, {.Radius = 4, .EdgeOpacity = 0.7, .RingOpacity = 0.7});
  board.PutWeighted(kPanel, 0, l, FrameBorders{8, 8, 8, 8});
}

// A vertical etched line that fades out at both ends.
void DrawDivider(ArtBoard& board) {
  Layer l = kDivider.NewLayer();
  const int h = l.Height();
  for (int y = 0; y < h; ++y) {
    const double fromEnd = std::min(y + 0.5, h - y - 0.5) / 7.0;
    const double opacity = fromEnd < 1 ? fromEnd : 1.0;
    l.Set(0, y, Ink(kEtchDark, opacity));
    l.Set(1, y, Ink(kHighlight, opacity));
  }
  board.PutWeighted(kDivider, 0, l, FrameBorders{1, 7, 1, 7});
}

// Small tabs, open on the side where they meet their page.
void DrawTab(ArtBoard& board, const MaskPlace& place, const RoundRect& outline) {
  Layer l = place.NewLayer();
  l.Paint(outline, Ink(kOutline));
  l.Paint(Inset(outline, 1), kClear);
  board.PutWeighted(place, 0, l, FrameBorders{3, 3, 3, 3});
}

}  // namespace

void DrawFrames(ArtBoard& board) {
  DrawWindowFrame(board);
  DrawTitleBar(board);
  DrawEditFrame(board);
  DrawThinFrame(board);
  DrawMenuBar(board);
  DrawGroupBoxAndGrip(board);
  DrawSunkenPanel(board);
  DrawPanel(board);
  DrawDivider(board);
  DrawTab(board, kTabBottom, {0, -3, 9, 9, 0, 0, 2, 2});
  DrawTab(board, kTabRight, {-3, 0, 9, 9, 0, 2, 2, 0});
  DrawTab(board, kTabLeft, {0, 0, 12, 9, 2, 0, 0, 2});
}

}  // namespace au::art
