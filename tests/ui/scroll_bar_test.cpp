// The stand-alone scroll bar: its range rules and the scroll requests that
// its parent reflects back to it.
#include "ui/scroll_bar.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/shown_form.h"

namespace au {
namespace {

class ScrollBarTest : public test::ShownFormTest {
 protected:
  ScrollBarTest() {
    bar_ = Add<TScrollBar>(form_.get(), 10, 10, 200, 17);
    bar_->OnChange = [this](TComponent*) { changes_.push_back(bar_->Position()); };
  }

  // A request as the platform's control sends it to its parent.
  void Request(int code) {
    SendMessageW(form_->Handle(), WM_HSCROLL, MAKEWPARAM(code, 0),
                 reinterpret_cast<LPARAM>(bar_->Handle()));
  }
  int WindowPosition() {
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar_->Handle(), SB_CTL, &info);
    return info.nPos;
  }

  TScrollBar* bar_ = nullptr;
  std::vector<int> changes_;
};

TEST_F(ScrollBarTest, ThePositionStaysWithinTheRangeLessThePage) {
  bar_->SetParams(150, 0, 100);
  EXPECT_EQ(bar_->Position(), 100);
  bar_->SetPageSize(10);
  EXPECT_EQ(bar_->Position(), 91);  // the last page starts there
  bar_->SetPosition(-5);
  EXPECT_EQ(bar_->Position(), 0);
  EXPECT_EQ(WindowPosition(), 0);
  bar_->SetParams(5, 20, 10);  // a maximum below the minimum is the minimum
  EXPECT_EQ(bar_->Min(), 20);
  EXPECT_EQ(bar_->Max(), 20);
  EXPECT_EQ(bar_->Position(), 20);
  EXPECT_EQ(changes_, (std::vector<int>{100, 91, 0, 20}));
}

TEST_F(ScrollBarTest, RequestsMoveByTheirStepAndReachTheWindow) {
  bar_->SetParams(50, 0, 100);
  bar_->SetSmallChange(3);
  bar_->SetLargeChange(20);
  changes_.clear();
  Request(SB_LINEDOWN);
  EXPECT_EQ(bar_->Position(), 53);
  Request(SB_PAGEUP);
  EXPECT_EQ(bar_->Position(), 33);
  EXPECT_EQ(WindowPosition(), 33);
  Request(SB_BOTTOM);
  EXPECT_EQ(bar_->Position(), 100);
  Request(SB_LINEDOWN);  // already at the end: no change, no event
  Request(SB_TOP);
  EXPECT_EQ(bar_->Position(), 0);
  Request(SB_ENDSCROLL);
  EXPECT_EQ(changes_, (std::vector<int>{53, 33, 100, 0}));
}

TEST_F(ScrollBarTest, OnScrollMayChangeWhereARequestLeads) {
  bar_->SetParams(10, 0, 100);
  bar_->OnScroll = [](TComponent*, int code, int& position) {
    if (code == SB_PAGEDOWN) position = 77;
  };
  Request(SB_PAGEDOWN);
  EXPECT_EQ(bar_->Position(), 77);
  EXPECT_EQ(WindowPosition(), 77);
}

TEST_F(ScrollBarTest, AVerticalBarTurnsItsBoundsAndKeepsItsRange) {
  bar_->SetParams(40, 0, 80);
  bar_->SetKind(TScrollBarKind::sbVertical);
  EXPECT_EQ(bar_->Width(), 17);
  EXPECT_EQ(bar_->Height(), 200);
  EXPECT_NE(GetWindowLongPtrW(bar_->Handle(), GWL_STYLE) & SBS_VERT, 0);
  EXPECT_EQ(WindowPosition(), 40);
}

}  // namespace
}  // namespace au
