// Hints: a control that asks for one gets its text shown in a tooltip once
// the mouse has rested on it, and presses, other controls and the
// application's switch take it away.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/gui_driver.h"
#include "tests/ui/shown_form.h"
#include "ui/application.h"
#include "ui/panel.h"
#include "ui/speed_button.h"

namespace au {
namespace {

using test::MoveMouseTo;
using test::PumpMessages;
using test::PumpUntil;
using test::SendMouse;

const std::string kOverwriteHint =
    "\u041f\u0435\u0440\u0435\u0437\u0430\u043f\u0438\u0441\u0430\u0442\u044c "
    "\u0438\u0441\u0445\u043e\u0434\u043d\u044b\u0439 \u0444\u0430\u0439\u043b";

BOOL CALLBACK FindVisibleTooltip(HWND wnd, LPARAM found) {
  wchar_t cls[64] = {};
  GetClassNameW(wnd, cls, 64);
  if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(wnd)) {
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
  }
  return TRUE;
}

// The tooltip window of this thread that is on screen, or null.
HWND VisibleTooltip() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindVisibleTooltip, reinterpret_cast<LPARAM>(&found));
  return found;
}

class HintTest : public test::ShownFormTest {
 protected:
  HintTest() {
    panel_ = Add<TPanel>(form_.get(), 0, 0, 400, 300);
    button_ = Add<TSpeedButton>(panel_, 40, 40, 49, 22);
    button_->SetHint(kOverwriteHint);
    button_->SetShowHint(true);
    ShowForm();
    // Start from a pointer over the bare panel.
    MoveMouseTo(*panel_, 300, 250);
  }
  ~HintTest() override { Application()->SetShowHint(true); }

  bool HintShown() {
    return PumpUntil([] { return !Application()->CurrentHint().empty(); });
  }
  // Gives a hint that is not wanted every chance to appear.
  void WaitPastThePause() { PumpMessages(1200); }

  TPanel* panel_ = nullptr;
  TSpeedButton* button_ = nullptr;
};

TEST_F(HintTest, ShowsTheControlsHintInATooltipAfterThePause) {
  MoveMouseTo(*button_, 10, 10);
  // Not at once: the mouse has to rest first.
  EXPECT_EQ(Application()->CurrentHint(), "");
  EXPECT_EQ(VisibleTooltip(), nullptr);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(Application()->CurrentHint(), kOverwriteHint);
  HWND tip = VisibleTooltip();
  ASSERT_NE(tip, nullptr);
  // It shows near the pointer.
  RECT r;
  GetWindowRect(tip, &r);
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_LT(std::abs(r.left - cursor.x), 50);
  EXPECT_GT(r.top, cursor.y);
  EXPECT_LT(r.top - cursor.y, 60);
}

TEST_F(HintTest, AControlWithoutShowHintShowsNone) {
  button_->SetShowHint(false);
  MoveMouseTo(*button_, 10, 10);
  WaitPastThePause();
  EXPECT_EQ(Application()->CurrentHint(), "");
  EXPECT_EQ(VisibleTooltip(), nullptr);
}

TEST_F(HintTest, APressHidesTheHint) {
  MoveMouseTo(*button_, 10, 10);
  ASSERT_TRUE(HintShown());
  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  EXPECT_EQ(Application()->CurrentHint(), "");
  EXPECT_EQ(VisibleTooltip(), nullptr);
  SendMouse(*button_, WM_LBUTTONUP, 10, 10);
  // Still over the same control, the hint does not come back by itself.
  WaitPastThePause();
  EXPECT_EQ(Application()->CurrentHint(), "");
}

TEST_F(HintTest, MovingToAnotherControlReplacesTheHint) {
  panel_->SetHint("the panel");
  panel_->SetShowHint(true);
  MoveMouseTo(*button_, 10, 10);
  ASSERT_TRUE(HintShown());
  MoveMouseTo(*panel_, 200, 200);
  EXPECT_EQ(Application()->CurrentHint(), "");
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(Application()->CurrentHint(), "the panel");
}

TEST_F(HintTest, TheApplicationSwitchTurnsHintsOff) {
  MoveMouseTo(*button_, 10, 10);
  ASSERT_TRUE(HintShown());
  Application()->SetShowHint(false);
  EXPECT_EQ(Application()->CurrentHint(), "");
  EXPECT_EQ(VisibleTooltip(), nullptr);
  MoveMouseTo(*panel_, 300, 250);
  MoveMouseTo(*button_, 10, 10);
  WaitPastThePause();
  EXPECT_EQ(Application()->CurrentHint(), "");
  EXPECT_EQ(VisibleTooltip(), nullptr);
  // And on again.
  Application()->SetShowHint(true);
  MoveMouseTo(*panel_, 300, 250);
  MoveMouseTo(*button_, 10, 10);
  EXPECT_TRUE(HintShown());
}

TEST_F(HintTest, AControlDestroyedBeforeItsHintIsDueShowsNone) {
  MoveMouseTo(*button_, 10, 10);
  delete button_;
  WaitPastThePause();
  EXPECT_EQ(Application()->CurrentHint(), "");
  EXPECT_EQ(VisibleTooltip(), nullptr);
}

}  // namespace
}  // namespace au
