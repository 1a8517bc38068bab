// Section backgrounds: the parent showing through by the section's
// transparency, colour, gradient and texture in their shares, the hot fields,
// the overlay texture, the section's border, and calls that must draw nothing.
#include "paint/sections/section_background.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "pixels/paint_gradient.h"
#include "pixels/shared_paint_state.h"
#include "skin/gradient_parser.h"
#include "tests/paint/masks/mask_test_support.h"
#include "tests/paint/sections/section_test_skin.h"

namespace au {
namespace {

using test::AllPixelsAre;
using test::ColorScope;
using test::MasterImage;
using test::PixelsAre;
using test::PositionColor;
using test::PositionPicture;

constexpr TColor kBeneath = MakeColor(10, 20, 30);
constexpr TColor kColour = MakeColor(200, 100, 0);
constexpr TColor kHotColour = MakeColor(30, 60, 240);
constexpr TColor kGradientColour = MakeColor(40, 80, 160);
constexpr TColor kParentFill = MakeColor(1, 2, 3);
constexpr int kTag = 99;  // blue of every parent cache pixel

// A gradient of one colour: every pixel of it is `c`.
std::string SolidGradient(TColor c) {
  const std::string n = std::to_string(c);
  return n + ";" + n + ";100;0;0";
}

// What the byte-alpha blend gives when `keep` of 255 stays with the destination.
std::uint8_t Blend(int destination, int source, int keep) {
  return static_cast<std::uint8_t>((destination * keep + source * (255 - keep) + 127) >> 8);
}
TColor BlendColors(TColor destination, TColor source, int keep) {
  return MakeColor(Blend(RedOf(destination), RedOf(source), keep),
                   Blend(GreenOf(destination), GreenOf(source), keep),
                   Blend(BlueOf(destination), BlueOf(source), keep));
}

// round(percent% of v + the rest of c), halves to even, in exact integers.
int Mix(int v, int c, int percent) {
  const int numerator = percent * v + (100 - percent) * c;
  int result = numerator / 100;
  const int rest = numerator % 100;
  if (rest > 50 || (rest == 50 && (result & 1) != 0)) ++result;
  return result;
}
TColor MixColors(TColor v, TColor c, int percent) {
  return MakeColor(Mix(RedOf(v), RedOf(c), percent), Mix(GreenOf(v), GreenOf(c), percent),
                   Mix(BlueOf(v), BlueOf(c), percent));
}

TsSkinGeneral Section(const std::string& name, TColor colour) {
  TsSkinGeneral s;
  s.SectionName = name;
  s.Color = colour;
  s.HotColor = kHotColour;
  return s;
}

TsSkinGenerals Sections() {
  TsSkinGenerals all;
  {
    // Everything a section can have, all hidden by a transparency of 100.
    TsSkinGeneral s = Section("SEETHROUGH", kColour);
    s.Transparency = 100;
    s.GradientPercent = 50;
    s.GradientData = SolidGradient(kGradientColour);
    s.ImagePercent = 30;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("GLASS", kColour);
    s.Transparency = 40;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("TINT", kColour);
    s.Transparency = 30;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("GRADIENT", kColour);
    s.GradientPercent = 60;
    s.GradientData = "16777215;0;100;0;0";  // white to black, top to bottom
    all.push_back(s);
  }
  all.push_back(Section("PLAIN", kColour));
  {
    // Textured when normal; plain when hot although it has a hot texture.
    TsSkinGeneral s = Section("HOTPLAIN", kColour);
    s.ImagePercent = 100;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("HOTFIELDS", kColour);
    s.HotTransparency = 40;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("HOTGRADIENT", kColour);
    s.HotGradientPercent = 100;
    s.HotGradientData = SolidGradient(kGradientColour);
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("HOTTEXTURE", kColour);
    s.ImagePercent = 100;
    s.HotImagePercent = 100;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("STRIP", kColour);
    s.ImagePercent = 100;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("HALFTEXTURE", kColour);
    s.ImagePercent = 50;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("TEXTUREGRADIENT", kColour);
    s.ImagePercent = 40;
    s.GradientPercent = 60;
    s.GradientData = SolidGradient(kGradientColour);
    all.push_back(s);
  }
  {
    // A share for a texture that the skin does not have.
    TsSkinGeneral s = Section("NOTEXTURE", kColour);
    s.ImagePercent = 50;
    all.push_back(s);
  }
  {
    TsSkinGeneral s = Section("NOTEXTUREGLASS", kColour);
    s.ImagePercent = 50;
    s.Transparency = 40;
    all.push_back(s);
  }
  {
    // Numbers no careful skin writes.
    TsSkinGeneral s = Section("BELOWNONE", kColour);
    s.Transparency = -10;
    all.push_back(s);
    s = Section("BEYONDALL", kColour);
    s.Transparency = 2000000000;
    all.push_back(s);
    s = Section("HUGESHARES", kColour);
    s.ImagePercent = 2000000000;
    s.GradientPercent = 2000000000;
    s.GradientData = SolidGradient(kGradientColour);
    all.push_back(s);
    s = Section("NEGATIVEGRADIENT", kColour);
    s.ImagePercent = 50;
    s.GradientPercent = -50;
    s.GradientData = SolidGradient(kGradientColour);
    all.push_back(s);
  }
  all.push_back(Section("BORDERED", kColour));
  {
    TsSkinGeneral s = Section("OVERLAY", kColour);
    s.Transparency = 100;
    all.push_back(s);
  }
  return all;
}

// Master bitmap: position colours, with a weighted 3 x 2 texture (weights 0,
// its first pixel magenta) at (0, 20) and a 6 x 6 frame at (0, 30) whose
// top-left pixel is magenta.
Bitmap24 Master() {
  Bitmap24 b = PositionPicture(40, 40);
  for (int x = 0; x < 3; ++x)
    for (int y = 22; y < 24; ++y) b.SetPixel(x, y, clBlack);
  b.SetPixel(0, 20, clMagenta);
  b.SetPixel(0, 30, clMagenta);
  return b;
}

TsSkinImages Images() {
  TsSkinImage frame = MasterImage("BORDERED", "BORDERSMASK", {0, 30, 6, 36});
  frame.WL = frame.WT = frame.WR = frame.WB = 2;
  return {MasterImage("SEETHROUGH", "PATTERN", {10, 10, 13, 12}),
          MasterImage("HOTPLAIN", "PATTERN", {10, 10, 13, 12}),
          MasterImage("HOTPLAIN", "HOTPATTERN", {20, 10, 23, 12}),
          MasterImage("HOTTEXTURE", "PATTERN", {10, 10, 13, 12}),
          MasterImage("HOTTEXTURE", "HOTPATTERN", {20, 10, 23, 12}),
          MasterImage("STRIP", "PATTERN", {10, 10, 13, 12}, 4),
          MasterImage("HALFTEXTURE", "PATTERN", {10, 10, 13, 12}),
          MasterImage("TEXTUREGRADIENT", "PATTERN", {10, 10, 13, 12}),
          MasterImage("HUGESHARES", "PATTERN", {10, 10, 13, 12}),
          MasterImage("NEGATIVEGRADIENT", "PATTERN", {10, 10, 13, 12}),
          frame,
          MasterImage("OVERLAY", "PATTERN", {0, 20, 3, 24}, 10, 1, 1)};
}

// Colour of the 3 x 2 texture at (10, 10) (or at (sx, 10)) tiled from the
// top-left corner of r.
TColor Tiled(int x, int y, const TRect& r, int sx = 10) {
  return PositionColor(sx + (x - r.Left) % 3, 10 + (y - r.Top) % 2);
}

class SectionPainterTest : public ::testing::Test {
 protected:
  SectionPainterTest() : target_(12, 9) { target_.Fill(kBeneath); }

