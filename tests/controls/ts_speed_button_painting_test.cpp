// The skinned speed button under Wine: its normal, hot, pressed and disabled
// pictures, where the press puts the caption and glyph, its clamped and
// width-changing properties, and what reaches the screen.
#include "controls/ts_speed_button.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/ts_panel.h"
#include "paint/masks/state_images.h"
#include "tests/controls/painted_form.h"
#include "tests/paint/masks/mask_test_support.h"
#include "tests/support/bitmap_compare.h"

namespace au {
namespace {

using test::PixelsAre;
using test::PumpMessages;
using test::ScreenShows;
using test::SendMouse;

constexpr TColor kGlyphColour = MakeColor(220, 20, 20);

// Long enough for a state fade of the internal skin to end.
constexpr int kSettle = 500;

using test::SamePixels;

int CountPixels(const Bitmap24& b, TColor colour) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == colour ? 1 : 0;
  return n;
}

// A glyph of `images` images of 8 x 8 in one colour; its bottom-left pixel,
// which names the transparent colour, is magenta.
Bitmap24 Glyph(int images) {
  Bitmap24 b(8 * images, 8);
  b.Fill(kGlyphColour);
  b.SetPixel(0, 7, clMagenta);
  return b;
}

class SpeedButtonPaintingTest : public test::PaintedFormTest {
 protected:
  // The main window's buttons: "BARTITLE" on the panel's gradient. "FLAT" is
  // white with black text in every state and without border, so that the
  // caption and the glyph are the only pixels that are not white.
  void MakeButton(const std::string& section = "BARTITLE",
                  const std::string& caption = "ANSI > UTF-8") {
    Activate({"[FLAT]", "COLOR=16777215", "HOTCOLOR=16777215", "FONTCOLOR=0", "HOTFONTCOLOR=0"});
    panel_ = Add<TsPanel>(form_.get(), {0, 0, 400, 300});
    button_ = Add<TsSpeedButton>(panel_, {40, 50, 121, 22});
    button_->SkinData().SetSkinSection(section);
    button_->SetCaption(caption);
    ASSERT_TRUE(button_->SkinData().IsSkinned());
  }

  Bitmap24 Cache() { return CacheOf(button_->SkinData()); }

