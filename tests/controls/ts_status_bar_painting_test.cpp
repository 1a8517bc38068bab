// The skinned status bar under Wine: where its simple text goes and how a
// long one is cut, its size grip, the screen against its cache, and the
// rebuild of a bar that touches its parent's bottom edge.
#include "controls/ts_status_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/controls/painted_form.h"
#include "tests/support/bitmap_compare.h"

namespace au {
namespace {

using test::PumpMessages;
using test::ScreenShows;

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr int kBarWidth = 200;
constexpr int kBarHeight = 19;

using test::SamePixels;

// The box around every pixel of a picture for which `selected` is true;
// empty when there is none.
RECT BoundsWhere(const Bitmap24& picture, const std::function<bool(int, int)>& selected) {
  RECT box{picture.Width(), picture.Height(), 0, 0};
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      if (!selected(x, y)) continue;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
             std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
    }
  return box;
}

RECT BoundsOf(const Bitmap24& picture, TColor colour) {
  return BoundsWhere(picture, [&](int x, int y) { return picture.Pixel(x, y) == colour; });
}

class StatusBarPaintingTest : public test::PaintedFormTest {
 protected:
  // A white bar with red text, in simple-text mode, placed where it is put.
  TsStatusBar* AddBar(RECT bounds, const std::string& section = "WHITEBAR") {
    auto* bar = new TsStatusBar(form_.get());
    bar->SetAlign(TAlign::alNone);
    bar->SetParent(form_.get());
    bar->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    bar->SkinData().SetSkinSection(section);
    bar->SetSimplePanel(true);
    return bar;
  }

  void ActivateBarSections() {
    Activate({"[WHITEBAR]", "COLOR=" + std::to_string(kWhite), "FONTCOLOR=" + std::to_string(kRed),
              "[GLASSBAR]", "TRANSPARENCY=100", "FONTCOLOR=0"});
  }

  // What the bar's cache holds after showing `text`.
  Bitmap24 CacheShowing(TsStatusBar& bar, const std::string& text) {
    bar.SetSimpleText(text);
    bar.SkinData().BackgroundChanged = true;
    InvalidateRect(bar.Handle(), nullptr, FALSE);
    PumpMessages(30);
    return CacheOf(bar.SkinData());
  }
};

TEST_F(StatusBarPaintingTest, ALongSimpleTextIsCutWithAnEllipsisInsideItsLine) {
  ActivateBarSections();
  form_->SetBorderStyle(TFormBorderStyle::bsDialog);  // no grip in the corner
  TsStatusBar* bar = AddBar({0, 100, kBarWidth, kBarHeight});
  ShowAndPaint();

  const Bitmap24 shortText = CacheShowing(*bar, "File");
  const RECT box = BoundsOf(shortText, kRed);
  ASSERT_LT(box.left, box.right) << "no text was written";
  EXPECT_GE(box.left, 3);
  EXPECT_GE(box.top, 2);
  EXPECT_LE(box.bottom, kBarHeight - 3);

  const std::string longText(120, 'W');
  const Bitmap24 cut = CacheShowing(*bar, longText);
  const RECT cutBox = BoundsOf(cut, kRed);
  EXPECT_GE(cutBox.left, 3);
  EXPECT_LE(cutBox.right, kBarWidth - 6);
  // Cut, not clipped: the text runs to within about two letters of its end,
  // on one line.
  EXPECT_GT(cutBox.right, kBarWidth - 6 - 24);
  EXPECT_LE(cutBox.bottom - cutBox.top, box.bottom - box.top + 2);

  // Exactly the picture of some beginning of the text followed by "...".
  bool found = false;
  for (size_t kept = 1; kept < longText.size() && !found; ++kept)
    found = SamePixels(cut, CacheShowing(*bar, longText.substr(0, kept) + "..."));
  EXPECT_TRUE(found);
}

TEST_F(StatusBarPaintingTest, TheGripSitsInTheCornerOnlyWhenTheFormCanBeResized) {
  ActivateBarSections();
  TsStatusBar* bar = AddBar({0, 100, kBarWidth, kBarHeight});
  ShowAndPaint();
  ASSERT_EQ(form_->BorderStyle(), TFormBorderStyle::bsSizeable);
  const Bitmap24 withGrip = CacheShowing(*bar, "");

  form_->SetBorderStyle(TFormBorderStyle::bsDialog);
  PumpMessages(50);
  const Bitmap24 withoutGrip = CacheShowing(*bar, "");
  ASSERT_EQ(withoutGrip.Width(), kBarWidth);
  EXPECT_EQ(BoundsOf(withoutGrip, kWhite).right, kBarWidth);

  // The pictures differ only in the grip's place at the bottom-right corner.
  ASSERT_EQ(withGrip.Width(), kBarWidth);
  const RECT changed = BoundsWhere(
      withGrip, [&](int x, int y) { return withGrip.Pixel(x, y) != withoutGrip.Pixel(x, y); });
  ASSERT_LT(changed.left, changed.right) << "no grip was drawn";
  EXPECT_GT(changed.left, kBarWidth - 16);
  EXPECT_GT(changed.top, kBarHeight - 16);
  EXPECT_LE(changed.right, kBarWidth);
  EXPECT_LE(changed.bottom, kBarHeight);
}

TEST_F(StatusBarPaintingTest, TheScreenShowsTheCache) {
  ActivateBarSections();
  TsStatusBar* bar = AddBar({0, 100, kBarWidth, kBarHeight});
  bar->SetSimpleText("Файл: C:\\text.txt");
  ShowAndPaint();
  EXPECT_TRUE(ScreenShows(bar->Handle(), 0, 0, CacheOf(bar->SkinData())));
}

TEST_F(StatusBarPaintingTest, ABarOnTheBottomEdgeTakesItsParentsNewBackgroundAtEveryPaint) {
  ActivateBarSections();
  TsStatusBar* inside = AddBar({0, 100, kBarWidth, kBarHeight}, "GLASSBAR");
  TsStatusBar* bottom = AddBar({0, 0, kBarWidth, kBarHeight}, "GLASSBAR");
  bottom->SetAlign(TAlign::alBottom);
  ShowAndPaint();
  ASSERT_EQ(CacheOf(inside->SkinData()).Pixel(100, 1), test::kFormColour);
  ASSERT_EQ(CacheOf(bottom->SkinData()).Pixel(100, 1), test::kFormColour);

  // Neither bar is told that its background changed; only the one that
  // touches the edge of its parent rebuilds on its own.
  constexpr TColor kNewColour = MakeColor(10, 160, 90);
  form_->SetColor(kNewColour);
  inside->SkinData().BackgroundChanged = false;
  bottom->SkinData().BackgroundChanged = false;
  InvalidateRect(inside->Handle(), nullptr, FALSE);
  InvalidateRect(bottom->Handle(), nullptr, FALSE);
  PumpMessages(50);
  EXPECT_EQ(CacheOf(inside->SkinData()).Pixel(100, 1), test::kFormColour);
  EXPECT_EQ(CacheOf(bottom->SkinData()).Pixel(100, 1), kNewColour);
}

}  // namespace
}  // namespace au