  // Names are literals: the paint keeps a view of them.
  SectionPaint PaintOf(const char* name, int state = 0) const {
    SectionPaint paint;
    paint.Manager = &skin_.Manager();
    paint.SectionIndex = skin_.Section(name);
    paint.SectionName = name;
    paint.State = state;
    return paint;
  }
  // The parent cache with its client origin at (2, 1), the control at (5, 3).
  SectionPaint OverParent(const char* name, int state = 0) {
    SectionPaint paint = PaintOf(name, state);
    paint.Cache = {&parent_, 2, 1, true};
    paint.Position = {5, 3};
    return paint;
  }
  // The parent pixel behind target pixel (x, y) of a rectangle starting at r.
  static TColor Behind(int x, int y, const TRect& r) {
    return PositionColor(2 + 5 + x - r.Left, 1 + 3 + y - r.Top, kTag);
  }

  void Paint(const SectionPaint& paint, TRect r = kWhole, TColor override = clMagenta) {
    PaintSectionBackground(paint, override, target_, r);
  }

  static constexpr TRect kWhole{0, 0, 12, 9};
  const ColorScope noParentFill_{ParentFillColor, clMagenta};
  const ColorScope noSharedColour_{SharedBackgroundColor, clMagenta};
  test::SectionSkin skin_{Master(), Sections(), Images()};
  Bitmap24 parent_ = PositionPicture(60, 50, kTag);
  Bitmap24 target_;
};

TEST_F(SectionPainterTest, TheCraftedSkinHasWhatTheCasesNeed) {
  for (const char* name : {"SEETHROUGH", "GLASS", "TINT", "GRADIENT", "PLAIN", "HOTPLAIN",
                           "HOTFIELDS", "HOTGRADIENT", "HOTTEXTURE", "STRIP", "HALFTEXTURE",
                           "TEXTUREGRADIENT", "NOTEXTURE", "NOTEXTUREGLASS", "BORDERED", "OVERLAY"})
    EXPECT_GE(skin_.Section(name), 0) << name;
  EXPECT_GE(skin_.Mask("BORDERED", "BORDERSMASK"), 0);
  EXPECT_EQ(skin_.MaskData(skin_.Mask("OVERLAY", "PATTERN")).MaskType, 1);
  EXPECT_EQ(skin_.MaskData(skin_.Mask("OVERLAY", "PATTERN")).StretchMode, 10);
}

TEST_F(SectionPainterTest, AWhollyTransparentSectionIsAnExactCopyOfTheParentBehindIt) {
  Paint(OverParent("SEETHROUGH"));
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) { return Behind(x, y, kWhole); }));

  // A part of the control: the parent behind that part, nothing else touched.
  target_.Fill(kBeneath);
  const TRect part{3, 2, 9, 7};
  Paint(OverParent("SEETHROUGH"), part);
  EXPECT_TRUE(PixelsAre(target_, kWhole, [&](int x, int y) {
    const bool inside = x >= part.Left && x < part.Right && y >= part.Top && y < part.Bottom;
    return inside ? Behind(x, y, part) : kBeneath;
  }));

  // The hot state takes the hot transparency, which is 0 here: texture, gradient, colour.
  target_.Fill(kBeneath);
  Paint(OverParent("SEETHROUGH", 1));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kHotColour));
}

