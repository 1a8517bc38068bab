// The skinned scroll bar under Wine: its window, its part states under the
// mouse, the repeat and drag timers (driven tick by tick and by real timers),
// keys, the range rule and what it paints.
#include "controls/ts_scroll_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tests/controls/skinned_panel_form.h"
#include "tests/ui/pixel_probe.h"
#include "ui/application.h"

namespace au {
namespace {

using test::PumpMessages;
using test::SendMouse;

// Darker than any track or button face of the internal skin: arrows and grips.
bool IsDark(TColor c) {
  return RedOf(c) + GreenOf(c) + BlueOf(c) < 3 * 128;
}

int DarkPixels(const Bitmap24& picture, RECT area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += IsDark(picture.Pixel(x, y)) ? 1 : 0;
  }
  return count;
}

class ScrollBarTest : public test::SkinnedPanelForm {
 protected:
  ScrollBarTest() {
    bar_ = new TsScrollBar(form_.get());
    bar_->SetName("Bar1");
    bar_->SetKind(TScrollBarKind::sbVertical);
    bar_->SetParent(panel_);
    bar_->SetBounds(20, 20, GetSystemMetrics(SM_CXVSCROLL), 200);
    bar_->OnScroll = [this](TComponent*, int code, int& position) {
      codes_.push_back(code);
      scrolledTo_.push_back(position);
    };
    ShowForm();
  }

  // The arithmetic of the expectations takes the platform's usual 17 pixels.
  static bool UsualArrows() { return GetSystemMetrics(SM_CYVSCROLL) == 17; }

  void Press(int y) { SendMouse(*bar_, WM_LBUTTONDOWN, 8, y, MK_LBUTTON); }
  void Release(int y) { SendMouse(*bar_, WM_LBUTTONUP, 8, y); }
  void Hover(int y) {
    POINT p{8, y};
    ClientToScreen(bar_->Handle(), &p);
    SendMessageW(bar_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }
  // Ticks of the running timer until the bar frees it; how many moved the bar.
  int TickUntilStopped(int limit = 100) {
    int moves = 0;
    while (bar_->RepeatTimer() != nullptr && limit-- > 0) {
      const int before = bar_->Position();
      bar_->RepeatTimer()->Fire();
      if (bar_->Position() != before) ++moves;
    }
    return moves;
  }

  TsScrollBar* bar_ = nullptr;
  std::vector<int> codes_;
  std::vector<int> scrolledTo_;
};

TEST_F(ScrollBarTest, IsAPlainWindowWhileSkinnedAndThePlatformsBarOtherwise) {
  EXPECT_TRUE(bar_->Skinned());
  EXPECT_EQ(test::WindowClassOf(bar_->Handle()), kControlClassName);
  bar_->SetPosition(30);
  manager_->SetActive(false);
  EXPECT_FALSE(bar_->Skinned());
  EXPECT_EQ(lstrcmpiW(test::WindowClassOf(bar_->Handle()).c_str(), L"ScrollBar"), 0);
  SCROLLINFO info{sizeof(info), SIF_POS | SIF_RANGE, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar_->Handle(), SB_CTL, &info));
  EXPECT_EQ(info.nPos, 30);
  EXPECT_EQ(info.nMax, 100);
  manager_->SetActive(true);
  EXPECT_EQ(test::WindowClassOf(bar_->Handle()), kControlClassName);
  EXPECT_EQ(bar_->Position(), 30);
}

TEST_F(ScrollBarTest, AHeldButtonStepsAtOnceThenOnEachTickOfItsTimer) {
  ASSERT_TRUE(UsualArrows());
  bar_->SetSmallChange(3);
  ASSERT_TRUE(Application()->ShowHint());
  Press(195);
  EXPECT_FALSE(Application()->ShowHint());  // no hint pops up over a held bar
  EXPECT_EQ(bar_->Position(), 3);
  EXPECT_EQ(bar_->PartState(TScrollPart::SecondButton), kPartPressed);
  EXPECT_EQ(bar_->PartState(TScrollPart::FirstTrack), kPartHot);
  EXPECT_EQ(bar_->PartState(TScrollPart::SecondTrack), kPartHot);
  ASSERT_NE(bar_->RepeatTimer(), nullptr);
  EXPECT_EQ(bar_->RepeatTimer()->Interval(), 500u);
  bar_->RepeatTimer()->Fire();
  EXPECT_EQ(bar_->RepeatTimer()->Interval(), 100u);
  bar_->RepeatTimer()->Fire();
  EXPECT_EQ(bar_->Position(), 9);
  Release(195);
  EXPECT_TRUE(Application()->ShowHint());
  EXPECT_EQ(bar_->RepeatTimer(), nullptr);
  EXPECT_EQ(bar_->PartState(TScrollPart::SecondButton), kPartHot);
  EXPECT_EQ(bar_->ScrollCode(), kNoScrollCode);
  EXPECT_EQ(codes_, (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}));
  EXPECT_EQ(scrolledTo_, (std::vector<int>{3, 6, 9, 9}));
}

