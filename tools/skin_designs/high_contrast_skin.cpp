// "High Contrast": white and yellow on black, crisp one- and two-pixel lines,
// no gradients and no fading. Every text is at least 7:1 against what lies
// behind it. Its frames are rectangles of the master picture in the "#" form,
// keyed with magenta; the scroll thumb is a picture of its own.
#include "tools/skin_designs/design_pieces.h"
#include "tools/skin_designs/skins.h"

namespace au::design {
namespace {

constexpr TColor kBlack = MakeColor(0, 0, 0);
constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kYellow = MakeColor(255, 255, 0);
constexpr TColor kSilver = MakeColor(192, 192, 192);
constexpr TColor kCream = MakeColor(255, 255, 208);

// Lines of one pixel each, from the outside in; a rectangle of `w` x `h`
// with its corner pixels magenta when `round`.
void Rings(Layer& l, std::initializer_list<TColor> lines, bool round) {
  int inset = 0;
  for (const TColor line : lines) {
    l.Paint(Box(inset, inset, l.Width() - inset, l.Height() - inset), Ink(line));
    ++inset;
  }
  l.Paint(Box(inset, inset, l.Width() - inset, l.Height() - inset), art::kClear);
  if (!round) return;
  for (const auto& [x, y] :
       {std::pair{0, 0}, {l.Width() - 1, 0}, {0, l.Height() - 1}, {l.Width() - 1, l.Height() - 1}})
    l.Set(x, y, art::kClear);
}

void AddGlobalInfo(SkinDesign& d) {
  OptionsText::Section& g = d.GlobalInformation(
      "White and yellow on black; every text at least 7:1 against its ground.", {});
  g.Add("COLOR", d.Colour(kBlack)).Add("FONTCOLOR", d.Colour(kWhite));
  // Close: a white cross; on a yellow square under the mouse, on white pressed.
  Piece close(21, 19, 3, 0);
  DrawKeyedStates(close, kBlack, [](Layer& l, int s) {
    if (s > 0) {
      l.Paint(Box(1, 1, 20, 18), Ink(kBlack));
      l.Paint(Box(2, 2, 19, 17), Ink(s == 1 ? kYellow : kWhite));
    }
    l.Paint(Cross(10.5, 9.5, 4.5, 2.4), Ink(s == 0 ? kWhite : kBlack));
  });
  Piece check(13, 13, 2, 0);
  DrawKeyedStates(check, kBlack, [](Layer& l, int s) {
    l.Paint(Tick(1, 1, 11, 2.4), Ink(s == 0 ? kWhite : kBlack));
  });
  Piece radio(13, 13, 2, 0);
  DrawKeyedStates(radio, kBlack, [](Layer& l, int s) {
    l.Paint(Circle(6.5, 6.5, 4), Ink(s == 0 ? kWhite : kBlack));
  });
  g.Add("BICONCLOSE", GlyphEntry(d.Pack(close), 3, 0))
      .Add("CHECK", GlyphEntry(d.Pack(check), 2, 0))
      .Add("RADIOCHECKED", GlyphEntry(d.Pack(radio), 2, 0));
}

void AddFrames(SkinDesign& d) {
  // Window and memos: white, black, white; the memos show the outer two.
  Piece edit(9, 9, 1, 0);
  DrawKeyedStates(edit, kBlack, [](Layer& l, int) { Rings(l, {kWhite, kBlack, kWhite}, false); });
  d.Section("EDIT")
      .Add("COLOR", d.Colour(kWhite))
      .Add("HOTCOLOR", d.Colour(kCream))
      .Add("FONTCOLOR", d.Colour(kBlack))
      .Add("BORDERSMASK", RectangleEntry(d.Pack(edit), 1, 0, 3, 0));

  // The title: yellow letters on black while the window is active, silver
  // ones otherwise, over a line that is yellow or white.
  Piece title(12, 22, 2, 0);
  DrawKeyedStates(title, kBlack, [](Layer& l, int s) {
    l.Paint(Box(0, 0, 12, 22), Ink(kWhite));
    l.Paint(Box(1, 1, 11, 20), Ink(kBlack));
    l.Paint(Box(0, 20, 12, 22), Ink(s == 1 ? kYellow : kWhite));
  });
  d.Section("FORMTITLE")
      .Add("COLOR", d.Colour(kBlack))
      .Add("FONTCOLOR", d.Colour(kSilver))
      .Add("HOTCOLOR", d.Colour(kBlack))
      .Add("HOTFONTCOLOR", d.Colour(kYellow))
      .Add("BORDERSMASK", RectangleEntry(d.Pack(title), 2, 0, 2));

  d.Section("ALPHAEDIT").Add("COLOR", d.Colour(kBlack)).Add("FONTCOLOR", d.Colour(kWhite));

  // The status bar: a white line along its top.
  Piece status(6, 6, 1, 0);
  DrawKeyedStates(status, kBlack, [](Layer& l, int) {
    l.Paint(Box(0, 0, 6, 6), Ink(kBlack));
    l.Paint(Box(0, 0, 6, 1), Ink(kWhite));
  });
  d.Section("STATUSBAR")
      .Add("COLOR", d.Colour(kBlack))
      .Add("FONTCOLOR", d.Colour(kWhite))
      .Add("HOTCOLOR", d.Colour(kBlack))
      .Add("HOTFONTCOLOR", d.Colour(kYellow))
      .Add("BORDERSMASK", RectangleEntry(d.Pack(status), 1, 0, 1, 0));
}

// Buttons: white on black with a white frame; black on yellow under the
// mouse; a doubled frame while pressed. No fading: the look changes at once.
void AddButtons(SkinDesign& d) {
  Piece frame(8, 8, 3, 0);
  DrawKeyedStates(frame, kBlack, [](Layer& l, int s) {
    if (s == 0) Rings(l, {kWhite, kWhite}, true);
    if (s == 1) Rings(l, {kYellow, kBlack}, true);
    if (s == 2) Rings(l, {kWhite, kBlack}, true);
  });
  d.Section("BARTITLE")
      .Add("COLOR", d.Colour(kBlack))
      .Add("FONTCOLOR", d.Colour(kWhite))
      .Add("HOTCOLOR", d.Colour(kYellow))
      .Add("HOTFONTCOLOR", d.Colour(kBlack))
      .Add("FADINGENABLED", "FALSE")
      .Add("BORDERSMASK", RectangleEntry(d.Pack(frame), 3, 0, 2, 1));
}

void AddScrollBars(SkinDesign& d) {
  Piece track(6, 6, 3, 0);
  DrawKeyedStates(track, kBlack, [](Layer& l, int) {
    l.Paint(Box(0, 0, 6, 6), Ink(kWhite));
    l.Paint(Box(1, 1, 5, 5), Ink(kBlack));
  });
  AddTrackSections(d, kBlack, RectangleEntry(d.Pack(track), 3, 0, 1));

  static constexpr TColor kFaces[3] = {kBlack, kYellow, kWhite};
  Piece button(16, 16, 3, 0);
  DrawKeyedStates(button, kBlack, [](Layer& l, int s) {
    l.Paint(Box(0, 0, 16, 16), Ink(kWhite));
    l.Paint(Box(1, 1, 15, 15), Ink(kFaces[s]));
  });
  AddArrowButtonSections(d, kBlack, RectangleEntry(d.Pack(button), 3, 0), [&](Direction direction) {
    Piece glyph(10, 10, 3, 0);
    DrawKeyedStates(glyph, kBlack, [&](Layer& l, int s) {
      l.Paint(Arrow(direction, 5, 5, 8), Ink(s == 0 ? kWhite : kBlack));
    });
    return GlyphEntry(d.Pack(glyph), 3, 0);
  });

  // The thumb: solid white, yellow under the mouse, a black ring inside.
  Piece thumb(14, 14, 3, 0);
  DrawKeyedStates(thumb, kBlack, [](Layer& l, int s) {
    l.Paint(Box(0, 0, 14, 14), Ink(s == 1 ? kYellow : kWhite));
    l.Paint(Box(2, 2, 12, 12), Ink(s == 2 ? kBlack : (s == 1 ? kYellow : kWhite)));
    l.Paint(art::Minus(Box(2, 2, 12, 12), Box(3, 3, 11, 11)), Ink(kBlack));
  });
  d.Section("SCROLLSLIDERV")
      .Add("COLOR", d.Colour(kWhite))
      .Add("BORDERSMASK", OwnPictureEntry(d.AddBmp("THUMB.BMP", thumb.Board.Picture()), 3, 0,
                                          itisaBorder, kit::BorderWidths{4, 4, 4, 4}));
  d.Section("SCROLLSLIDERH").Add("PARENTCLASS", "SCROLLSLIDERV");
}

// Menus: black with a white frame, the highlighted item in yellow with black
// letters, a white line between groups.
void AddMenus(SkinDesign& d) {
  Piece border(8, 8, 1, 0);
  DrawKeyedStates(border, kBlack, [](Layer& l, int) { Rings(l, {kWhite, kWhite, kBlack}, false); });
  d.Section("MAINMENU")
      .Add("COLOR", d.Colour(kBlack))
      .Add("BORDERSMASK", RectangleEntry(d.Pack(border), 1, 0, 3, 0));
  d.Section("MENUITEM")
      .Add("COLOR", d.Colour(kBlack))
      .Add("FONTCOLOR", d.Colour(kWhite))
      .Add("TRANSPARENCY", "100")
      .Add("HOTCOLOR", d.Colour(kYellow))
      .Add("HOTFONTCOLOR", d.Colour(kBlack));
  Piece divider(6, 2, 1, 0);
  DrawKeyedStates(divider, kBlack, [](Layer& l, int) {
    l.Paint(Box(0, 0, 6, 1), Ink(kWhite));
    l.Paint(Box(0, 1, 6, 2), Ink(kBlack));
  });
  d.Section("DIVIDERV").Add("BORDERSMASK", RectangleEntry(d.Pack(divider), 1, 0, 1, 0));
}

}  // namespace

DesignedSkin HighContrastSkin() {
  SkinDesign d(96);
  AddGlobalInfo(d);
  AddFrames(d);
  AddButtons(d);
  AddScrollBars(d);
  AddMenus(d);
  return {"High Contrast", d.Finish()};
}

}  // namespace au::design