TEST_F(SectionPainterTest, AWhollyTransparentSectionLeavesTheParentsOwnCacheAlone) {
  SectionPaint paint = OverParent("SEETHROUGH");
  paint.Cache.Bitmap = &target_;
  Paint(paint);
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kBeneath));
}

TEST_F(SectionPainterTest, AWhollyTransparentSectionWithoutParentCacheTakesTheParentColour) {
  const ColorScope fill(ParentFillColor, kParentFill);
  Paint(PaintOf("OVERLAY"));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kParentFill));
  // With a parent cache the colour still stands in for it when it is set.
  target_.Fill(kBeneath);
  Paint(OverParent("SEETHROUGH"));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kParentFill));
}

TEST_F(SectionPainterTest, PartialTransparencyBlendsTheColourOverTheParentByThatPercent) {
  // Alpha 40 * 255 / 100 = 102: (parent * 102 + colour * 153 + 127) >> 8.
  Paint(OverParent("GLASS"));
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) {
    return BlendColors(Behind(x, y, kWhole), kColour, 102);
  }));
  const TColor corner = target_.Pixel(0, 0);  // parent (7, 4, 99) under (200, 100, 0)
  EXPECT_EQ(RedOf(corner), (7 * 102 + 200 * 153 + 127) >> 8);
  EXPECT_EQ(GreenOf(corner), (4 * 102 + 100 * 153 + 127) >> 8);
  EXPECT_EQ(BlueOf(corner), (99 * 102 + 0 * 153 + 127) >> 8);
}

