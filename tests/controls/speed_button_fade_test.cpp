// The speed button's fades between its looks, under Wine with the internal
// skin: which state changes fade, what each frame shows, how a fade ends, is
// turned round or cut short, and what is on screen afterwards. Frames are
// counted, never timed: a fade runs on real timer messages until it ends, or
// is moved on step by step with timer messages sent by the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "controls/ts_panel.h"
#include "controls/ts_speed_button.h"
#include "paint/fade_frame.h"
#include "paint/skin_messages.h"
#include "pixels/bitmap_blend.h"
#include "pixels/copy_bitmap_rect.h"
#include "skin/elegant_skin.h"
#include "skin/skin_globals.h"
#include "skin/skin_manager.h"
#include "tests/support/bitmap_compare.h"
#include "tests/support/gui_driver.h"
#include "tests/ui/pixel_probe.h"
#include "tests/ui/shown_form.h"
#include "ui/application.h"
#include "ui/form.h"

namespace au {
namespace {

using test::PumpMessages;
using test::PumpUntil;
using test::SendMouse;

using test::SamePixels;

// Sum of the channel differences of two pictures of one size.
long Distance(const Bitmap24& a, const Bitmap24& b) {
  long sum = 0;
  for (int y = 0; y < a.Height(); ++y) {
    const std::uint8_t* p = a.Row(y);
    const std::uint8_t* q = b.Row(y);
    for (int i = 0; i < 3 * a.Width(); ++i) sum += std::abs(p[i] - q[i]);
  }
  return sum;
}

Bitmap24 Blended(const Bitmap24& start, const Bitmap24& target, std::uint8_t alpha) {
  Bitmap24 frame = start.Clone();
  BlendWholeBitmaps(frame, target, alpha);
  return frame;
}

// What a graphic control shows on its parent's window.
Bitmap24 OnScreen(TControl& control) {
  const Bitmap24 client = test::CaptureClient(control.Parent()->Handle());
  Bitmap24 shown(control.Width(), control.Height());
  CopyBitmapRect(shown, client, {0, 0},
                 {control.Left(), control.Top(), control.Left() + control.Width(),
                  control.Top() + control.Height()});
  return shown;
}

// One timer message for a timer, as the platform would deliver it.
void Tick(const TTimer* timer) {
  SendMessageW(Application()->Handle(), WM_TIMER, reinterpret_cast<WPARAM>(timer), 0);
}

// Every frame that a button's fades show, the pictures they fade to, the
// stop commands it gets, and how its parent is told to paint it alone.
class FadeRecorder {
 public:
  explicit FadeRecorder(TsSpeedButton& button)
      : button_(button),
        parent_(*button.Parent()),
        nextButton_(button.WindowProc),
        nextParent_(button.Parent()->WindowProc) {
    button.WindowProc = [this](TMessage& m) {
      if (m.Msg == SM_ALPHACMD) Record(SkinCommandOf(m));
      nextButton_(m);
    };
    parent_.WindowProc = [this](TMessage& m) {
      if (m.Msg == SM_ALPHACMD && SkinCommandOf(m) == SK_SETPAINTCHILD) {
        ++(m.LParam == reinterpret_cast<LPARAM>(&button_) ? Alone : All);
      }
      nextParent_(m);
    };
  }
  ~FadeRecorder() {
    button_.WindowProc = nextButton_;
    parent_.WindowProc = nextParent_;
  }

  std::vector<Bitmap24> Frames;
  // The pictures faded to, one for each fade in turn.
  std::vector<Bitmap24> Targets;
  int Stops = 0;
  int Alone = 0;
  int All = 0;

 private:
  void Record(unsigned command) {
    if (command == SK_STOPFADING) ++Stops;
    const TsAnimTimer* timer = button_.AnimTimer();
    // The frame is composed by the time its repaint is announced.
    if (command != SK_SETUPDATING || timer == nullptr) return;
    Frames.push_back(timer->WorkPicture.Clone());
    const Bitmap24& cache = *button_.SkinData().CacheBitmap;
    if (Targets.empty() || !SamePixels(Targets.back(), cache)) Targets.push_back(cache.Clone());
  }

