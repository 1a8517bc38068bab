// The skinned panel under Wine: its cache against the section painted by
// hand, the screen against its cache, the order in which a skin change reaches
// it and its children, and painting deferred while its background is not ready.
#include "controls/ts_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ts_memo.h"
#include "controls/ts_speed_button.h"
#include "paint/skin_messages.h"
#include "pixels/paint_gradient.h"
#include "skin/gradient_parser.h"
#include "tests/controls/painted_form.h"
#include "tests/paint/masks/mask_test_support.h"

namespace au {
namespace {

using test::PixelsAre;
using test::PumpMessages;
using test::ScreenShows;

constexpr char kWhiteToBlack[] = "16777215;0;100;0;0";
constexpr TColor kGlass = MakeColor(200, 100, 0);

std::uint8_t Blend(int destination, int source, int keep) {
  return static_cast<std::uint8_t>((destination * keep + source * (255 - keep) + 127) >> 8);
}

class PanelPaintingTest : public test::PaintedFormTest {
 protected:
  // An outer panel with a vertical gradient and, inside it, a panel through
  // which 40 % of the outer one shows.
  void MakePanels() {
    Activate({"[OUTER]", "COLOR=255", "GRADIENTPERCENT=100",
              std::string("GRADIENTDATA=") + kWhiteToBlack, "[INNER]",
              "COLOR=" + std::to_string(kGlass), "TRANSPARENCY=40"});
    outer_ = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
    outer_->SkinData().SetSkinSection("OUTER");
    inner_ = Add<TsPanel>(outer_, {20, 30, 100, 50});
    inner_->SkinData().SetSkinSection("INNER");
    ASSERT_TRUE(outer_->SkinData().IsSkinned());
    ASSERT_TRUE(inner_->SkinData().IsSkinned());
  }

  TsPanel* outer_ = nullptr;
  TsPanel* inner_ = nullptr;
};

TEST_F(PanelPaintingTest, TheCacheIsTheSectionPaintedByHandOverTheParentsCache) {
  MakePanels();
  ShowAndPaint();
  Bitmap24 gradient(300, 200);
  PaintGradient(gradient, {0, 0, 300, 200}, ParseGradientData(kWhiteToBlack));
  const Bitmap24 outer = CacheOf(outer_->SkinData());
  EXPECT_TRUE(
      PixelsAre(outer, {0, 0, 300, 200}, [&](int x, int y) { return gradient.Pixel(x, y); }));

  // 40 % of the outer panel behind it (alpha 102) under the inner one's colour.
  const Bitmap24 inner = CacheOf(inner_->SkinData());
  ASSERT_EQ(inner.Width(), 100);
  EXPECT_TRUE(PixelsAre(inner, {0, 0, 100, 50}, [&](int x, int y) {
    const TColor behind = outer.Pixel(20 + x, 30 + y);
    return MakeColor(Blend(RedOf(behind), RedOf(kGlass), 102),
                     Blend(GreenOf(behind), GreenOf(kGlass), 102),
                     Blend(BlueOf(behind), BlueOf(kGlass), 102));
  }));
}

TEST_F(PanelPaintingTest, TheScreenShowsTheCache) {
  MakePanels();
  ShowAndPaint();
  const Bitmap24 outer = CacheOf(outer_->SkinData());
  const Bitmap24 inner = CacheOf(inner_->SkinData());
  // Every third pixel of the outer panel outside the inner one, every pixel of the inner one.
  EXPECT_TRUE(ScreenShows(outer_->Handle(), 0, 0, outer, [](int x, int y) {
    return x % 3 != 0 || y % 3 != 0 || (x >= 20 && x < 120 && y >= 30 && y < 80);
  }));
  EXPECT_TRUE(ScreenShows(inner_->Handle(), 0, 0, inner));
}

TEST_F(PanelPaintingTest, ACaptionIsWrittenInTheSectionsFontColourInTheMiddle) {
  Activate({"[CAPTIONED]", "COLOR=16777215", "FONTCOLOR=255"});
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  panel->SkinData().SetSkinSection("CAPTIONED");
  panel->SetCaption("Wide Caption");
  ShowAndPaint();
  const Bitmap24 cache = CacheOf(panel->SkinData());
  int red = 0;
  int outside = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      if (cache.Pixel(x, y) != MakeColor(255, 0, 0)) continue;
      ++red;
      if (y < 80 || y > 120 || x < 80 || x > 220) ++outside;
    }
  EXPECT_GT(red, 20);
  EXPECT_EQ(outside, 0);
}

// Records, for every SK_SKINCHANGED that reaches a control, what the panel's
// own skin state was at that moment.
struct PanelStateAtSkinChange {
  int SectionIndex = 0;
  bool Updating = false;
};

TEST_F(PanelPaintingTest, ASkinChangeReachesTheChildrenBeforeThePanelResolvesItsSection) {
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* memo = Add<TsMemo>(panel, {10, 40, 200, 80});
  auto* button = Add<TsSpeedButton>(panel, {10, 10, 80, 22});
  Activate();
  ASSERT_FALSE(panel->SkinData().Updating);
  panel->SkinData().SkinSectionIndex = -1;  // as before any skin was resolved

  std::vector<PanelStateAtSkinChange> seen;
  std::vector<TWndMethod> next;
  for (TControl* child : {static_cast<TControl*>(memo), static_cast<TControl*>(button)}) {
    next.push_back(child->WindowProc);
    child->WindowProc = [&seen, &panel, original = next.back()](TMessage& m) {
      if (m.Msg == SM_ALPHACMD && SkinCommandOf(m) == SK_SKINCHANGED)
        seen.push_back({panel->SkinData().SkinSectionIndex, panel->SkinData().Updating});
      original(m);
    };
  }
  TMessage changed = SkinCommandMessage(SK_SKINCHANGED, 0, reinterpret_cast<LPARAM>(manager_));
  panel->WindowProc(changed);
  ASSERT_EQ(seen.size(), 2u);
  for (const PanelStateAtSkinChange& state : seen) {
    EXPECT_EQ(state.SectionIndex, -1);
    EXPECT_FALSE(state.Updating);
  }
  EXPECT_EQ(panel->SkinData().SkinSectionIndex, manager_->SectionIndex("PANEL"));
  EXPECT_TRUE(panel->SkinData().Updating);
  memo->WindowProc = next[0];
  button->WindowProc = next[1];
}

TEST_F(PanelPaintingTest, WhileUpdatingNothingIsPaintedUntilTheParentHasPainted) {
  MakePanels();
  ShowAndPaint();
  int rebuilt = 0;
  inner_->OnPaint = [&](TComponent*, TCanvas&) { ++rebuilt; };

  inner_->SkinData().Updating = true;
  inner_->SkinData().BackgroundChanged = true;
  RedrawWindow(inner_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  EXPECT_EQ(rebuilt, 0);
  EXPECT_TRUE(inner_->SkinData().BackgroundChanged);

  // The parent paints only itself and then tells its windowed children.
  RedrawWindow(outer_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  EXPECT_EQ(rebuilt, 1);
  EXPECT_FALSE(inner_->SkinData().Updating);
  EXPECT_FALSE(inner_->SkinData().BackgroundChanged);

  // The same when the parent's message comes on its own.
  inner_->SkinData().Updating = true;
  inner_->SkinData().BackgroundChanged = true;
  RedrawWindow(inner_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(rebuilt, 1);
  inner_->Perform(SM_ALPHACMD, SkinCommandParam(SK_PARENTPAINTED), 0);
  PumpMessages();
  EXPECT_EQ(rebuilt, 2);
}

}  // namespace
}  // namespace au