TEST_F(ScrollBarTest, TheFirstButtonAtTheMinimumReportsWithoutMoving) {
  ASSERT_TRUE(UsualArrows());
  int changes = 0;
  bar_->OnChange = [&](TComponent*) { ++changes; };
  Press(5);
  EXPECT_EQ(bar_->Position(), 0);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(codes_, (std::vector<int>{SB_LINEUP}));
  // Released off the button it is no longer pressed.
  Release(100);
  EXPECT_EQ(bar_->PartState(TScrollPart::FirstButton), kPartNormal);
}

TEST_F(ScrollBarTest, PagingStopsOnceTheSliderHasReachedThePointer) {
  ASSERT_TRUE(UsualArrows());
  bar_->SetLargeChange(10);
  // y = 150 stands for round((150 - 17 - 7) * 100 / 152) = 83: the press moves
  // to 10, the ticks on to 90, the first position past the pointer.
  Press(150);
  EXPECT_EQ(bar_->Position(), 10);
  EXPECT_EQ(bar_->PartState(TScrollPart::SecondTrack), kPartPressed);
  EXPECT_EQ(TickUntilStopped(), 8);
  EXPECT_EQ(bar_->Position(), 90);
  Release(150);
  // y = 40 stands for round(16 * 100 / 152) = 11: from 90 down to 10.
  Press(40);
  EXPECT_EQ(bar_->Position(), 80);
  EXPECT_EQ(TickUntilStopped(), 7);
  EXPECT_EQ(bar_->Position(), 10);
  Release(40);
  // The bar took the focus with the press, so the released part stays hot.
  EXPECT_TRUE(bar_->Focused());
  EXPECT_EQ(bar_->PartState(TScrollPart::FirstTrack), kPartHot);
}

TEST_F(ScrollBarTest, RealRepeatTimersPageUntilThePointer) {
  ASSERT_TRUE(UsualArrows());
  bar_->SetLargeChange(10);
  // The pointer rests on the bar first, long enough for the display's news
  // of earlier pointer moves (the previous test's among them) to have come.
  POINT target{8, 150};
  ClientToScreen(bar_->Handle(), &target);
  int steady = 0;
  ASSERT_TRUE(test::PumpUntil([&] {
    POINT now{};
    GetCursorPos(&now);
    steady = now.x == target.x && now.y == target.y ? steady + 1 : 0;
    if (steady == 0) test::MoveMouseTo(*bar_, 8, 150);
    PumpMessages(50);
    return steady >= 6;
  }));
  Press(150);
  EXPECT_TRUE(test::PumpUntil([&] { return bar_->RepeatTimer() == nullptr; }, 10000));
  // It stops with the slider under the pointer (at 80 the slider spans 139 to
  // 153, and the pointer resting over it makes it hot) or, at the latest, the
  // first step past the pointer's position.
  EXPECT_GE(bar_->Position(), 80);
  EXPECT_LE(bar_->Position(), 90);
  Release(150);
  EXPECT_EQ(codes_.back(), SB_ENDSCROLL);
  // One report per step of 10, and the end.
  EXPECT_EQ(static_cast<int>(codes_.size()), bar_->Position() / 10 + 1);
}

TEST_F(ScrollBarTest, TheSliderFollowsThePointerAndAnUnsmoothBarReportsOnceOnRelease) {
  ASSERT_TRUE(UsualArrows());
  std::vector<int> reported;
  bar_->LinkToMemo(nullptr, [&](TsScrollBar& bar, int old) {
    reported.push_back(old);
    reported.push_back(bar.Position());
  });
  bar_->SetSmooth(false);
  Press(27);  // 3 below the slider's centre at 24
  EXPECT_EQ(bar_->PartState(TScrollPart::Slider), kPartPressed);
  ASSERT_NE(bar_->RepeatTimer(), nullptr);
  EXPECT_EQ(bar_->RepeatTimer()->Interval(), 10u);
  POINT p{8, 103};  // the centre for position 50, with the same 3 pixels
  ClientToScreen(bar_->Handle(), &p);
  SetCursorPos(p.x, p.y);
  bar_->RepeatTimer()->Fire();
  EXPECT_EQ(bar_->Position(), 50);
  EXPECT_TRUE(reported.empty());
  Release(103);
  EXPECT_EQ(bar_->Position(), 50);
  EXPECT_EQ(reported, (std::vector<int>{0, 50}));
  EXPECT_EQ(bar_->PartState(TScrollPart::Slider), kPartHot);
  EXPECT_EQ(codes_, (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));

  // A smooth bar reports every move.
  reported.clear();
  bar_->SetSmooth(true);
  Press(103);
  p = {8, 27};
  ClientToScreen(bar_->Handle(), &p);
  SetCursorPos(p.x, p.y);
  bar_->RepeatTimer()->Fire();
  EXPECT_EQ(reported, (std::vector<int>{50, 0}));
  Release(27);
}

