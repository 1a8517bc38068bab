// Texts in a section's font colours: the box the text is placed in, its
// contours, the hot, disabled and custom-font colours, clipping to the
// rectangle, and cutting a text to a width.
#include "paint/text_writers.h"

#include <gtest/gtest.h>

#include <string>

#include "controls/ts_speed_button.h"
#include "tests/controls/painted_form.h"
#include "ui/canvas.h"

namespace au {
namespace {

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kGreen = MakeColor(0, 255, 0);
constexpr TColor kBlue = MakeColor(0, 0, 255);

struct Columns {
  int First = -1;  // of any pixel that is not white
  int Last = -1;
};

Columns InkColumns(const Bitmap24& b) {
  Columns c;
  for (int x = 0; x < b.Width(); ++x)
    for (int y = 0; y < b.Height(); ++y)
      if (b.Pixel(x, y) != clWhite) {
        if (c.First < 0) c.First = x;
        c.Last = x;
        break;
      }
  return c;
}

int CountInColumn(const Bitmap24& b, int x, TColor colour) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y) n += b.Pixel(x, y) == colour ? 1 : 0;
  return n;
}

int Count(const Bitmap24& b, TColor colour) {
  int n = 0;
  for (int x = 0; x < b.Width(); ++x) n += CountInColumn(b, x, colour);
  return n;
}

class TextWriterTest : public test::PaintedFormTest {
 protected:
  TextWriterTest() {
    // Red text with a green contour on its right; blue when hot.
    Activate({"[TEXT]", "FONTCOLOR=255", "TCRIGHT=65280", "HOTFONTCOLOR=16711680"});
    owner_ = Add<TsSpeedButton>(form_.get(), {0, 0, 80, 22});
    owner_->SkinData().SetSkinSection("TEXT");
    target_.Fill(clWhite);
  }

  RECT Write(const std::string& text, bool enabled, bool hot, RECT r,
             UINT format = DT_LEFT | DT_SINGLELINE) {
    TBitmapCanvas canvas(target_);
    WriteControlText(canvas, text, enabled, hot, owner_->SkinData(), format, r);
    GdiFlush();
    return r;
  }

  TsSpeedButton* owner_ = nullptr;
  Bitmap24 target_{200, 60};
};

TEST_F(TextWriterTest, ASingleLineIsPlacedInItsOwnBoxAndTheRectangleComesBackGrown) {
  const RECT r = Write("Text", true, false, {20, 10, 180, 50}, DT_CENTER | DT_SINGLELINE);
  EXPECT_EQ(r.left, 19);
  EXPECT_EQ(r.top, 9);
  EXPECT_EQ(r.right, 181);
  EXPECT_EQ(r.bottom, 51);
  // Centred: as much room on either side.
  const Columns ink = InkColumns(target_);
  ASSERT_GE(ink.First, 0);
  EXPECT_NEAR(ink.First - 20, 180 - 1 - ink.Last, 3);

  // Word wrapping keeps the rectangle.
  const RECT wrapped = Write("Text", true, false, {20, 10, 180, 50}, DT_WORDBREAK);
  EXPECT_EQ(wrapped.left, 20);
  EXPECT_EQ(wrapped.bottom, 50);
}

TEST_F(TextWriterTest, TheContoursAreDrawnFirstAndTheTextOverThem) {
  Write("Text", true, false, {20, 10, 180, 50});
  const Columns ink = InkColumns(target_);
  ASSERT_GE(ink.First, 0);
  EXPECT_GT(Count(target_, kRed), 0);
  // The right contour sticks out one pixel right of the text; nothing on the left.
  EXPECT_GT(CountInColumn(target_, ink.Last, kGreen), 0);
  EXPECT_EQ(CountInColumn(target_, ink.Last, kRed), 0);
  EXPECT_EQ(CountInColumn(target_, ink.First, kGreen), 0);
}

TEST_F(TextWriterTest, HotDisabledAndCustomFontTextsTakeTheirOwnColours) {
  Write("Text", true, true, {20, 10, 180, 50});
  EXPECT_GT(Count(target_, kBlue), 0);
  EXPECT_EQ(Count(target_, kRed), 0);
  EXPECT_EQ(Count(target_, kGreen), 0);  // the hot state has no contour

  target_.Fill(clWhite);
  Write("Text", false, false, {20, 10, 180, 50});
  EXPECT_EQ(Count(target_, kRed), 0);
  EXPECT_GT(Count(target_, ResolveColor(SystemColor(COLOR_BTNSHADOW))), 0);

  target_.Fill(clWhite);
  owner_->Font().SetColor(MakeColor(0, 128, 0));
  owner_->SkinData().SetCustomFont(true);
  Write("Text", true, false, {20, 10, 180, 50});
  EXPECT_GT(Count(target_, MakeColor(0, 128, 0)), 0);
  EXPECT_EQ(Count(target_, kRed), 0);
  EXPECT_EQ(Count(target_, kGreen), 0);
}

TEST_F(TextWriterTest, NothingIsDrawnOutsideTheRectangle) {
  Write("A text much wider than its room", true, false, {50, 10, 70, 50});
  const Columns ink = InkColumns(target_);
  ASSERT_GE(ink.First, 0);
  EXPECT_GE(ink.First, 50);
  EXPECT_LT(ink.Last, 70);
}

TEST_F(TextWriterTest, ATextIsCutToFitItsWidthWithThreeDots) {
  TBitmapCanvas canvas(target_);
  const int threeAndDots = canvas.TextWidth("WWW...");
  const int fourAndDots = canvas.TextWidth("WWWW...");
  ASSERT_GT(fourAndDots, threeAndDots);
  ASSERT_GT(canvas.TextWidth("WWWWWW"), fourAndDots);
  EXPECT_EQ(EllipsizeText(canvas, "WWWWWW", threeAndDots), "WWW...");
  EXPECT_EQ(EllipsizeText(canvas, "WWWWWW", fourAndDots - 1), "WWW...");
  EXPECT_EQ(EllipsizeText(canvas, "WWWWWW", fourAndDots), "WWWW...");
  EXPECT_EQ(EllipsizeText(canvas, "WWWWWW", canvas.TextWidth("WWWWWW")), "WWWWWW");
  EXPECT_EQ(EllipsizeText(canvas, "WWWWWW", 0), "");
  EXPECT_EQ(EllipsizeText(canvas, "WWWWWW", -4), "");
  // Not even one letter and the dots fit: an empty rest has no dots.
  EXPECT_EQ(EllipsizeText(canvas, "WWWWWW", 1), "");
  // Letters of two bytes go whole.
  const std::string cyrillic = "\xD0\xB0\xD0\xB1\xD0\xB2\xD0\xB3\xD0\xB4\xD0\xB5";
  EXPECT_EQ(EllipsizeText(canvas, cyrillic, canvas.TextWidth(cyrillic.substr(0, 6) + "...")),
            cyrillic.substr(0, 6) + "...");
}

}  // namespace
}  // namespace au