TEST_F(SectionPainterTest, WithoutParentCacheATransparentPlainSectionTakesTheParentColour) {
  {
    const ColorScope fill(ParentFillColor, kParentFill);
    Paint(PaintOf("TINT"));
    EXPECT_TRUE(AllPixelsAre(target_, kWhole, kParentFill));  // filled, not mixed
  }
  // Nobody said what the parent's colour is: the section's own colour.
  target_.Fill(kBeneath);
  Paint(PaintOf("TINT"));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kColour));
  // An opaque section ignores the parent's colour.
  const ColorScope fill(ParentFillColor, kParentFill);
  Paint(PaintOf("PLAIN"));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kColour));
}

TEST_F(SectionPainterTest, AGradientShareIsMixedWithTheColourByThatPercent) {
  Bitmap24 gradient(12, 9);
  PaintGradient(gradient, kWhole, ParseGradientData("16777215;0;100;0;0"));
  ASSERT_NE(gradient.Pixel(0, 0), gradient.Pixel(0, 8));  // a real gradient
  Paint(PaintOf("GRADIENT"));
  EXPECT_TRUE(PixelsAre(
      target_, kWhole, [&](int x, int y) { return MixColors(gradient.Pixel(x, y), kColour, 60); }));
}

TEST_F(SectionPainterTest, WithoutShareTheSectionIsItsPlainColourOrTheOverride) {
  Paint(PaintOf("PLAIN"));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kColour));
  Paint(PaintOf("PLAIN"), kWhole, MakeColor(9, 8, 7));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, MakeColor(9, 8, 7)));
}

TEST_F(SectionPainterTest, TheHotStatePaintsNoTextureWithoutAHotShare) {
  Paint(PaintOf("HOTPLAIN", 1));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kHotColour));
  // The normal state has its share and shows its texture.
  Paint(PaintOf("HOTPLAIN", 0));
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) { return Tiled(x, y, kWhole); }));
}

TEST_F(SectionPainterTest, EveryStateButZeroTakesTheHotFields) {
  for (int state : {1, 2, 5}) {
    SCOPED_TRACE(state);
    Paint(OverParent("HOTFIELDS", state));  // hot transparency 40 over the hot colour
    EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) {
      return BlendColors(Behind(x, y, kWhole), kHotColour, 102);
    }));
    Paint(PaintOf("HOTGRADIENT", state));
    EXPECT_TRUE(AllPixelsAre(target_, kWhole, kGradientColour));
    Paint(PaintOf("HOTTEXTURE", state));
    EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) { return Tiled(x, y, kWhole, 20); }));
  }
  Paint(OverParent("HOTFIELDS"));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kColour));
  Paint(PaintOf("HOTGRADIENT"));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kColour));
  Paint(PaintOf("HOTTEXTURE"));
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) { return Tiled(x, y, kWhole); }));
}

TEST_F(SectionPainterTest, WhatTheTextureLeavesIsFilledWithTheColour) {
  // Mode 4: the texture stretched across the top, two rows high.
  Paint(PaintOf("STRIP"));
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) {
    return y < 2 ? PositionColor(10 + (2 * x + 1) * 3 / 24, 10 + y) : kColour;
  }));
}

TEST_F(SectionPainterTest, ATextureShareIsMixedWithTheColour) {
  Paint(PaintOf("HALFTEXTURE"));
  EXPECT_TRUE(PixelsAre(target_, kWhole,
                        [](int x, int y) { return MixColors(Tiled(x, y, kWhole), kColour, 50); }));
}

TEST_F(SectionPainterTest, AGradientOverATextureLeavesTheTextureItsShare) {
  // The texture keeps 40 % (alpha 102); the shares add up to 100: no colour.
  Paint(PaintOf("TEXTUREGRADIENT"));
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) {
    return BlendColors(Tiled(x, y, kWhole), kGradientColour, 102);
  }));
}