TEST_F(ScrollBarTest, OnePartIsHotAtATimeAndLeavingClearsThem) {
  ASSERT_TRUE(UsualArrows());
  Hover(5);
  EXPECT_EQ(bar_->PartState(TScrollPart::FirstButton), kPartHot);
  EXPECT_EQ(bar_->PartState(TScrollPart::FirstTrack), kPartHot);
  Hover(24);
  EXPECT_EQ(bar_->PartState(TScrollPart::Slider), kPartHot);
  EXPECT_EQ(bar_->PartState(TScrollPart::FirstButton), kPartNormal);
  Hover(195);
  EXPECT_EQ(bar_->PartState(TScrollPart::SecondButton), kPartHot);
  EXPECT_EQ(bar_->PartState(TScrollPart::Slider), kPartNormal);
  bar_->Perform(CM_MOUSELEAVE);
  for (int part = 0; part < kScrollPartCount; ++part) {
    EXPECT_EQ(bar_->PartState(static_cast<TScrollPart>(part)), kPartNormal) << part;
  }
}

TEST_F(ScrollBarTest, KeysMoveByTheSmallAndLargeStepsAndToTheEnds) {
  bar_->SetSmallChange(2);
  bar_->SetLargeChange(25);
  EXPECT_EQ(bar_->Perform(WM_GETDLGCODE), DLGC_WANTARROWS);
  const auto key = [&](WPARAM vk) {
    bar_->Perform(WM_KEYDOWN, vk);
    return bar_->Position();
  };
  EXPECT_EQ(key(VK_NEXT), 25);
  EXPECT_EQ(key(VK_DOWN), 27);
  EXPECT_EQ(key(VK_RIGHT), 29);
  EXPECT_EQ(key(VK_UP), 27);
  EXPECT_EQ(key(VK_PRIOR), 2);
  EXPECT_EQ(key(VK_END), 100);
  EXPECT_EQ(key(VK_NEXT), 100);
  EXPECT_EQ(key(VK_HOME), 0);
  EXPECT_EQ(key(VK_LEFT), 0);
}

TEST_F(ScrollBarTest, ARangeWithoutRoomIsReportedSkinnedAndRefusedUnskinned) {
  {
    test::MessageBoxCatcher catcher;
    bar_->SetParams(5, 0, 0);
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].Text, L"Scrollbar property out of range\r\nMax = 0(Bar1)");
  }
  // The update went on.
  EXPECT_EQ(bar_->Max(), 0);
  EXPECT_EQ(bar_->Position(), 0);
  manager_->SetActive(false);
  EXPECT_THROW(bar_->SetParams(0, 10, 5), std::invalid_argument);
  EXPECT_EQ(bar_->Min(), 0);
  bar_->SetParams(7, 7, 7);  // an empty range is allowed unskinned
  EXPECT_EQ(bar_->Position(), 7);
}

TEST_F(ScrollBarTest, PaintsArrowsAndGripAndShowsThePressedButton) {
  ASSERT_TRUE(UsualArrows());
  PumpMessages(50);
  const int width = bar_->Width();
  const Bitmap24 normal = test::CaptureClient(bar_->Handle());
  EXPECT_GT(DarkPixels(normal, {0, 0, width, 17}), 0);     // the up arrow
  EXPECT_GT(DarkPixels(normal, {0, 183, width, 200}), 0);  // the down arrow
  EXPECT_GT(DarkPixels(normal, {0, 17, width, 31}), 0);    // the slider's grip
  EXPECT_EQ(DarkPixels(normal, {0, 40, width, 175}), 0);   // bare track
  Press(195);
  const Bitmap24 pressed = test::CaptureClient(bar_->Handle());
  int differing = 0;
  for (int y = 183; y < 200; ++y) {
    for (int x = 0; x < width; ++x) differing += normal.Pixel(x, y) != pressed.Pixel(x, y);
  }
  EXPECT_GT(differing, 0);
  Release(195);
}

TEST_F(ScrollBarTest, ADisabledBarWithoutMemoStillShowsItsSliderInTheMiddle) {
  ASSERT_TRUE(UsualArrows());
  bar_->SetEnabled(false);
  PumpMessages(50);
  EXPECT_EQ(bar_->Layout().SliderCenter(), 100);
  const Bitmap24 shot = test::CaptureClient(bar_->Handle());
  // Rows of bare track differ only by the parent's gradient showing through;
  // the faded slider and its grip stand out.
  const auto rowDistance = [&](int a, int b) {
    int most = 0;
    for (int x = 0; x < bar_->Width(); ++x) {
      const TColor p = shot.Pixel(x, a);
      const TColor q = shot.Pixel(x, b);
      most = std::max({most, std::abs(RedOf(p) - RedOf(q)), std::abs(GreenOf(p) - GreenOf(q)),
                       std::abs(BlueOf(p) - BlueOf(q))});
    }
    return most;
  };
  EXPECT_LT(rowDistance(40, 70), 16);
  EXPECT_GT(rowDistance(40, 100), 16);
}

}  // namespace
}  // namespace au
