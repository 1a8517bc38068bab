// Fades that copy their frames straight to a control's window, under Wine:
// a probe control in section BARTITLE paints one plain colour per state, is
// offered every frame, and may draw it itself or fail. The fade is moved on
// with timer messages sent by the test.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "controls/skinned_control.h"
#include "controls/ts_panel.h"
#include "paint/fade_timer.h"
#include "pixels/bitmap_blend.h"
#include "skin/elegant_skin.h"
#include "skin/skin_manager.h"
#include "tests/support/gui_driver.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui/wide_text.h"

namespace au {
namespace {

using test::PumpMessages;
using test::ScreenPixel;

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kGreen = MakeColor(0, 255, 0);
constexpr TColor kBlue = MakeColor(0, 0, 255);

class WindowFadeProbe : public TsSkinnedControl<TGraphicControl, 92, "WindowFadeProbe">,
                        public TsFadingControl {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  TColor Look = kRed;  // the colour of the present state
  bool DrawsFrames = false;
  bool FailsFrames = false;
  int Prepares = 0;
  int Stops = 0;
  int Repaints = 0;
  std::vector<Bitmap24> Offered;
  std::unique_ptr<TsFadeTimer> Timer;

  TsCommonData& FadingState() override { return skinData_; }
  int PaintStateToCache() override {
    skinData_.PrepareCacheBitmap();
    skinData_.CacheBitmap->Fill(Look);
    skinData_.BackgroundChanged = false;
    return 0;
  }
  void RepaintState() override {
    ++Repaints;
    if (skinData_.BackgroundChanged) PaintStateToCache();
    Repaint();
  }

  void WndProc(TMessage& m) override {
    if (m.Msg == SM_ALPHACMD) {
      switch (SkinCommandOf(m)) {
        case SK_FADEPREPARE:
          ++Prepares;
          PaintStateToCache();
          return;
        case SK_FADEFRAME:
          if (FailsFrames) throw std::runtime_error("The frame could not be drawn.");
          Offered.push_back(reinterpret_cast<const Bitmap24*>(m.LParam)->Clone());
          m.Result = DrawsFrames ? 1 : 0;
          return;
        case SK_STOPFADING:
          ++Stops;
          StopFadeThroughWindow(Timer);
          return;
        default:
          break;
      }
    }
    TsSkinnedControl::WndProc(m);
  }

 protected:
  void Paint() override {
    if (skinData_.CacheBitmap) Canvas().Draw(0, 0, *skinData_.CacheBitmap);
  }
};

void Tick(const TTimer* timer) {
  SendMessageW(Application()->Handle(), WM_TIMER, reinterpret_cast<WPARAM>(timer), 0);
}

class WindowFadeTest : public testing::Test {
 protected:
  WindowFadeTest() : form_(Application()->CreateForm<TForm>()) {
    form_->SetBorderStyle(TFormBorderStyle::bsDialog);
    form_->SetClientSize(300, 150);
    manager_ = new TsSkinManager(form_.get());
    manager_->SetInternalSkins({ElegantInternalSkin()});
    manager_->SetSkinName(kElegantSkinName);
    panel_ = new TsPanel(form_.get());
    panel_->SetParent(form_.get());
    panel_->SetBounds(0, 0, 300, 150);
    probe_ = new WindowFadeProbe(form_.get());
    probe_->SetParent(panel_);
    probe_->SetBounds(50, 40, 60, 20);
    probe_->SkinData().SetSkinSection("BARTITLE");
    probe_->PaintStateToCache();
    form_->Show();
    PumpMessages(50);
  }

  // Turns the probe blue through a fade, as its owner would on a state change.
  void FadeToBlue(bool fast) {
    probe_->Look = kBlue;
    ChangeStateWithWindowFade(*probe_, probe_->Timer, fast, true, fmFadeIn);
  }
  TColor Shown() const { return ScreenPixel(panel_->Handle(), 55, 45); }