  void Hover() {
    test::MoveMouseTo(*button_, 5, 5);
    PumpMessages(kSettle);
  }
  void Press() {
    SendMouse(*button_, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    PumpMessages(kSettle);
  }
  void Release() {
    SendMouse(*button_, WM_LBUTTONUP, 5, 5);
    PumpMessages(kSettle);
  }

  // `moved` is `picture` moved one pixel right and down over white.
  static ::testing::AssertionResult MovedRightAndDown(const Bitmap24& picture,
                                                      const Bitmap24& moved) {
    if (CountPixels(picture, clWhite) == picture.Width() * picture.Height())
      return ::testing::AssertionFailure() << "nothing drawn";
    return PixelsAre(moved, {0, 0, moved.Width(), moved.Height()}, [&](int x, int y) {
      return x >= 1 && y >= 1 ? picture.Pixel(x - 1, y - 1) : clWhite;
    });
  }

  TsPanel* panel_ = nullptr;
  TsSpeedButton* button_ = nullptr;
};

TEST_F(SpeedButtonPaintingTest, NormalHotAndPressedPicturesDiffer) {
  MakeButton();
  ShowAndPaint();
  const Bitmap24 normal = Cache();
  Hover();
  EXPECT_TRUE(button_->SkinData().IsHotState());
  const Bitmap24 hot = Cache();
  Press();
  EXPECT_EQ(button_->CurrentState(), 2);
  const Bitmap24 pressed = Cache();
  Release();
  EXPECT_FALSE(SamePixels(normal, hot));
  EXPECT_FALSE(SamePixels(hot, pressed));
  EXPECT_FALSE(SamePixels(normal, pressed));
  // Released under the mouse: hot again.
  EXPECT_TRUE(SamePixels(Cache(), hot));
}

TEST_F(SpeedButtonPaintingTest, APressMovesTheCaptionOnePixelRightAndDown) {
  MakeButton("FLAT");
  ShowAndPaint();
  Hover();
  const Bitmap24 hot = Cache();
  Press();
  EXPECT_TRUE(MovedRightAndDown(hot, Cache()));
  Release();
}

TEST_F(SpeedButtonPaintingTest, APressMovesTheGlyphOnePixelRightAndDown) {
  MakeButton("FLAT", "");
  button_->SetGlyph(Glyph(1));
  ShowAndPaint();
  Hover();
  const Bitmap24 hot = Cache();
  EXPECT_EQ(CountPixels(hot, kGlyphColour), 63);  // all but the transparent pixel
  Press();
  EXPECT_TRUE(MovedRightAndDown(hot, Cache()));
  Release();
}

TEST_F(SpeedButtonPaintingTest, ThreeGlyphImagesOrMoreDrawNoGlyph) {
  MakeButton("FLAT", "");
  button_->SetGlyph(Glyph(3));
  button_->SetNumGlyphs(3);
  ShowAndPaint();
  EXPECT_EQ(CountPixels(Cache(), kGlyphColour), 0);
  button_->SetNumGlyphs(4);
  PumpMessages();
  EXPECT_EQ(CountPixels(Cache(), kGlyphColour), 0);
  // One image of the whole width is drawn.
  button_->SetNumGlyphs(1);
  PumpMessages();
  EXPECT_EQ(CountPixels(Cache(), kGlyphColour), 24 * 8 - 1);
}

TEST_F(SpeedButtonPaintingTest, BlendIsKeptWithinAPercent) {
  MakeButton();
  button_->SetBlend(150);
  EXPECT_EQ(button_->Blend(), 100);
  button_->SetBlend(-5);
  EXPECT_EQ(button_->Blend(), 0);
  button_->SetBlend(40);
  EXPECT_EQ(button_->Blend(), 40);
}

TEST_F(SpeedButtonPaintingTest, TheDropDownStyleTakesSixteenPixelsAndGivesThemBack) {
  MakeButton();
  button_->SetButtonStyle(TButtonStyle::tbsDropDown);
  EXPECT_EQ(button_->Width(), 137);
  button_->SetButtonStyle(TButtonStyle::tbsDropDown);  // unchanged: no second widening
  EXPECT_EQ(button_->Width(), 137);
  button_->SetButtonStyle(TButtonStyle::tbsButton);
  EXPECT_EQ(button_->Width(), 121);
  button_->SetButtonStyle(TButtonStyle::tbsCheck);
  EXPECT_EQ(button_->Width(), 121);
  button_->SetButtonStyle(TButtonStyle::tbsDropDown);
  button_->SetButtonStyle(TButtonStyle::tbsCheck);
  EXPECT_EQ(button_->Width(), 121);
}

TEST_F(SpeedButtonPaintingTest, ADisabledButtonIsItsPictureFadedIntoThePanel) {
  MakeButton();
  ShowAndPaint();
  const Bitmap24 normal = Cache();
  button_->SetEnabled(false);
  PumpMessages(kSettle);
  const Bitmap24 disabled = Cache();
  const Bitmap24 panel = CacheOf(panel_->SkinData());
  // The corners of the border are drawn again over the faded picture.
  const TsMaskData& border =
      manager_->Masks()[static_cast<size_t>(button_->SkinData().BordersMaskIndex)];
  const auto inCorner = [&](int x, int y) {
    const bool left = x < border.WL;
    const bool right = x >= 121 - border.WR;
    const bool top = y < border.WT;
    const bool bottom = y >= 22 - border.WB;
    return (left || right) && (top || bottom);
  };
  int compared = 0;
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 121; ++x) {
      if (inCorner(x, y)) continue;
      // The button keeps 40 % of its picture, the panel behind it gives 60 %.
      const TColor p = panel.Pixel(40 + x, 50 + y);
      const TColor e = normal.Pixel(x, y);
      const auto mix = [](int s, int d) { return (6 * s + 4 * d + 5) / 10; };
      const TColor want = MakeColor(mix(RedOf(p), RedOf(e)), mix(GreenOf(p), GreenOf(e)),
                                    mix(BlueOf(p), BlueOf(e)));
      EXPECT_EQ(disabled.Pixel(x, y), want) << x << ", " << y;
      if (disabled.Pixel(x, y) != want) return;
      ++compared;
    }
  EXPECT_GT(compared, 121 * 22 / 2);
}

TEST_F(SpeedButtonPaintingTest, EachStateWritesTheCaptionInTheColoursOfItsRecord) {
  MakeButton();  // "BARTITLE", as on the main window
  const TsGeneralData& s = *button_->SkinData().Section();
  // The main colour and the right and bottom contours of each state.
  const std::vector<TColor> normal{s.FontColor[0], s.FontColor[3], s.FontColor[4]};
  const std::vector<TColor> hot{s.HotFontColor[0], s.HotFontColor[3], s.HotFontColor[4]};
  const std::vector<TColor> normalContours{s.FontColor[3], s.FontColor[4]};
  const std::vector<TColor> hotContours{s.HotFontColor[3], s.HotFontColor[4]};
  ShowAndPaint();
  const Bitmap24 normalLook = Cache();
  Hover();
  const Bitmap24 hotLook = Cache();
  Press();
  const Bitmap24 pressedLook = Cache();
  Release();
  SetCursorPos(1200, 1000);
  button_->SetEnabled(false);
  PumpMessages(kSettle);
  const Bitmap24 disabledLook = Cache();

  const struct {
    const char* State;
    const Bitmap24& Look;
    std::vector<TColor> Shown;
    std::vector<TColor> NotShown;
  } rows[] = {
      {"normal", normalLook, normal, hotContours},
      {"hot", hotLook, hot, normalContours},
      {"pressed", pressedLook, hot, normalContours},
      // Written as normal, then faded into the panel with the whole button.
      {"disabled", disabledLook, {}, {s.FontColor[0], s.FontColor[3], s.FontColor[4]}},
  };
  for (const auto& row : rows) {
    for (const TColor c : row.Shown)
      EXPECT_GT(CountPixels(row.Look, c), 3) << row.State << " " << c;
    for (const TColor c : row.NotShown)
      EXPECT_EQ(CountPixels(row.Look, c), 0) << row.State << " " << c;
  }
}

TEST_F(SpeedButtonPaintingTest, AMovedOrResizedButtonPaintsItselfAnewForItsNewPlace) {
  MakeButton();
  ShowAndPaint();
  for (const RECT& bounds : {RECT{60, 80, 121, 22}, RECT{60, 80, 150, 30}, RECT{10, 120, 90, 26}}) {
    SCOPED_TRACE(bounds.right);
    button_->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    PumpMessages(kSettle);
    const Bitmap24 moved = Cache();
    EXPECT_EQ(moved.Width(), bounds.right);
    EXPECT_EQ(moved.Height(), bounds.bottom);
    EXPECT_TRUE(ScreenShows(panel_->Handle(), bounds.left, bounds.top, moved));
    // What the button paints when told to paint itself anew there.
    button_->SkinData().BackgroundChanged = true;
    button_->Invalidate();
    PumpMessages(kSettle);
    EXPECT_TRUE(SamePixels(moved, Cache()));
  }
}

TEST_F(SpeedButtonPaintingTest, TheScreenShowsTheCacheInEveryState) {
  MakeButton();
  ShowAndPaint();
  EXPECT_TRUE(ScreenShows(panel_->Handle(), 40, 50, Cache()));
  Hover();
  EXPECT_TRUE(ScreenShows(panel_->Handle(), 40, 50, Cache()));
  Press();
  EXPECT_TRUE(ScreenShows(panel_->Handle(), 40, 50, Cache()));
  Release();
  button_->SetEnabled(false);
  PumpMessages(kSettle);
  EXPECT_TRUE(ScreenShows(panel_->Handle(), 40, 50, Cache()));
}

// Every paint redraws the border's corners over the cache so that they show
// the parent behind their transparent pixels. Whatever the kind of border
// (weighted with one or three states, keyed with three), the corners stay
// those of the state the button shows, and painting again changes nothing:
// neither the button nor the panel behind it.
class SpeedButtonCornersTest : public SpeedButtonPaintingTest,
                               public testing::WithParamInterface<const char*> {};

TEST_P(SpeedButtonCornersTest, RepaintsKeepTheCornersOfTheStateShown) {
  MakeButton(GetParam());
  const TsMaskData& border =
      manager_->Masks()[static_cast<size_t>(button_->SkinData().BordersMaskIndex)];
  ShowAndPaint();
  const std::function<void()> toState[] = {[] {}, [&] { Hover(); }, [&] { Press(); }};
  for (int state = 0; state < 3; ++state) {
    SCOPED_TRACE(state);
    toState[state]();
    ASSERT_EQ(button_->CurrentState(), state);
    const Bitmap24 shown = Cache();
    const Bitmap24 panel = CacheOf(panel_->SkinData());
    for (int repaint = 0; repaint < 2; ++repaint) {
      button_->Invalidate();
      PumpMessages(50);
      EXPECT_TRUE(SamePixels(Cache(), shown)) << "repaint " << repaint;
      EXPECT_TRUE(SamePixels(CacheOf(panel_->SkinData()), panel)) << "repaint " << repaint;
    }
    if (border.MaskType != 0) continue;
    // A keyed corner is the state's image itself where it is not magenta.
    const std::optional<StateImage> image = StateImageOf(border, state);
    ASSERT_TRUE(image);
    EXPECT_TRUE(PixelsAre(shown, {0, 0, border.WL, border.WT}, [&](int x, int y) {
      const TColor own = image->Picture->Pixel(static_cast<int>(image->Left) + x,
                                               static_cast<int>(image->Top) + y);
      return own == clMagenta ? shown.Pixel(x, y) : own;
    }));
  }
  Release();
}

INSTANTIATE_TEST_SUITE_P(Borders, SpeedButtonCornersTest,
                         testing::Values("BARTITLE", "SPEEDBUTTON", "SCROLLBTNTOP"));

}  // namespace
}  // namespace au