TEST_F(SectionPainterTest, AShareForAMissingTextureShowsTheColourNotWhatWasBeneath) {
  Paint(PaintOf("NOTEXTURE"));
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kColour));
  Paint(OverParent("NOTEXTUREGLASS"));
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) {
    return BlendColors(Behind(x, y, kWhole), kColour, 102);
  }));
}

TEST_F(SectionPainterTest, SharesAndTransparenciesBeyondTheirRangeCountAsTheNearestEnd) {
  Paint(OverParent("BELOWNONE"));  // opaque
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kColour));
  Paint(OverParent("BEYONDALL"));  // wholly transparent
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) { return Behind(x, y, kWhole); }));
  Paint(PaintOf("HUGESHARES"));  // the texture keeps all it can of the gradient over it
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) {
    return BlendColors(Tiled(x, y, kWhole), kGradientColour, 255);
  }));
  Paint(PaintOf("NEGATIVEGRADIENT"));  // no gradient: the texture's share alone
  EXPECT_TRUE(PixelsAre(target_, kWhole,
                        [](int x, int y) { return MixColors(Tiled(x, y, kWhole), kColour, 50); }));
}

TEST_F(SectionPainterTest, TheColourShareReachesOneColumnAndRowPastTheRectangle) {
  // The colour mix counts the rectangle's right and bottom edges as its own.
  Paint(PaintOf("HALFTEXTURE"), {1, 1, 6, 5});
  const TColor edge = MixColors(kBeneath, kColour, 50);
  EXPECT_EQ(target_.Pixel(6, 3), edge);
  EXPECT_EQ(target_.Pixel(3, 5), edge);
  EXPECT_EQ(target_.Pixel(7, 3), kBeneath);
  EXPECT_EQ(target_.Pixel(0, 3), kBeneath);
}

TEST_F(SectionPainterTest, TheNormalOverlayTextureShowsTheParentBehindTheControl) {
  const int overlay = skin_.Mask("OVERLAY", "PATTERN");
  SectionPaint paint = OverParent("OVERLAY");
  paint.PatternIndex = overlay;
  // 11 columns: three whole tiles and a cut one; 7 rows: three rows of tiles, and
  // the row below them shows the parent again.
  const TRect r{1, 1, 12, 8};
  Paint(paint, r);
  EXPECT_TRUE(PixelsAre(target_, r, [&](int x, int y) {
    const int tx = (x - r.Left) % 3;
    const int ty = (y - r.Top) % 2;
    if (y >= 7 || x >= 10 || (tx == 0 && ty == 0)) return Behind(x, y, r);
    return PositionColor(tx, 20 + ty);
  }));

  // The same texture named as the hot one is still the normal state's overlay.
  target_.Fill(kBeneath);
  paint.PatternIndex = -1;
  paint.HotPatternIndex = overlay;
  Paint(paint, r);
  EXPECT_EQ(target_.Pixel(2, 1), PositionColor(1, 20));

  // No overlay in the hot state.
  target_.Fill(kBeneath);
  paint.State = 1;
  Paint(paint, r);
  EXPECT_TRUE(AllPixelsAre(target_, r, kHotColour));
}

TEST_F(SectionPainterTest, TheSectionBorderShowsTheParentThroughItsCorners) {
  SectionPaint paint = OverParent("BORDERED");
  PaintSectionByIndex(paint, target_, kWhole, false);
  EXPECT_EQ(target_.Pixel(0, 0), Behind(0, 0, kWhole));  // magenta corner pixel
  EXPECT_EQ(target_.Pixel(1, 0), PositionColor(1, 30));
  EXPECT_EQ(target_.Pixel(11, 8), PositionColor(5, 35));
  EXPECT_TRUE(AllPixelsAre(target_, {2, 2, 10, 7}, kColour));  // no centre
  PaintSectionByIndex(paint, target_, kWhole, true);
  EXPECT_EQ(target_.Pixel(2, 2), PositionColor(2, 32));
}