  std::unique_ptr<TForm> form_;
  TsSkinManager* manager_ = nullptr;
  TsPanel* panel_ = nullptr;
  WindowFadeProbe* probe_ = nullptr;
};

TEST_F(WindowFadeTest, FramesGoToTheWindowUntilTheFadeStops) {
  ASSERT_EQ(Shown(), kRed);
  FadeToBlue(false);
  const TsFadeTimer* timer = probe_->Timer.get();
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(probe_->Prepares, 1);
  EXPECT_EQ(timer->FadeMode(), fmFadeIn);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->StepCount, 20);
  EXPECT_EQ(timer->CurrentStep, 1);
  EXPECT_EQ(timer->StartPicture.Pixel(0, 0), kRed);
  EXPECT_EQ(Shown(), kRed);  // nothing is shown before the first tick

  Tick(timer);
  ASSERT_EQ(probe_->Offered.size(), 1u);
  Bitmap24 first = timer->StartPicture.Clone();
  BlendWholeBitmaps(first, *probe_->SkinData().CacheBitmap, 243);
  EXPECT_EQ(probe_->Offered[0].Pixel(3, 3), first.Pixel(3, 3));
  EXPECT_EQ(Shown(), first.Pixel(3, 3));
  for (int i = 1; i < 20; ++i) Tick(timer);
  ASSERT_EQ(probe_->Offered.size(), 20u);
  EXPECT_EQ(probe_->Offered.back().Pixel(0, 0), kBlue);
  EXPECT_EQ(Shown(), kBlue);
  EXPECT_EQ(probe_->Stops, 0);

  Tick(timer);
  EXPECT_EQ(probe_->Stops, 1);
  EXPECT_EQ(probe_->Timer, nullptr);
}

TEST_F(WindowFadeTest, AControlThatDrawsItsFramesKeepsTheWindowToItselfAndAPressFadesFaster) {
  probe_->DrawsFrames = true;
  FadeToBlue(true);
  ASSERT_NE(probe_->Timer, nullptr);
  EXPECT_EQ(probe_->Timer->StepCount, 10);
  for (int i = 0; i < 10; ++i) Tick(probe_->Timer.get());
  EXPECT_EQ(probe_->Offered.size(), 10u);
  EXPECT_EQ(Shown(), kRed);
}

TEST_F(WindowFadeTest, AFailingFrameIsReportedOnceAndTheFadeGoesOn) {
  probe_->FailsFrames = true;
  FadeToBlue(false);
  ASSERT_NE(probe_->Timer, nullptr);
  {
    test::MessageBoxCatcher catcher;
    // The report is modal: the ticks that arrive while it is open are left alone.
    Tick(probe_->Timer.get());
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].Text, L"The frame could not be drawn.");
    EXPECT_EQ(catcher.Boxes()[0].Caption, Widen(Application()->Title()));
  }
  ASSERT_NE(probe_->Timer, nullptr);
  EXPECT_EQ(probe_->Timer->CurrentStep, 2);
  EXPECT_TRUE(probe_->Timer->Enabled());
  probe_->FailsFrames = false;
  Tick(probe_->Timer.get());
  EXPECT_EQ(probe_->Offered.size(), 1u);
}

TEST_F(WindowFadeTest, WithoutFadingTheControlRepaintsAtOnceAndARunningFadeEnds) {
  FadeToBlue(false);
  ASSERT_NE(probe_->Timer, nullptr);
  probe_->Look = kGreen;
  ChangeStateWithWindowFade(*probe_, probe_->Timer, false, false, fmFadeOut);
  EXPECT_EQ(probe_->Timer, nullptr);
  EXPECT_EQ(probe_->Repaints, 1);
  EXPECT_EQ(Shown(), kGreen);

  probe_->SkinData().SetSkinSection("EDIT");  // a section that does not fade
  probe_->Look = kBlue;
  ChangeStateWithWindowFade(*probe_, probe_->Timer, false, true, fmFadeIn);
  EXPECT_EQ(probe_->Timer, nullptr);
  EXPECT_EQ(probe_->Prepares, 1);
  EXPECT_EQ(probe_->Repaints, 2);
  EXPECT_EQ(Shown(), kBlue);
}

}  // namespace
}  // namespace au