namespace au {
namespace {

// The columns in which a colour appears.
std::pair<int, int> ColumnsOf(const Bitmap24& b, TColor colour) {
  int first = b.Width();
  int last = -1;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) != colour) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return {first, last};
}

class SpeedButtonPartsTest : public test::PaintedFormTest {};

TEST_F(SpeedButtonPartsTest, AGlyphBesideACaptionSitsLeftOfTheText) {
  Activate({"[FLAT]", "COLOR=16777215", "HOTCOLOR=16777215", "FONTCOLOR=0", "HOTFONTCOLOR=0"});
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 400, 300});
  auto* button = Add<TsSpeedButton>(panel, {40, 50, 121, 22});
  button->SkinData().SetSkinSection("FLAT");
  button->SetCaption("Overwrite");
  Bitmap24 glyph(8, 8);
  glyph.Fill(MakeColor(220, 20, 20));
  glyph.SetPixel(0, 7, clMagenta);
  button->SetGlyph(std::move(glyph));
  ShowAndPaint();
  const Bitmap24 cache = CacheOf(button->SkinData());
  const auto [glyphLeft, glyphRight] = ColumnsOf(cache, MakeColor(220, 20, 20));
  const auto [textLeft, textRight] = ColumnsOf(cache, clBlack);
  ASSERT_LE(glyphLeft, glyphRight);
  ASSERT_LE(textLeft, textRight);
  // Glyph, spacing, caption: the glyph ends before the text begins.
  EXPECT_LT(glyphRight, textLeft);
}

