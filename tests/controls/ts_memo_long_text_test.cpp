// Texts longer and wider than a 16-bit scroll position can say, scrolled
// through the memo's skinned bars as a person would: arrows, track, slider
// and wheel, each checked against where the edit control really stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "controls/ts_memo.h"
#include "tests/controls/skinned_panel_form.h"

namespace au {
namespace {

using test::PumpMessages;
using test::SendMouse;

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "Line " + std::to_string(i) + "\r\n";
  return text;
}

// One step of a person on a bar or the memo, and where it should leave the
// bar, worked out from the bar before the step.
struct ScrollStep {
  const char* Name;
  std::function<void(TsScrollBar&, TsMemo&)> Act;
  std::function<int(const TsScrollBar&)> Expected;
};

// A point along the bar on the part, clear of the parts drawn over it.
int PointOn(const TsScrollBar& bar, TScrollPart part) {
  const ScrollBarLayout layout = bar.Layout();
  switch (part) {
    case TScrollPart::FirstTrack:
      return (layout.FirstButton().End + layout.Slider().Start) / 2;
    case TScrollPart::SecondTrack:
      return (layout.Slider().End + layout.SecondButton().Start) / 2;
    default:
      return (layout.Span(part).Start + layout.Span(part).End) / 2;
  }
}

void ClickAlong(TsScrollBar& bar, int along) {
  const bool vertical = bar.Kind() == TScrollBarKind::sbVertical;
  const int x = vertical ? bar.Width() / 2 : along;
  const int y = vertical ? along : bar.Height() / 2;
  SendMouse(bar, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  SendMouse(bar, WM_LBUTTONUP, x, y);
}

// The slider taken by its centre and let go at `fraction` of the bar's length.
ScrollStep Drag(const char* name, double fraction) {
  const auto to = [fraction](const TsScrollBar& bar) {
    const bool vertical = bar.Kind() == TScrollBarKind::sbVertical;
    return static_cast<int>((vertical ? bar.Height() : bar.Width()) * fraction);
  };
  return {name,
          [to](TsScrollBar& bar, TsMemo&) {
            const bool vertical = bar.Kind() == TScrollBarKind::sbVertical;
            const int from = bar.Layout().SliderCenter();
            const int across = (vertical ? bar.Width() : bar.Height()) / 2;
            SendMouse(bar, WM_LBUTTONDOWN, vertical ? across : from, vertical ? from : across,
                      MK_LBUTTON);
            SendMouse(bar, WM_LBUTTONUP, vertical ? across : to(bar), vertical ? to(bar) : across);
          },
          [to](const TsScrollBar& bar) {
            const ScrollBarLayout layout = bar.Layout();
            const int moved = layout.PositionAt(to(bar)) - layout.PositionAt(layout.SliderCenter());
            return std::clamp(bar.Position() + moved, bar.Min(), bar.Max());
          }};
}

ScrollStep Click(const char* name, TScrollPart part, int direction, bool page) {
  return {name, [part](TsScrollBar& bar, TsMemo&) { ClickAlong(bar, PointOn(bar, part)); },
          [direction, page](const TsScrollBar& bar) {
            return bar.Position() + direction * (page ? bar.LargeChange() : bar.SmallChange());
          }};
}

ScrollStep Wheel(const char* name, int notches) {
  return {name,
          [notches](TsScrollBar&, TsMemo& memo) {
            SendMessageW(memo.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), 0);
          },
          [notches](const TsScrollBar& bar) {
            UINT lines = 3;
            SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
            return bar.Position() - notches * static_cast<int>(lines);
          }};
}

// Both bars run the same round: far along, both arrows, both track parts,
// and back near the start.
std::vector<ScrollStep> Round() {
  return {Drag("slider to three quarters", 0.75),
          Click("second track part", TScrollPart::SecondTrack, 1, true),
          Click("first track part", TScrollPart::FirstTrack, -1, true),
          Drag("slider past the end", 1.5),
          Click("first arrow at the end", TScrollPart::FirstButton, -1, false),
          Click("second arrow", TScrollPart::SecondButton, 1, false),
          Drag("slider back to a tenth", 0.1),
          Drag("slider to the end again", 1.5)};
}

class MemoLongTextTest : public test::SkinnedPanelForm {
 protected:
  MemoLongTextTest() {
    memo_ = Add<TsMemo>(panel_, 10, 10, 300, 200);
    memo_->SetScrollBars(TScrollStyle::ssBoth);
    memo_->SetWordWrap(false);
    ShowForm();
  }

  // Where the edit control stands in the bar's direction.
  int EditPosition(const TsScrollBar& bar) const {
    if (bar.Kind() == TScrollBarKind::sbVertical) {
      return static_cast<int>(SendMessageA(memo_->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(memo_->Handle(), SB_HORZ, &info);
    return info.nPos;
  }

  void Run(TsScrollBar* (TsMemo::*which)() const, const std::vector<ScrollStep>& steps) {
    int farthest = 0;
    for (const ScrollStep& step : steps) {
      SCOPED_TRACE(step.Name);
      TsScrollBar* bar = (memo_->*which)();
      ASSERT_NE(bar, nullptr);
      ASSERT_TRUE(bar->Enabled());
      const int expected = step.Expected(*bar);
      step.Act(*bar, *memo_);
      PumpMessages(10);
      bar = (memo_->*which)();
      EXPECT_EQ(EditPosition(*bar), expected);
      EXPECT_EQ(bar->Position(), expected);
      farthest = std::max(farthest, expected);
    }
    // The round went where a 16-bit position cannot.
    EXPECT_GT(farthest, SHRT_MAX);
  }

  TsMemo* memo_ = nullptr;
};

TEST_F(MemoLongTextTest, TheVerticalBarReachesEveryLineByArrowTrackSliderAndWheel) {
  std::vector<ScrollStep> steps = Round();
  steps.push_back(Wheel("wheel up", 1));
  steps.push_back(Wheel("wheel down", -1));
  for (const int lines : {40000, 70000, 200000}) {
    SCOPED_TRACE(lines);
    // Straight to the edit control: how fast a text loads is not the point here.
    const std::string text = NumberedLines(lines);
    SendMessageA(memo_->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    PumpMessages(10);
    Run(&TsMemo::VerticalScrollBar, steps);
    // At the end the last line shows.
    EXPECT_EQ(memo_->VerticalScrollBar()->Position(), memo_->VerticalScrollBar()->Max());
  }
}

TEST_F(MemoLongTextTest, TheHorizontalBarReachesEveryColumnOfAVeryWideLine) {
  memo_->SetText("short\r\n" + std::string(40000, 'w') + "\r\nshort");
  PumpMessages(10);
  Run(&TsMemo::HorizontalScrollBar, Round());
}

}  // namespace
}  // namespace au
