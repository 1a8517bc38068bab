// "Graphite": dark chrome in graphite greys, a teal accent for whatever the
// mouse is over or presses, and light paper behind the text (the memos write
// in black). Its images are cut from the master picture in the "@" and "^"
// forms, with soft edges over weight rows; the panel's frame is a picture of
// its own whose widths the loader works out.
#include "tools/skin_designs/design_pieces.h"
#include "tools/skin_designs/skins.h"

namespace au::design {
namespace {

constexpr TColor kLine = MakeColor(18, 20, 24);
constexpr TColor kEdge = MakeColor(78, 85, 97);
constexpr TColor kChrome = MakeColor(34, 37, 43);
constexpr TColor kBase = MakeColor(43, 47, 54);
constexpr TColor kText = MakeColor(228, 232, 238);
constexpr TColor kTextDim = MakeColor(150, 158, 170);
constexpr TColor kAccent = MakeColor(46, 196, 182);
constexpr TColor kAccentDeep = MakeColor(22, 122, 114);
constexpr TColor kPaper = MakeColor(234, 232, 227);
constexpr TColor kPaperHot = MakeColor(244, 242, 238);
constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlack = MakeColor(0, 0, 0);
constexpr TColor kClose = MakeColor(204, 68, 62);
constexpr TColor kClosePressed = MakeColor(150, 44, 40);
constexpr TColor kTrack = MakeColor(52, 57, 65);
constexpr TColor kTrackLine = MakeColor(40, 44, 50);

// Normal, under the mouse, pressed: the faces of scroll buttons and thumbs.
constexpr std::array<FaceLook, 3> kButtonFaces = {{
    {kLine, MakeColor(78, 85, 97), MakeColor(62, 68, 78), MakeColor(192, 200, 210)},
    {kAccentDeep, MakeColor(90, 98, 111), MakeColor(72, 79, 90), kAccent},
    {kAccentDeep, MakeColor(40, 44, 51), MakeColor(48, 53, 60), kWhite},
}};
constexpr std::array<FaceLook, 3> kThumbFaces = {{
    {kLine, MakeColor(104, 112, 125), MakeColor(88, 96, 108), MakeColor(52, 57, 65)},
    {kAccentDeep, MakeColor(122, 131, 145), MakeColor(102, 110, 123), MakeColor(40, 44, 50)},
    {kAccentDeep, MakeColor(52, 184, 170), MakeColor(36, 150, 140), MakeColor(14, 70, 66)},
}};

void AddGlobalInfo(SkinDesign& d) {
  OptionsText::Section& g =
      d.GlobalInformation("Dark graphite chrome with a teal accent and light paper for the text.",
                          {.Colour = 0, .Offset = 2, .Blur = 6, .Transparency = 60});
  g.Add("COLOR", d.Colour(kBase)).Add("FONTCOLOR", d.Colour(kText));

  // The close button of dialogs in four states: normal, under the mouse,
  // pressed, and a dimmed one for a button that cannot be used.
  Piece small(22, 19, 4, 1);
  DrawGlyphStates(small, [](Layer& l, int s) {
    if (s == 1 || s == 2) {
      l.Paint(Rounded(1, 1, 21, 18, 4), Ink(s == 1 ? kClose : kClosePressed));
      l.Paint(Intersect(Rounded(1, 1, 21, 18, 4), Box(0, 0, 22, 4)), Ink(kWhite, 0.15));
    }
    const TColor glyph = s == 0 ? MakeColor(200, 206, 214) : (s == 3 ? kEdge : kWhite);
    l.Paint(Cross(11, 9.5, 3.6, 1.8), Ink(glyph));
  });
  // The close button of other windows; it must exist for the small one to be used.
  Piece big(26, 21, 3, 1);
  DrawGlyphStates(big, [](Layer& l, int s) {
    if (s > 0) l.Paint(Rounded(1, 1, 25, 20, 5), Ink(s == 1 ? kClose : kClosePressed));
    l.Paint(Cross(13, 10.5, 4.2, 2.0), Ink(s == 0 ? MakeColor(200, 206, 214) : kWhite));
  });
  // Checked menu items: a tick, white on the highlighted item.
  Piece check(12, 12, 2, 1);
  DrawGlyphStates(
      check, [](Layer& l, int s) { l.Paint(Tick(1, 1, 10, 2.0), Ink(s == 0 ? kAccent : kWhite)); });
  Piece radio(12, 12, 2, 1);
  DrawGlyphStates(radio, [](Layer& l, int s) {
    const TColor ink = s == 0 ? kAccent : kWhite;
    l.Paint(art::Minus(Circle(6, 6, 5.2), Circle(6, 6, 3.9)), Ink(ink, 0.8));
    l.Paint(Circle(6, 6, 2.4), Ink(ink));
  });
  g.Add("BICONCLOSE", GlyphEntry(d.Pack(big), 3, 1))
      .Add("SICONCLOSE", GlyphEntry(d.Pack(small), 4, 1))
      .Add("CHECK", GlyphEntry(d.Pack(check), 2, 1))
      .Add("RADIOCHECKED", GlyphEntry(d.Pack(radio), 2, 1));
}

// The window's frame and the memos' frames share the section EDIT: a dark
// outline, a lighter line, the chrome; the memos show the outer two.
void AddEdit(SkinDesign& d) {
  Piece frame(12, 12, 1, 1);
  DrawFrameStates(frame, {3, 3, 3, 3}, [](Layer& l, int) {
    const RoundRect outer = Rounded(0, 0, 12, 12, 2.5);
    l.Paint(outer, Ink(kLine));
    l.Paint(Inset(outer, 1), Ink(kEdge));
    l.Paint(Inset(outer, 2), Ink(kChrome));
    l.Paint(Box(3, 3, 9, 9), art::kClear);
    SolidCorners(l, {3, 3, 3, 3}, kBase, kBase);
  });
  d.Section("EDIT")
      .Add("COLOR", d.Colour(kPaper))
      .Add("HOTCOLOR", d.Colour(kPaperHot))
      .Add("BORDERSMASK", BorderEntry(d.Pack(frame), {3, 3, 3, 3}, 1, 1, 0, 0));
}

// The title: a gradient that lightens when the window is active, round top
// corners that shape the window, and a teal line under an active title.
void AddTitle(SkinDesign& d) {
  Piece title(40, 24, 2, 1);
  DrawFrameStates(title, {8, 7, 8, 3}, [](Layer& l, int s) {
    const RoundRect outer{0, 0, 40, 34, 6, 6, 0, 0};
    l.Paint(outer, Ink(kLine));
    l.Paint(Inset(outer, 1), Ink(kWhite, 0.10));
    l.Paint(Inset(outer, 2), art::kClear);
    l.Paint(Box(0, 22, 40, 23), Ink(kBlack, 0.35));
    l.Paint(Box(0, 23, 40, 24), Ink(s == 1 ? kAccent : kLine));
  });
  d.Section("FORMTITLE")
      .Add("COLOR", d.Colour(kChrome))
      .Add("FONTCOLOR", d.Colour(kTextDim))
      .Add("GRADIENTPERCENT", "100")
      .Add("GRADIENTDATA", Gradient({{MakeColor(50, 54, 61), MakeColor(38, 41, 47), 100, 0}}))
      .Add("HOTCOLOR", d.Colour(kChrome))
      .Add("HOTFONTCOLOR", d.Colour(MakeColor(242, 245, 248)))
      .Add("HOTTCBOTTOM", d.Colour(kLine))
      .Add("HOTGRADIENTPERCENT", "100")
      .Add("HOTGRADIENTDATA", Gradient({{MakeColor(66, 72, 83), MakeColor(48, 52, 60), 55, 0},
                                        {MakeColor(48, 52, 60), MakeColor(36, 39, 45), 45, 0}}))
      .Add("BORDERSMASK", BorderEntry(d.Pack(title), {8, 7, 8, 3}, 2, 1, 0, 0));
}

// The panel behind the controls: four triangles of slightly different greys,
// lit from the top left, with a fine light line under the title.
void AddPanel(SkinDesign& d) {
  Piece frame(9, 9, 1, 1);
  DrawFrameStates(frame, {3, 3, 3, 3}, [](Layer& l, int) {
    l.Paint(Box(0, 0, 9, 9),
            art::kClear);  // square corners: what lies behind is the window's paper
    l.Paint(Box(0, 0, 9, 1), Ink(kWhite, 0.07));
    l.Paint(Box(0, 8, 9, 9), Ink(kBlack, 0.3));
    SolidCorners(l, {3, 3, 3, 3}, kBase, kBase);
  });
  d.Section("ALPHAEDIT")
      .Add("COLOR", d.Colour(kBase))
      .Add("GRADIENTPERCENT", "100")
      .Add("GRADIENTDATA", Gradient({{MakeColor(54, 59, 68), 0, 0, 2},
                                     {MakeColor(45, 49, 57), 0, 0, 2},
                                     {MakeColor(49, 54, 62), 0, 0, 2},
                                     {MakeColor(35, 38, 44), 0, 0, 2},
                                     {MakeColor(40, 44, 51), 0, 0, 2}}))
      .Add("BORDERSMASK", OwnPictureEntry(d.AddBmp("PANEL.BMP", frame.Board.Picture()), 1, 1,
                                          itisaBorder, std::nullopt));
}

// The conversion buttons: a raised face in the section's gradient, framed by
// the mask; teal under the mouse, sunk while pressed; they fade between looks.
void AddButtons(SkinDesign& d) {
  Piece frame(24, 22, 3, 1);
  DrawFrameStates(frame, {6, 6, 6, 6}, [](Layer& l, int s) {
    art::FrameStyle style;
    style.Radius = 4;
    if (s == 0) {
      style = {.Radius = 4,
               .Edge = kLine,
               .Ring = kWhite,
               .RingOpacity = 0.09,
               .SheenRows = 6,
               .Sheen = 0.10};
    } else if (s == 1) {
      style = {.Radius = 4,
               .Edge = kAccent,
               .Ring = kAccent,
               .RingOpacity = 0.35,
               .SheenRows = 6,
               .Sheen = 0.14};
    } else {
      style = {.Radius = 4,
               .Edge = kAccentDeep,
               .Ring = kBlack,
               .RingOpacity = 0.25,
               .ShadowRows = 4,
               .Shadow = 0.30};
    }
    art::PaintFrame(l, style);
    SolidCorners(l, {6, 6, 6, 6}, MakeColor(70, 76, 87), MakeColor(50, 54, 62));
  });
  d.Section("BARTITLE")
      .Add("COLOR", d.Colour(MakeColor(56, 61, 70)))
      .Add("FONTCOLOR", d.Colour(kText))
      .Add("TCBOTTOM", d.Colour(MakeColor(22, 24, 28)))
      .Add("GRADIENTPERCENT", "100")
      .Add("GRADIENTDATA", Gradient({{MakeColor(72, 78, 89), MakeColor(58, 63, 72), 50, 0},
                                     {MakeColor(58, 63, 72), MakeColor(49, 53, 61), 50, 0}}))
      .Add("HOTCOLOR", d.Colour(MakeColor(66, 72, 82)))
      .Add("HOTFONTCOLOR", d.Colour(kWhite))
      .Add("HOTTCBOTTOM", d.Colour(kLine))
      .Add("HOTGRADIENTPERCENT", "100")
      .Add("HOTGRADIENTDATA", Gradient({{MakeColor(84, 92, 104), MakeColor(66, 72, 82), 50, 0},
                                        {MakeColor(66, 72, 82), MakeColor(56, 61, 70), 50, 0}}))
      .Add("FADINGENABLED", "TRUE")
      .Add("FADINGINTERVALIN", "8")
      .Add("FADINGINTERVALOUT", "16")
      .Add("FADINGITERATIONS", "12")
      .Add("BORDERSMASK", BorderEntry(d.Pack(frame), {6, 6, 6, 6}, 3, 1, 0, 0));
}

// The status bar: darker towards both ends, a fine line along its top.
void AddStatusBar(SkinDesign& d) {
  Piece line(8, 6, 1, 1);
  DrawFrameStates(line, {0, 2, 0, 0}, [](Layer& l, int) {
    l.Paint(Box(0, 0, 8, 1), Ink(kBlack, 0.5));
    l.Paint(Box(0, 1, 8, 2), Ink(kWhite, 0.06));
  });
  d.Section("STATUSBAR")
      .Add("COLOR", d.Colour(kChrome))
      .Add("FONTCOLOR", d.Colour(MakeColor(170, 178, 190)))
      .Add("GRADIENTPERCENT", "100")
      .Add("GRADIENTDATA", Gradient({{MakeColor(30, 33, 38), MakeColor(44, 48, 55), 50, 1},
                                     {MakeColor(44, 48, 55), MakeColor(30, 33, 38), 50, 1}}))
      .Add("BORDERSMASK", BorderEntry(d.Pack(line), {0, 2, 0, 0}, 1, 1, 0, 0));
}

// Scroll bars: a flat groove, rounded buttons and thumbs.
void AddScrollBars(SkinDesign& d) {
  AddRoundScrollBars(d, {.TrackBodies = {kTrack, MakeColor(58, 63, 72), MakeColor(46, 50, 57)},
                         .TrackLine = kTrackLine,
                         .Buttons = kButtonFaces,
                         .Thumbs = kThumbFaces,
                         .ButtonRadius = 3,
                         .ThumbRadius = 4,
                         .Sheen = 0.12,
                         .GripOpacity = 0.9});
}

// Pop-up menus: rounded dark windows, a darker column for check marks, a
// teal bar under the highlighted item and an etched line between groups.
void AddMenus(SkinDesign& d) {
  Piece border(12, 12, 1, 1);
  DrawFrameStates(border, {3, 3, 3, 3}, [](Layer& l, int) {
    const RoundRect outer = Rounded(0, 0, 12, 12, 3);
    l.Paint(outer, Ink(kLine));
    l.Paint(Inset(outer, 1), Ink(kEdge, 0.5));
    l.Paint(Inset(outer, 2), art::kClear);
  });
  d.Section("MAINMENU")
      .Add("COLOR", d.Colour(MakeColor(40, 44, 51)))
      .Add("BORDERSMASK", BorderEntry(d.Pack(border), {3, 3, 3, 3}, 1, 1, 0, 3));

  Piece highlight(10, 10, 2, 1);
  DrawFrameStates(highlight, {3, 3, 3, 3}, [](Layer& l, int s) {
    if (s == 1) {
      const RoundRect outer = Rounded(0, 0, 10, 10, 3);
      l.Paint(outer, Ink(kAccent, 0.9));
      l.Paint(Inset(outer, 1), art::kClear);
    }
  });
  d.Section("MENUITEM")
      .Add("FONTCOLOR", d.Colour(kText))
      .Add("TRANSPARENCY", "100")
      .Add("HOTCOLOR", d.Colour(kAccentDeep))
      .Add("HOTFONTCOLOR", d.Colour(kWhite))
      .Add("HOTGRADIENTPERCENT", "100")
      .Add("HOTGRADIENTDATA",
           Gradient({{MakeColor(30, 142, 132), MakeColor(20, 112, 104), 100, 0}}))
      .Add("BORDERSMASK", BorderEntry(d.Pack(highlight), {3, 3, 3, 3}, 2, 1, 0, 0));

  Piece divider(12, 2, 1, 1);
  DrawFrameStates(divider, {4, 1, 4, 1}, [](Layer& l, int) {
    for (int x = 0; x < 12; ++x) {
      const double fade = std::min(1.0, std::min(x + 0.5, 11.5 - x) / 4.0);
      l.Set(x, 0, Ink(kBlack, 0.45 * fade));
      l.Set(x, 1, Ink(kWhite, 0.08 * fade));
    }
  });
  d.Section("DIVIDERV").Add("BORDERSMASK", BorderEntry(d.Pack(divider), {4, 1, 4, 1}, 1, 1, 0, 0));
  d.Section("ICOLINE").Add("COLOR", d.Colour(MakeColor(34, 37, 43)));
}

}  // namespace

DesignedSkin GraphiteSkin() {
  SkinDesign d(128, "0x");  // colours in hexadecimal
  AddGlobalInfo(d);
  AddTitle(d);
  AddEdit(d);
  AddPanel(d);
  AddButtons(d);
  AddStatusBar(d);
  AddScrollBars(d);
  AddMenus(d);
  return {"Graphite", d.Finish()};
}

}  // namespace au::design
