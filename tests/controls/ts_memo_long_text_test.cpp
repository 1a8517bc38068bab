// Texts longer and wider than a 16-bit scroll position can say, scrolled
// through the memo's skinned bars as a person would: arrows, track, slider
// and wheel, each checked against where the edit control really stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "controls/ts_memo.h"
#include "tests/controls/skinned_panel_form.h"

namespace au {
namespace {

using test::SendMouse;

// One thing a person does: a click on a part of the bar, the slider dragged
// to a fraction of the bar's length, or the wheel turned over the memo.
struct Step {
  enum Kind { Click, Drag, Wheel };
  const char* Name;
  Kind What;
  TScrollPart Part = TScrollPart::Slider;
  double Amount = 0;  // where a drag lets go; the wheel's notches
};

// Far along, both track parts, both arrows at the end, and back near the start.
const std::vector<Step> kRound = {
    {"slider to three quarters", Step::Drag, TScrollPart::Slider, 0.75},
    {"second track part", Step::Click, TScrollPart::SecondTrack},
    {"first track part", Step::Click, TScrollPart::FirstTrack},
    {"slider past the end", Step::Drag, TScrollPart::Slider, 1.5},
    {"first arrow at the end", Step::Click, TScrollPart::FirstButton},
    {"second arrow", Step::Click, TScrollPart::SecondButton},
    {"slider back to a tenth", Step::Drag, TScrollPart::Slider, 0.1},
    {"slider to the end again", Step::Drag, TScrollPart::Slider, 1.5},
};

class MemoLongTextTest : public test::SkinnedPanelForm {
 protected:
  MemoLongTextTest() {
    memo_ = Add<TsMemo>(panel_, 10, 10, 300, 200);
    memo_->SetScrollBars(TScrollStyle::ssBoth);
    memo_->SetWordWrap(false);
    ShowForm();
  }

  static bool Vertical(const TsScrollBar& bar) { return bar.Kind() == TScrollBarKind::sbVertical; }

  // Where the edit control stands in the bar's direction.
  int EditPosition(const TsScrollBar& bar) const {
    if (Vertical(bar)) {
      return static_cast<int>(SendMessageA(memo_->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(memo_->Handle(), SB_HORZ, &info);
    return info.nPos;
  }

  static int DragTarget(const TsScrollBar& bar, const Step& step) {
    return static_cast<int>((Vertical(bar) ? bar.Height() : bar.Width()) * step.Amount);
  }

  // Where the bar should stand after the step, from where it stands before.
  static int Expected(const TsScrollBar& bar, const Step& step) {
    const ScrollBarLayout layout = bar.Layout();
    switch (step.What) {
      case Step::Drag: {
        const int moved =
            layout.PositionAt(DragTarget(bar, step)) - layout.PositionAt(layout.SliderCenter());
        return std::clamp(bar.Position() + moved, bar.Min(), bar.Max());
      }
      case Step::Wheel: {
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        return bar.Position() - static_cast<int>(step.Amount) * static_cast<int>(lines);
      }
      case Step::Click:
        break;
    }
    const bool back = step.Part == TScrollPart::FirstButton || step.Part == TScrollPart::FirstTrack;
    const bool page = step.Part == TScrollPart::FirstTrack || step.Part == TScrollPart::SecondTrack;
    return bar.Position() + (back ? -1 : 1) * (page ? bar.LargeChange() : bar.SmallChange());
  }

  void Perform(TsScrollBar& bar, const Step& step) {
    if (step.What == Step::Wheel) {
      const auto delta = static_cast<short>(step.Amount * WHEEL_DELTA);
      SendMessageW(memo_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
      return;
    }
    const ScrollBarLayout layout = bar.Layout();
    // On the part, clear of the parts painted over the track.
    int along = (layout.Span(step.Part).Start + layout.Span(step.Part).End) / 2;
    if (step.Part == TScrollPart::FirstTrack) {
      along = (layout.FirstButton().End + layout.Slider().Start) / 2;
    } else if (step.Part == TScrollPart::SecondTrack) {
      along = (layout.Slider().End + layout.SecondButton().Start) / 2;
    }
    const int release = step.What == Step::Drag ? DragTarget(bar, step) : along;
    const int across = (Vertical(bar) ? bar.Width() : bar.Height()) / 2;
    const auto at = [&](int a) { return Vertical(bar) ? POINT{across, a} : POINT{a, across}; };
    SendMouse(bar, WM_LBUTTONDOWN, at(along).x, at(along).y, MK_LBUTTON);
    SendMouse(bar, WM_LBUTTONUP, at(release).x, at(release).y);
  }

  void Run(TsScrollBar* (TsMemo::*bar)() const, const std::vector<Step>& steps) {
    int farthest = 0;
    for (const Step& step : steps) {
      SCOPED_TRACE(step.Name);
      ASSERT_NE((memo_->*bar)(), nullptr);
      ASSERT_TRUE((memo_->*bar)()->Enabled());
      const int expected = Expected(*(memo_->*bar)(), step);
      Perform(*(memo_->*bar)(), step);
      test::PumpMessages(10);
      EXPECT_EQ(EditPosition(*(memo_->*bar)()), expected);
      EXPECT_EQ((memo_->*bar)()->Position(), expected);
      farthest = std::max(farthest, expected);
    }
    // The round went where a 16-bit position cannot.
    EXPECT_GT(farthest, SHRT_MAX);
  }

  TsMemo* memo_ = nullptr;
};

TEST_F(MemoLongTextTest, TheVerticalBarReachesEveryLineByArrowTrackSliderAndWheel) {
  std::vector<Step> steps = kRound;
  steps.push_back({"wheel up", Step::Wheel, TScrollPart::Slider, 1});
  steps.push_back({"wheel down", Step::Wheel, TScrollPart::Slider, -1});
  for (const int lines : {40000, 70000, 200000}) {
    SCOPED_TRACE(lines);
    std::string text;
    for (int i = 0; i < lines; ++i) text += "Line " + std::to_string(i) + "\r\n";
    // Straight to the edit control: how fast a text loads is not the point here.
    SendMessageA(memo_->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    test::PumpMessages(10);
    Run(&TsMemo::VerticalScrollBar, steps);
  }
}

TEST_F(MemoLongTextTest, TheHorizontalBarReachesEveryColumnOfAVeryWideLine) {
  memo_->SetText("short\r\n" + std::string(40000, 'w') + "\r\nshort");
  test::PumpMessages(10);
  Run(&TsMemo::HorizontalScrollBar, kRound);
}

}  // namespace
}  // namespace au
