// Where a speed button puts its caption and glyph, worked out by hand for the
// main window's buttons and each glyph layout, and the rule that the glyph,
// the spacing and the caption follow one another without gap or overlap.
#include "controls/speed_button_layout.h"

#include <gtest/gtest.h>

namespace au {
namespace {

::testing::AssertionResult IsRect(const RECT& r, int left, int top, int right, int bottom) {
  if (r.left == left && r.top == top && r.right == right && r.bottom == bottom)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom
         << ") instead of (" << left << ", " << top << ", " << right << ", " << bottom << ")";
}

// A main-window button: 121 x 22, "ANSI > UTF-8", no glyph, Margin -1, Spacing 4.
SpeedButtonMeasures MainButton(int textWidth) {
  SpeedButtonMeasures m;
  m.Width = 121;
  m.Height = 22;
  m.TextWidth = textWidth;
  m.TextHeight = 13;
  m.HasCaption = true;
  return m;
}

// 16 x 16 glyph and a 40 x 13 caption.
SpeedButtonMeasures WithGlyph(int width, int height, TButtonLayout layout,
                              TAlignment alignment = TAlignment::taCenter) {
  SpeedButtonMeasures m;
  m.Width = width;
  m.Height = height;
  m.GlyphWidth = 16;
  m.GlyphHeight = 16;
  m.TextWidth = 40;
  m.TextHeight = 13;
  m.HasCaption = true;
  m.Layout = layout;
  m.Alignment = alignment;
  return m;
}

TEST(SpeedButtonLayout, TheMarginCountsOnlyWhenItIsSet) {
  EXPECT_EQ(MarginOffset(-1), 0);
  EXPECT_EQ(MarginOffset(-7), 0);
  EXPECT_EQ(MarginOffset(0), 3);
  EXPECT_EQ(MarginOffset(2), 5);
}

TEST(SpeedButtonLayout, TheCaptionOfAMainWindowButtonIsCentred) {
  for (int tw : {60, 61, 0, 121}) {
    SCOPED_TRACE(tw);
    SpeedButtonMeasures m = MainButton(tw);
    const int s = (121 - tw) / 2;
    EXPECT_TRUE(IsRect(CaptionRect(m), s - 1, 4, 121 - s + 2, 18));
    m.TextOffset = 3;
    EXPECT_TRUE(IsRect(CaptionRect(m), s - 1 + 3, 4, 121 - s + 2 + 3, 18));
  }
}

TEST(SpeedButtonLayout, APressMovesCaptionAndGlyphOnePixelRightAndDown) {
  for (TButtonLayout layout : {TButtonLayout::blGlyphLeft, TButtonLayout::blGlyphRight,
                               TButtonLayout::blGlyphTop, TButtonLayout::blGlyphBottom}) {
    SpeedButtonMeasures m = WithGlyph(100, 60, layout);
    const RECT caption = CaptionRect(m);
    const RECT glyph = GlyphRect(m);
    m.Pressed = true;
    const RECT pressedCaption = CaptionRect(m);
    const RECT pressedGlyph = GlyphRect(m);
    EXPECT_TRUE(IsRect(pressedCaption, caption.left + 1, caption.top + 1, caption.right + 1,
                       caption.bottom + 1));
    EXPECT_TRUE(
        IsRect(pressedGlyph, glyph.left + 1, glyph.top + 1, glyph.right + 1, glyph.bottom + 1));
  }
}

TEST(SpeedButtonLayout, GlyphBesideTheCaption) {
  // Left of it: glyph at (100 - 60) / 2 = 20, 4 pixels, the text from 40 to 80.
  SpeedButtonMeasures m = WithGlyph(100, 40, TButtonLayout::blGlyphLeft);
  EXPECT_TRUE(IsRect(GlyphRect(m), 20, 12, 36, 28));
  EXPECT_TRUE(IsRect(CaptionRect(m), 39, 13, 82, 27));
  m.Alignment = TAlignment::taRightJustify;
  EXPECT_TRUE(IsRect(GlyphRect(m), 40, 12, 56, 28));
  EXPECT_TRUE(IsRect(CaptionRect(m), 59, 13, 102, 27));
  m.Alignment = TAlignment::taLeftJustify;  // the caption starts after Margin itself (-1)
  EXPECT_TRUE(IsRect(GlyphRect(m), 0, 12, 16, 28));
  EXPECT_TRUE(IsRect(CaptionRect(m), 18, 13, 62, 27));

  // Right of it: the text from 20 to 60, 4 pixels, the glyph at 64.
  m = WithGlyph(100, 40, TButtonLayout::blGlyphRight);
  EXPECT_TRUE(IsRect(GlyphRect(m), 64, 12, 80, 28));
  EXPECT_TRUE(IsRect(CaptionRect(m), 19, 13, 62, 27));
  m.Alignment = TAlignment::taLeftJustify;  // the spacing is taken off the glyph's place
  EXPECT_TRUE(IsRect(GlyphRect(m), 40, 12, 56, 28));
  EXPECT_TRUE(IsRect(CaptionRect(m), -1, 13, 42, 27));
  m.Alignment = TAlignment::taRightJustify;
  EXPECT_TRUE(IsRect(GlyphRect(m), 84, 12, 100, 28));
  EXPECT_TRUE(IsRect(CaptionRect(m), 39, 13, 82, 27));
}

TEST(SpeedButtonLayout, GlyphAboveOrBelowTheCaption) {
  // 60 high: (60 - 16 - 4 - 13) / 2 = 13 above and below the block.
  SpeedButtonMeasures m = WithGlyph(60, 60, TButtonLayout::blGlyphTop);
  EXPECT_TRUE(IsRect(GlyphRect(m), 23, 13, 39, 29));
  EXPECT_TRUE(IsRect(CaptionRect(m), 9, 33, 52, 47));
  m.Layout = TButtonLayout::blGlyphBottom;
  EXPECT_TRUE(IsRect(GlyphRect(m), 23, 31, 39, 47));
  EXPECT_TRUE(IsRect(CaptionRect(m), 9, 13, 52, 27));
  // A margin changes nothing while the block is centred.
  m.Margin = 2;
  m.Layout = TButtonLayout::blGlyphTop;
  EXPECT_TRUE(IsRect(GlyphRect(m), 23, 13, 39, 29));
  EXPECT_TRUE(IsRect(CaptionRect(m), 9, 33, 52, 47));
}

TEST(SpeedButtonLayout, CentredGlyphSpacingAndCaptionFollowOneAnother) {
  for (int width = 40; width <= 140; width += 7)
    for (int glyph : {1, 8, 16, 23})
      for (int text : {1, 20, 33})
        for (int spacing : {0, 4, 9})
          for (int margin : {-1, 0, 3}) {
            SpeedButtonMeasures m = WithGlyph(width, 30, TButtonLayout::blGlyphLeft);
            m.GlyphWidth = glyph;
            m.TextWidth = text;
            m.Spacing = spacing;
            m.Margin = margin;
            const RECT g = GlyphRect(m);
            const RECT c = CaptionRect(m);
            // The caption rectangle starts one pixel before its text.
            ASSERT_EQ(g.right + spacing, c.left + 1)
                << width << " " << glyph << " " << text << " " << spacing << " " << margin;
            m.Layout = TButtonLayout::blGlyphRight;
            const RECT gr = GlyphRect(m);
            const RECT cr = CaptionRect(m);
            ASSERT_LE(cr.left + 1 + text + spacing, gr.left + 1)
                << width << " " << glyph << " " << text << " " << spacing << " " << margin;
            ASSERT_GE(cr.left + 1 + text + spacing, gr.left - 1)
                << width << " " << glyph << " " << text << " " << spacing << " " << margin;
          }
}

TEST(SpeedButtonLayout, TheDropDownArrowIsLeftOutOfTheCaptionsRoom) {
  SpeedButtonMeasures m = MainButton(60);
  m.Width = 137;
  m.ArrowWidth = 16;
  EXPECT_TRUE(IsRect(CaptionRect(m), 29, 4, 93, 18));  // as without the arrow
}

TEST(SpeedButtonLayout, TheCaptionMayWrapIntoTheWidthLeftByGlyphArrowAndMargins) {
  SpeedButtonMeasures m = MainButton(0);
  EXPECT_EQ(TextAreaWidth(m), 123);  // a margin of -1 widens it
  m.Margin = 2;
  m.GlyphWidth = 16;
  m.ArrowWidth = 16;
  EXPECT_EQ(TextAreaWidth(m), 121 - 16 - 4 - 16 - 4);
  m.HasCaption = false;
  EXPECT_EQ(TextAreaWidth(m), 0);
}

}  // namespace
}  // namespace au
