#include "tools/skin_designs/design_pieces.h"

namespace au::design {

void SolidCorners(Layer& layer, FrameBorders borders, TColor top, TColor bottom) {
  const int w = layer.Width();
  const int h = layer.Height();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool inCorner = (x < borders.Left || x >= w - borders.Right) &&
                            (y < borders.Top || y >= h - borders.Bottom);
      const Rgba p = layer.At(x, y);
      // Pixels less than half covered become magenta when put in the picture;
      // clear ones leave what lies beneath exactly as it is.
      if (!inCorner || layer.Covered(x, y) < 0.5 || p.A >= 1.0 || p.A < 1.0 / 510) continue;
      const Rgba under = Ink(y < h / 2 ? top : bottom);
      layer.Set(
          x, y,
          {p.R + (1 - p.A) * under.R, p.G + (1 - p.A) * under.G, p.B + (1 - p.A) * under.B, 1.0});
    }
  }
}

art::Polygon Arrow(Direction direction, double cx, double cy, double size) {
  const double half = size / 2;
  const double depth = size / 2;
  switch (direction) {
    case Direction::Up:
      return {{cx - half, cy + depth / 2}, {cx + half, cy + depth / 2}, {cx, cy - depth / 2}};
    case Direction::Down:
      return {{cx - half, cy - depth / 2}, {cx + half, cy - depth / 2}, {cx, cy + depth / 2}};
    case Direction::Left:
      return {{cx + depth / 2, cy - half}, {cx + depth / 2, cy + half}, {cx - depth / 2, cy}};
    case Direction::Right:
      return {{cx - depth / 2, cy - half}, {cx - depth / 2, cy + half}, {cx + depth / 2, cy}};
  }
  return {};
}

CrossShape Cross(double cx, double cy, double reach, double width) {
  return art::Union(art::Stroke({{cx - reach, cy - reach}, {cx + reach, cy + reach}}, width),
                    art::Stroke({{cx - reach, cy + reach}, {cx + reach, cy - reach}}, width));
}

art::Stroke Tick(double left, double top, double size, double width) {
  return art::Stroke({{left + size * 0.1, top + size * 0.55},
                      {left + size * 0.4, top + size * 0.85},
                      {left + size * 0.92, top + size * 0.18}},
                     width);
}

void PaintRoundFace(Layer& l, const FaceLook& look, double radius, double sheen) {
  const RoundRect outer = Rounded(0, 0, l.Width(), l.Height(), radius);
  l.Paint(outer, Ink(look.Edge));
  l.Paint(Inset(outer, 1), VerticalRamp{1, l.Height() - 1.0, Ink(look.Top), Ink(look.Bottom)});
  l.Paint(Intersect(Inset(outer, 1), Box(0, 0, l.Width(), 2)),
          Ink(MakeColor(255, 255, 255), sheen));
}

void AddTrackSections(SkinDesign& d, TColor colour, const std::string& frame) {
  d.Section("SCROLLBAR1V").Add("COLOR", d.Colour(colour)).Add("BORDERSMASK", frame);
  for (const char* name : {"SCROLLBAR2V", "SCROLLBAR1H", "SCROLLBAR2H", "TSSCROLLBAR"})
    d.Section(name).Add("PARENTCLASS", "SCROLLBAR1V");
}

void AddArrowButtonSections(SkinDesign& d, TColor colour, const std::string& frame,
                            const std::function<std::string(Direction)>& arrow) {
  d.Section("SCROLLBTNTOP")
      .Add("COLOR", d.Colour(colour))
      .Add("BORDERSMASK", frame)
      .Add("GLYPHMASK", arrow(Direction::Up));
  const std::pair<const char*, Direction> others[] = {{"SCROLLBTNBOTTOM", Direction::Down},
                                                      {"SCROLLBTNLEFT", Direction::Left},
                                                      {"SCROLLBTNRIGHT", Direction::Right}};
  for (const auto& [name, direction] : others)
    d.Section(name).Add("PARENTCLASS", "SCROLLBTNTOP").Add("GLYPHMASK", arrow(direction));
}

void AddRoundScrollBars(SkinDesign& d, const RoundScrollBarLook& look) {
  Piece track(12, 12, 3, 0);
  DrawKeyedStates(track, look.TrackBodies[0], [&](Layer& l, int s) {
    l.Paint(Box(0, 0, 12, 12), Ink(look.TrackLine));
    l.Paint(Box(1, 1, 11, 11), Ink(look.TrackBodies[s]));
  });
  AddTrackSections(d, look.TrackBodies[0], BorderEntry(d.Pack(track), {2, 2, 2, 2}, 3, 0, 0, 0));

  Piece button(16, 16, 3, 1);
  DrawFrameStates(button, {5, 5, 5, 5}, [&](Layer& l, int s) {
    PaintRoundFace(l, look.Buttons[s], look.ButtonRadius, look.Sheen);
  });
  AddArrowButtonSections(d, look.Buttons[0].Bottom,
                         BorderEntry(d.Pack(button), {5, 5, 5, 5}, 3, 1, 0, 0),
                         [&](Direction direction) {
                           Piece glyph(9, 9, 3, 1);
                           DrawGlyphStates(glyph, [&](Layer& l, int s) {
                             l.Paint(Arrow(direction, 4.5, 4.5, 7), Ink(look.Buttons[s].Glyph));
                           });
                           return GlyphEntry(d.Pack(glyph), 3, 1);
                         });

  Piece thumb(16, 16, 3, 1);
  DrawFrameStates(thumb, {5, 5, 5, 5}, [&](Layer& l, int s) {
    PaintRoundFace(l, look.Thumbs[s], look.ThumbRadius, look.Sheen);
  });
  // Three ridges across the thumb.
  const auto grip = [&](bool across) {
    Piece glyph(8, 8, 3, 1);
    DrawGlyphStates(glyph, [&](Layer& l, int s) {
      for (int i = 0; i < 3; ++i) {
        const double at = 1.5 + 2.5 * i;
        l.Paint(across ? Box(1, at, 7, at + 1) : Box(at, 1, at + 1, 7),
                Ink(look.Thumbs[s].Glyph, look.GripOpacity));
      }
    });
    return GlyphEntry(d.Pack(glyph), 3, 1);
  };
  d.Section("SCROLLSLIDERV")
      .Add("COLOR", d.Colour(look.Thumbs[0].Bottom))
      .Add("BORDERSMASK", BorderEntry(d.Pack(thumb), {5, 5, 5, 5}, 3, 1, 0, 0))
      .Add("GLYPHMASK", grip(true));
  d.Section("SCROLLSLIDERH").Add("PARENTCLASS", "SCROLLSLIDERV").Add("GLYPHMASK", grip(false));
}

}  // namespace au::design