TEST_F(SectionPainterTest, TheBorderOfAPartAwayFromTheOriginShowsTheParentReallyBehindIt) {
  // Parts of a control at (5, 3) in the parent: the whole of it, a second
  // track or button of a scroll bar, the arrow part of a drop-down button.
  const int frame = skin_.Mask("BORDERED", "BORDERSMASK");
  for (const TRect& part : {kWhole, TRect{3, 2, 11, 8}, TRect{6, 0, 12, 9}}) {
    SCOPED_TRACE(part.Left * 100 + part.Top);
    SectionPaint paint = OverParent("BORDERED");
    paint.Position = {5 + part.Left, 3 + part.Top};
    target_.Fill(kBeneath);
    PaintSectionByIndex(paint, target_, part, false);
    EXPECT_EQ(target_.Pixel(part.Left, part.Top), Behind(part.Left, part.Top, kWhole));
    target_.Fill(kBeneath);
    PaintSectionByIndexes(paint, frame, target_, part, false);
    EXPECT_EQ(target_.Pixel(part.Left, part.Top), Behind(part.Left, part.Top, kWhole));
  }
}

TEST_F(SectionPainterTest, GivenIndexesAreUsedAsGivenWithoutLookingAnythingUp) {
  const int frame = skin_.Mask("BORDERED", "BORDERSMASK");
  PaintSectionByIndexes(PaintOf("PLAIN"), frame, target_, kWhole, false);
  EXPECT_EQ(target_.Pixel(1, 1), PositionColor(1, 31));
  EXPECT_EQ(target_.Pixel(5, 5), kColour);

  // No index given: the section's own texture is not looked up.
  PaintSectionByIndexes(PaintOf("HOTPLAIN"), -1, target_, kWhole, false);
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kColour));
  SectionPaint textured = PaintOf("HOTPLAIN");
  textured.PatternIndex = skin_.Mask("HOTPLAIN", "PATTERN");
  PaintSectionByIndexes(textured, -1, target_, kWhole, false);
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) { return Tiled(x, y, kWhole); }));

  // Wholly transparent over a parent: the parent and nothing more, not even the border.
  PaintSectionByIndexes(OverParent("SEETHROUGH"), frame, target_, kWhole, true);
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) { return Behind(x, y, kWhole); }));
}

TEST_F(SectionPainterTest, NothingIsDrawnForAnInvalidSectionOrARectangleOutsideTheBitmap) {
  const int count = static_cast<int>(skin_.Manager().Sections().size());
  for (int index : {-1, count, count + 100}) {
    SectionPaint paint = PaintOf("PLAIN");
    paint.SectionIndex = index;
    Paint(paint);
    PaintSectionByIndex(paint, target_, kWhole, true);
    PaintSectionByIndexes(paint, skin_.Mask("BORDERED", "BORDERSMASK"), target_, kWhole, true);
  }
  for (const TRect& r :
       {TRect{-1, 0, 5, 5}, TRect{0, -1, 5, 5}, TRect{0, 0, 13, 5}, TRect{0, 0, 5, 10},
        TRect{20, 20, 30, 30}, TRect{4, 4, 4, 8}, TRect{6, 6, 2, 2}}) {
    Paint(PaintOf("PLAIN"), r);
    Paint(OverParent("SEETHROUGH"), r);
    PaintSectionByIndex(PaintOf("BORDERED"), target_, r, true);
    PaintSectionByIndexes(PaintOf("BORDERED"), skin_.Mask("BORDERED", "BORDERSMASK"), target_, r,
                          true);
  }
  EXPECT_TRUE(AllPixelsAre(target_, kWhole, kBeneath));
}

TEST_F(SectionPainterTest, AParentCacheSmallerThanTheControlGivesWhatItHas) {
  Bitmap24 small = PositionPicture(9, 6, kTag);
  SectionPaint paint = OverParent("SEETHROUGH");
  paint.Cache.Bitmap = &small;
  Paint(paint);  // the parent pixels behind columns 0..1 and rows 0..1 only
  EXPECT_TRUE(PixelsAre(target_, kWhole, [](int x, int y) {
    return x < 2 && y < 2 ? Behind(x, y, kWhole) : kBeneath;
  }));
}

}  // namespace
}  // namespace au