TEST_F(SpeedButtonPartsTest, TheDropDownArrowPartIsPaintedAroundItsArrow) {
  Activate();
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 400, 300});
  auto* button = Add<TsSpeedButton>(panel, {40, 50, 121, 22});
  button->SkinData().SetSkinSection("BARTITLE");
  button->SetCaption("Menu");
  button->SetButtonStyle(TButtonStyle::tbsDropDown);
  ShowAndPaint();
  const Bitmap24 cache = CacheOf(button->SkinData());
  const int arrow = manager_->Indexes().ScrollBtnBottomGlyph;
  ASSERT_GE(arrow, 0);
  const TsMaskData& mask = manager_->Masks()[static_cast<size_t>(arrow)];
  const int gw = mask.Rect.Width() / mask.ImageCount;
  const int gh = mask.Rect.Height() / (mask.MaskType + 1);
  const RECT glyph{(16 - gw) / 2 + cache.Width() - 16 + 1, (cache.Height() - gh) / 2, 0, 0};
  // A fresh cache is black; the part must be painted from the section
  // everywhere but where the arrow itself is drawn.
  int black = 0;
  for (int y = 0; y < cache.Height(); ++y) {
    for (int x = cache.Width() - 16; x < cache.Width(); ++x) {
      const bool inGlyph =
          x >= glyph.left && x < glyph.left + gw && y >= glyph.top && y < glyph.top + gh;
      if (!inGlyph && cache.Pixel(x, y) == clBlack) ++black;
    }
  }
  EXPECT_EQ(black, 0);
}

}  // namespace
}  // namespace au