  TsSpeedButton& button_;
  TWinControl& parent_;
  TWndMethod nextButton_;
  TWndMethod nextParent_;
};

// The main window's arrangement: a skinned panel holding a 121 x 22 button
// "ANSI > UTF-8" in section BARTITLE, on screen with the internal skin.
class SpeedButtonFadeTest : public testing::Test {
 protected:
  SpeedButtonFadeTest() : form_(Application()->CreateForm<TForm>()) {
    form_->SetBorderStyle(TFormBorderStyle::bsDialog);
    form_->SetClientSize(400, 200);
    manager_ = new TsSkinManager(form_.get());
    manager_->SetInternalSkins({ElegantInternalSkin()});
    manager_->SetSkinName(kElegantSkinName);
    panel_ = new TsPanel(form_.get());
    panel_->SetParent(form_.get());
    panel_->SetBounds(0, 0, 400, 200);
    button_ = AddButton("BARTITLE", 140, 90);
    form_->Show();
    PumpMessages(50);
  }
  ~SpeedButtonFadeTest() override { SetCursorPos(0, 0); }

  TsSpeedButton* AddButton(const char* section, int left, int top) {
    auto* button = new TsSpeedButton(form_.get());
    button->SetParent(panel_);
    button->SetBounds(left, top, 121, 22);
    button->SetCaption("ANSI > UTF-8");
    button->SkinData().SetSkinSection(section);
    button->OnClick = [this](TComponent*) { ++clicks_; };
    return button;
  }

  const Bitmap24& Cache() const { return *button_->SkinData().CacheBitmap; }
  void Enter() { test::MoveMouseTo(*button_, 10, 10); }
  void Leave() { test::MoveMouseTo(*panel_, 390, 190); }
  bool FadeEnds() {
    return PumpUntil([this] { return button_->AnimTimer() == nullptr; });
  }

