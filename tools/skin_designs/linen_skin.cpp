// "Linen": a window bound like a book, a walnut title over woven linen,
// stitched buttons, a leather status bar. The textures are our own JPEG
// pictures: large ones stay patterns, the buttons' small ones become texture
// masks; the status bar's leather is a texture cut from the master picture
// ("~"), the buttons' frame a picture named by the whole value, and the close
// button a picture of its own in the window's section.
#include <algorithm>

#include "tools/skin_designs/design_pieces.h"
#include "tools/skin_designs/skins.h"
#include "tools/skin_designs/textures.h"

namespace au::design {
namespace {

constexpr TColor kLinen = MakeColor(214, 203, 182);
constexpr TColor kPaper = MakeColor(251, 247, 237);
constexpr TColor kPaperHot = MakeColor(255, 253, 246);
constexpr TColor kWalnutLight = MakeColor(128, 90, 60);
constexpr TColor kWalnut = MakeColor(96, 64, 42);
constexpr TColor kWalnutDark = MakeColor(54, 35, 22);
constexpr TColor kInk = MakeColor(58, 40, 26);
constexpr TColor kCream = MakeColor(248, 238, 216);
constexpr TColor kThread = MakeColor(236, 214, 170);
constexpr TColor kBrass = MakeColor(206, 170, 104);
constexpr TColor kBrassDark = MakeColor(140, 104, 52);
constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlack = MakeColor(0, 0, 0);

// A seam of stitches: dashes `on` pixels long with `off` between them.
bool Stitch(int at, int on, int off) {
  return at % (on + off) < on;
}

void AddGlobalInfo(SkinDesign& d) {
  OptionsText::Section& g =
      d.GlobalInformation("Woven linen and walnut, stitched like a book cover.",
                          {.Colour = kWalnutDark, .Offset = 2, .Blur = 4, .Transparency = 50});
  g.Add("COLOR", d.Colour(kLinen)).Add("FONTCOLOR", d.Colour(kInk));
  Piece check(12, 12, 2, 1);
  DrawGlyphStates(
      check, [](Layer& l, int s) { l.Paint(Tick(1, 1, 10, 2.0), Ink(s == 0 ? kWalnut : kCream)); });
  Piece radio(12, 12, 2, 1);
  DrawGlyphStates(
      radio, [](Layer& l, int s) { l.Paint(Circle(6, 6, 3.2), Ink(s == 0 ? kWalnut : kCream)); });
  g.Add("CHECK", GlyphEntry(d.Pack(check), 2, 1))
      .Add("RADIOCHECKED", GlyphEntry(d.Pack(radio), 2, 1));
}

// The title: walnut, lighter and richer while the window is active; rounded
// top corners and a seam of light stitches along its bottom edge.
void AddTitle(SkinDesign& d) {
  const std::string active = d.AddJpeg(
      "WALNUT.JPG", WalnutTexture(400, 230, MakeColor(132, 88, 56), MakeColor(58, 36, 22), 7), 90);
  const std::string inactive =
      d.AddJpeg("WALNUT_DIM.JPG",
                WalnutTexture(400, 230, MakeColor(150, 124, 104), MakeColor(96, 78, 64), 7), 90);
  Piece title(40, 24, 2, 1);
  DrawFrameStates(title, {8, 7, 8, 3}, [](Layer& l, int s) {
    const RoundRect outer{0, 0, 40, 34, 7, 7, 0, 0};
    l.Paint(outer, Ink(kWalnutDark));
    l.Paint(Inset(outer, 1), Ink(MakeColor(255, 228, 190), 0.22));
    l.Paint(Inset(outer, 2), art::kClear);
    for (int x = 0; x < 40; ++x)
      if (Stitch(x, 3, 2)) l.Set(x, 21, Ink(kThread, s == 1 ? 0.75 : 0.45));
    l.Paint(Box(0, 23, 40, 24), Ink(kWalnutDark));
  });
  d.Section("FORMTITLE")
      .Add("COLOR", d.Colour(kWalnut))
      .Add("FONTCOLOR", d.Colour(MakeColor(236, 226, 210)))
      .Add("TCBOTTOM", d.Colour(MakeColor(70, 54, 42)))
      .Add("IMAGEPERCENT", "100")
      .Add("PATTERN", inactive)
      .Add("HOTCOLOR", d.Colour(kWalnut))
      .Add("HOTFONTCOLOR", d.Colour(kCream))
      .Add("HOTTCBOTTOM", d.Colour(MakeColor(28, 16, 8)))
      .Add("HOTIMAGEPERCENT", "100")
      .Add("HOTPATTERN", active)
      .Add("BORDERSMASK", BorderEntry(d.Pack(title), {8, 7, 8, 3}, 2, 1, 0, 0));

  // The close button: a brass stud, brighter under the mouse, pressed in.
  Piece close(19, 19, 3, 1);
  DrawGlyphStates(close, [](Layer& l, int s) {
    const TColor top = s == 1 ? MakeColor(236, 204, 138) : (s == 2 ? kBrassDark : kBrass);
    const TColor bottom = s == 2 ? kBrass : kBrassDark;
    l.Paint(Circle(9.5, 10, 7.6), Ink(kWalnutDark));
    l.Paint(Circle(9.5, 10, 6.6), VerticalRamp{3, 17, Ink(top), Ink(bottom)});
    l.Paint(Cross(9.5, 10, 2.9, 1.9), Ink(kWalnutDark));
  });
  d.Section("FORM").Add("BICONCLOSE", OwnPictureEntry(d.AddBmp("CLOSE.BMP", close.Board.Picture()),
                                                      3, 1, itisaGlyph, std::nullopt));
}

// Window frame and memos: walnut lines around cream paper.
void AddEdit(SkinDesign& d) {
  Piece frame(12, 12, 1, 1);
  DrawFrameStates(frame, {3, 3, 3, 3}, [](Layer& l, int) {
    const RoundRect outer = Rounded(0, 0, 12, 12, 2.5);
    l.Paint(outer, Ink(kWalnutDark));
    l.Paint(Inset(outer, 1), Ink(MakeColor(168, 130, 94)));
    l.Paint(Inset(outer, 2), Ink(kWalnut));
    l.Paint(Box(3, 3, 9, 9), art::kClear);
    SolidCorners(l, {3, 3, 3, 3}, kLinen, kLinen);
  });
  d.Section("EDIT")
      .Add("COLOR", d.Colour(kPaper))
      .Add("HOTCOLOR", d.Colour(kPaperHot))
      .Add("FONTCOLOR", d.Colour(kInk))
      .Add("BORDERSMASK", BorderEntry(d.Pack(frame), {3, 3, 3, 3}, 1, 1, 0, 0));
}

// The panel: linen, in a shadow under the title.
void AddPanel(SkinDesign& d, const std::string& linen) {
  Piece shade(9, 9, 1, 1);
  DrawFrameStates(shade, {3, 3, 3, 3}, [](Layer& l, int) {
    l.Paint(Box(0, 0, 9, 9), art::kClear);
    for (int y = 0; y < 3; ++y) l.Paint(Box(0, y, 9, y + 1), Ink(kWalnutDark, 0.28 - 0.09 * y));
    SolidCorners(l, {3, 3, 3, 3}, kLinen, kLinen);
  });
  d.Section("ALPHAEDIT")
      .Add("COLOR", d.Colour(kLinen))
      .Add("IMAGEPERCENT", "100")
      .Add("PATTERN", linen)
      .Add("BORDERSMASK", BorderEntry(d.Pack(shade), {3, 3, 3, 3}, 1, 1, 0, 0));
}

// Buttons: linen over a light gradient, framed in walnut with a seam of
// stitches; they fade between their looks.
void AddButtons(SkinDesign& d) {
  const std::string weave =
      d.AddJpeg("WEAVE.JPG", LinenTexture(48, 48, MakeColor(232, 222, 202), 16, 21), 92);
  const std::string weaveHot =
      d.AddJpeg("WEAVE_HOT.JPG", LinenTexture(48, 48, MakeColor(246, 238, 220), 14, 21), 92);
  Piece frame(27, 24, 3, 1);
  DrawFrameStates(frame, {9, 8, 9, 8}, [](Layer& l, int s) {
    const RoundRect outer = Rounded(0, 0, 27, 24, 5);
    l.Paint(outer, Ink(s == 0 ? kWalnut : kWalnutDark));
    // A white ring at rest, a brass glow under the mouse, a shadow pressed.
    const Rgba rings[3] = {Ink(kWhite, 0.45), Ink(kBrass, 0.85), Ink(kBlack, 0.18)};
    l.Paint(Inset(outer, 1), rings[s]);
    l.Paint(Inset(outer, 2), art::kClear);
    if (s == 2) {
      l.Paint(Intersect(Inset(outer, 2), Box(0, 0, 27, 6)),
              VerticalRamp{2, 6, Ink(kWalnutDark, 0.25), Ink(kWalnutDark, 0)});
    }
    // Stitches three pixels inside the edge: dashes of two with gaps of one
    // along the top and bottom, two and two up the sides, so that the tiled
    // middle pieces continue the seam.
    const Rgba thread = s == 1 ? Ink(kBrassDark, 0.9) : Ink(kWalnut, 0.55);
    for (int x = 5; x < 22; ++x) {
      if (!Stitch(x, 2, 1)) continue;
      l.Set(x, 3, thread);
      l.Set(x, 20, thread);
    }
    for (int y = 5; y < 19; ++y) {
      if (!Stitch(y, 2, 2)) continue;
      l.Set(3, y, thread);
      l.Set(23, y, thread);
    }
    SolidCorners(l, {9, 8, 9, 8}, MakeColor(240, 232, 214), MakeColor(222, 210, 188));
  });
  d.Section("BARTITLE")
      .Add("COLOR", d.Colour(MakeColor(232, 222, 202)))
      .Add("FONTCOLOR", d.Colour(kInk))
      .Add("TCBOTTOM", d.Colour(MakeColor(255, 250, 240)))
      .Add("IMAGEPERCENT", "60")
      .Add("PATTERN", weave)
      .Add("GRADIENTPERCENT", "40")
      .Add("GRADIENTDATA", Gradient({{MakeColor(250, 244, 230), MakeColor(212, 198, 172), 100, 0}}))
      .Add("HOTCOLOR", d.Colour(MakeColor(246, 238, 220)))
      .Add("HOTFONTCOLOR", d.Colour(MakeColor(36, 22, 12)))
      .Add("HOTTCBOTTOM", d.Colour(kWhite))
      .Add("HOTIMAGEPERCENT", "60")
      .Add("HOTPATTERN", weaveHot)
      .Add("HOTGRADIENTPERCENT", "40")
      .Add("HOTGRADIENTDATA",
           Gradient({{MakeColor(255, 252, 242), MakeColor(228, 214, 188), 100, 0}}))
      .Add("FADINGENABLED", "TRUE")
      .Add("FADINGINTERVALIN", "10")
      .Add("FADINGINTERVALOUT", "10")
      .Add("FADINGITERATIONS", "6")
      .Add("BORDERSMASK", PlainPictureEntry(d.AddBmp("BUTTON.BMP", frame.Board.Picture())));
}

// The status bar: dark leather tiled from the master picture, with a seam
// along its top.
void AddStatusBar(SkinDesign& d) {
  Piece leather(80, 40, 1, 0);
  {
    const Bitmap24 tile = LeatherTexture(80, 40, MakeColor(90, 61, 40), 26, 31);
    Layer l = leather.NewLayer();
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 80; ++x) l.Set(x, y, Ink(tile.Pixel(x, y)));
    leather.Board.PutKeyed(leather.Place, 0, l, kBlack);
  }
  Piece seam(10, 5, 1, 1);
  DrawFrameStates(seam, {0, 4, 0, 0}, [](Layer& l, int) {
    l.Paint(Box(0, 0, 10, 1), Ink(kWalnutDark));
    l.Paint(Box(0, 1, 10, 2), Ink(kWhite, 0.12));
    for (int x = 0; x < 10; ++x)
      if (Stitch(x, 3, 2)) l.Set(x, 3, Ink(kThread, 0.5));
  });
  d.Section("STATUSBAR")
      .Add("COLOR", d.Colour(MakeColor(88, 60, 40)))
      .Add("FONTCOLOR", d.Colour(MakeColor(240, 228, 204)))
      .Add("IMAGEPERCENT", "100")
      .Add("PATTERN", TextureEntry(d.Pack(leather), 0, 0))
      .Add("BORDERSMASK", BorderEntry(d.Pack(seam), {0, 4, 0, 0}, 1, 1, 0, 0));
}

// Scroll bars: a linen groove, walnut buttons and thumbs.
void AddScrollBars(SkinDesign& d) {
  AddRoundScrollBars(
      d, {.TrackBodies = {MakeColor(226, 216, 196), MakeColor(234, 226, 208),
                          MakeColor(214, 202, 180)},
          .TrackLine = MakeColor(186, 168, 142),
          .Buttons = {{{kWalnutDark, MakeColor(134, 96, 64), MakeColor(98, 68, 44), kCream},
                       {kWalnutDark, MakeColor(156, 114, 78), MakeColor(116, 82, 54), kWhite},
                       {kWalnutDark, MakeColor(82, 56, 36), MakeColor(96, 66, 44), kThread}}},
          .Thumbs = {{{kWalnutDark, MakeColor(134, 96, 64), MakeColor(98, 68, 44), kCream},
                      {kWalnutDark, MakeColor(156, 114, 78), MakeColor(116, 82, 54), kWhite},
                      {kWalnutDark, MakeColor(82, 56, 36), MakeColor(96, 66, 44), kThread}}},
          .ButtonRadius = 3,
          .ThumbRadius = 5,
          .Sheen = 0.18,
          .GripOpacity = 0.8});
}

// Menus: linen cards in a walnut frame; the highlighted item in walnut that
// lightens to the right; stitches between groups.
void AddMenus(SkinDesign& d, const std::string& linen) {
  Piece border(12, 12, 1, 1);
  DrawFrameStates(border, {3, 3, 3, 3}, [](Layer& l, int) {
    const RoundRect outer = Rounded(0, 0, 12, 12, 3);
    l.Paint(outer, Ink(kWalnutDark));
    l.Paint(Inset(outer, 1), Ink(kWalnut, 0.6));
    l.Paint(Inset(outer, 2), art::kClear);
  });
  d.Section("MAINMENU")
      .Add("COLOR", d.Colour(kLinen))
      .Add("IMAGEPERCENT", "100")
      .Add("PATTERN", linen)
      .Add("BORDERSMASK", BorderEntry(d.Pack(border), {3, 3, 3, 3}, 1, 1, 0, 3));
  d.Section("MENUITEM")
      .Add("FONTCOLOR", d.Colour(kInk))
      .Add("TRANSPARENCY", "100")
      .Add("HOTCOLOR", d.Colour(kWalnut))
      .Add("HOTFONTCOLOR", d.Colour(kCream))
      .Add("HOTGRADIENTPERCENT", "100")
      .Add("HOTGRADIENTDATA", Gradient({{kWalnutDark, kWalnutLight, 100, 1}}));
  Piece divider(10, 2, 1, 1);
  DrawFrameStates(divider, {0, 1, 0, 1}, [](Layer& l, int) {
    for (int x = 0; x < 10; ++x) {
      if (Stitch(x, 3, 2)) l.Set(x, 0, Ink(kWalnut, 0.6));
      l.Set(x, 1, Ink(kWhite, 0.25));
    }
  });
  d.Section("DIVIDERV").Add("BORDERSMASK", BorderEntry(d.Pack(divider), {0, 1, 0, 1}, 1, 1, 0, 0));
}

}  // namespace

DesignedSkin LinenSkin() {
  SkinDesign d(192, "$");  // colours in hexadecimal
  const std::string linen = d.AddJpeg("LINEN.JPG", LinenTexture(321, 300, kLinen, 18, 11), 90);
  AddGlobalInfo(d);
  AddTitle(d);
  AddEdit(d);
  AddPanel(d, linen);
  AddButtons(d);
  AddStatusBar(d);
  AddScrollBars(d);
  AddMenus(d, linen);
  return {"Linen", d.Finish()};
}

}  // namespace au::design