  std::unique_ptr<TForm> form_;
  TsSkinManager* manager_ = nullptr;
  TsPanel* panel_ = nullptr;
  TsSpeedButton* button_ = nullptr;
  int clicks_ = 0;
};

TEST_F(SpeedButtonFadeTest, HoveringFadesFromTheNormalToTheHotLookInTwentyFrames) {
  ASSERT_EQ(Cache().Width(), 121);
  const Bitmap24 normal = Cache().Clone();
  FadeRecorder recorder(*button_);
  Enter();
  ASSERT_NE(button_->AnimTimer(), nullptr);
  EXPECT_EQ(button_->AnimTimer()->StepCount, 20);
  EXPECT_EQ(recorder.Frames.size(), 1u);  // the first frame is shown at once
  ASSERT_TRUE(FadeEnds());

  ASSERT_EQ(recorder.Frames.size(), 20u);
  ASSERT_EQ(recorder.Targets.size(), 1u);
  EXPECT_EQ(recorder.Stops, 1);
  const Bitmap24& hot = recorder.Targets[0];
  EXPECT_FALSE(SamePixels(hot, normal));
  // 255 − 1 × 256 div 20 = 243 of the normal look, then on to none of it.
  EXPECT_TRUE(SamePixels(recorder.Frames[0], Blended(normal, hot, 243)));
  EXPECT_FALSE(SamePixels(recorder.Frames[0], normal));
  EXPECT_FALSE(SamePixels(recorder.Frames[0], hot));
  EXPECT_TRUE(SamePixels(recorder.Frames[9], Blended(normal, hot, 127)));
  EXPECT_TRUE(SamePixels(recorder.Frames.back(), hot));
  for (size_t i = 1; i < recorder.Frames.size(); ++i) {
    EXPECT_LT(Distance(recorder.Frames[i], hot), Distance(recorder.Frames[i - 1], hot))
        << "frame " << i;
  }
  // Every frame, and the final look after the stop, went through the parent
  // painting this button alone.
  EXPECT_EQ(recorder.Alone, 21);
  EXPECT_EQ(recorder.All, recorder.Alone);
  EXPECT_TRUE(SamePixels(Cache(), hot));
  EXPECT_TRUE(SamePixels(OnScreen(*button_), hot));
}

TEST_F(SpeedButtonFadeTest, LeavingMidFadeTurnsRoundFromTheLevelStillToGo) {
  const Bitmap24 normal = Cache().Clone();
  FadeRecorder recorder(*button_);
  Enter();
  for (int i = 0; i < 4; ++i) Tick(button_->AnimTimer());
  ASSERT_EQ(recorder.Frames.size(), 5u);
  EXPECT_EQ(button_->AnimTimer()->CurrentStep, 6);
  const Bitmap24 hot = recorder.Targets[0].Clone();

  Leave();
  const TsAnimTimer* back = button_->AnimTimer();
  ASSERT_NE(back, nullptr);
  // 20 − 6 = 14 steps in, from the hot look the first fade was heading for.
  EXPECT_EQ(back->CurrentStep, 15);
  EXPECT_TRUE(SamePixels(back->StartPicture, hot));
  EXPECT_TRUE(SamePixels(recorder.Frames.back(), Blended(hot, normal, FadeAlpha(14, 20))));
  ASSERT_TRUE(FadeEnds());
  EXPECT_EQ(recorder.Frames.size(), 5u + 7u);
  EXPECT_TRUE(SamePixels(recorder.Frames.back(), normal));
  EXPECT_TRUE(SamePixels(OnScreen(*button_), normal));
}

TEST_F(SpeedButtonFadeTest, TheStopCommandEndsAFadeAtTheFinalLook) {
  Enter();
  Tick(button_->AnimTimer());
  ASSERT_NE(button_->AnimTimer(), nullptr);
  EXPECT_FALSE(SamePixels(OnScreen(*button_), Cache()));  // a frame on its way
  SkinCommandToControl(button_, SK_STOPFADING);
  EXPECT_EQ(button_->AnimTimer(), nullptr);
  EXPECT_TRUE(SamePixels(OnScreen(*button_), Cache()));
  EXPECT_EQ(button_->CurrentState(), 1);

  // A new skin stops every fade, and none starts while it is applied.
  Leave();
  ASSERT_NE(button_->AnimTimer(), nullptr);
  manager_->SetSkinName(kElegantSkinName);
  EXPECT_EQ(button_->AnimTimer(), nullptr);
}

TEST_F(SpeedButtonFadeTest, NothingFadesWhileASkinIsAppliedOrForASectionThatDoesNotFade) {
  {
    const FlagScope changing(SkinChangeInProgress);
    Enter();
    EXPECT_EQ(button_->AnimTimer(), nullptr);
    EXPECT_EQ(button_->CurrentState(), 1);
    EXPECT_TRUE(SamePixels(OnScreen(*button_), Cache()));
    Leave();
  }
  TsSpeedButton* edit = AddButton("EDIT", 20, 20);
  PumpMessages();
  const Bitmap24 before = edit->SkinData().CacheBitmap->Clone();
  test::MoveMouseTo(*edit, 10, 10);
  EXPECT_TRUE(edit->SkinData().MouseInside);
  EXPECT_EQ(edit->AnimTimer(), nullptr);
  EXPECT_TRUE(SamePixels(OnScreen(*edit), *edit->SkinData().CacheBitmap));
  SendMouse(*edit, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  EXPECT_EQ(edit->AnimTimer(), nullptr);
  EXPECT_FALSE(SamePixels(*edit->SkinData().CacheBitmap, before));  // the pressed look, at once
  EXPECT_TRUE(SamePixels(OnScreen(*edit), *edit->SkinData().CacheBitmap));
}

TEST_F(SpeedButtonFadeTest, OnlyTheButtonsOwnEventsFadeAndAPressFadesInHalfTheSteps) {
  button_->SetAnimatEvents({aeMouseDown});
  FadeRecorder recorder(*button_);
  Enter();
  EXPECT_EQ(button_->AnimTimer(), nullptr);  // neither aeMouseEnter nor aeGlobalDef
  EXPECT_TRUE(SamePixels(OnScreen(*button_), Cache()));

  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  ASSERT_NE(button_->AnimTimer(), nullptr);
  EXPECT_EQ(button_->AnimTimer()->StepCount, 10);
  EXPECT_EQ(button_->CurrentState(), 2);
  ASSERT_TRUE(FadeEnds());
  EXPECT_EQ(recorder.Frames.size(), 10u);
  EXPECT_TRUE(SamePixels(recorder.Frames.back(), Cache()));

  SendMouse(*button_, WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(button_->AnimTimer(), nullptr);  // the release does not fade
  EXPECT_EQ(button_->CurrentState(), 1);
  EXPECT_TRUE(SamePixels(OnScreen(*button_), Cache()));
}

TEST_F(SpeedButtonFadeTest, AReleaseDuringAPressFadeClicksAndFadesFromThePressedLook) {
  Enter();
  ASSERT_TRUE(FadeEnds());
  const Bitmap24 hot = Cache().Clone();
  FadeRecorder recorder(*button_);
  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  Tick(button_->AnimTimer());
  ASSERT_EQ(recorder.Frames.size(), 2u);
  const Bitmap24 pressed = recorder.Targets.at(0).Clone();
  EXPECT_FALSE(SamePixels(pressed, hot));

  SendMouse(*button_, WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks_, 1);
  const TsAnimTimer* release = button_->AnimTimer();
  ASSERT_NE(release, nullptr);
  EXPECT_EQ(release->StepCount, 10);
  EXPECT_TRUE(SamePixels(release->StartPicture, pressed));
  ASSERT_TRUE(FadeEnds());
  EXPECT_EQ(recorder.Frames.size(), 2u + 10u);
  EXPECT_TRUE(SamePixels(Cache(), hot));
  EXPECT_TRUE(SamePixels(OnScreen(*button_), hot));
}

TEST_F(SpeedButtonFadeTest, DestroyingAFadingButtonLeavesNoTimerBehind) {
  Enter();
  const TsAnimTimer* timer = button_->AnimTimer();
  ASSERT_NE(timer, nullptr);
  const auto id = reinterpret_cast<UINT_PTR>(timer);
  delete button_;
  button_ = nullptr;
  EXPECT_FALSE(KillTimer(Application()->Handle(), id));
  Tick(timer);  // a message still on its way finds nobody
  PumpMessages();
}

TEST(FadeAlpha, StepsDownToNoneOfTheStartPicture) {
  const std::uint8_t five[] = {204, 153, 102, 51, 0};
  for (int step = 1; step <= 5; ++step) EXPECT_EQ(FadeAlpha(step, 5), five[step - 1]);
  EXPECT_EQ(FadeAlpha(1, 2), 127);  // a press halves 5 iterations to 2
  EXPECT_EQ(FadeAlpha(2, 2), 0);
  EXPECT_EQ(FadeAlpha(0, 20), 255);
  EXPECT_EQ(FadeAlpha(25, 20), 0);  // clamped past the end
  EXPECT_EQ(FadeAlpha(1, -3), 255);
}

TEST(FadeFrame, TheEndsAreExactCopiesAndTheFrameIsReused) {
  Bitmap24 start(3, 2);
  Bitmap24 target(3, 2);
  start.Fill(MakeColor(200, 10, 0));
  target.Fill(MakeColor(250, 130, 255));
  Bitmap24 frame;
  ComposeFadeFrame(frame, start, target, 0);
  EXPECT_TRUE(SamePixels(frame, target));  // the plain blend would give 249, 129, 254
  const std::uint8_t* pixels = frame.Row0();
  ComposeFadeFrame(frame, start, target, 255);
  EXPECT_TRUE(SamePixels(frame, start));
  ComposeFadeFrame(frame, start, target, 128);
  EXPECT_TRUE(SamePixels(frame, Blended(start, target, 128)));
  EXPECT_EQ(frame.Row0(), pixels);
  // A target of another size is no target: the frame keeps the start picture.
  Bitmap24 other(4, 2);
  ComposeFadeFrame(frame, start, other, 0);
  EXPECT_TRUE(SamePixels(frame, start));
}

}  // namespace
}  // namespace au
