// Mouse messages that reach a window on behalf of its graphic children: which
// child gets them, the capture that a press takes, and the enter and leave
// notifications that the parent's tracking makes up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/gui_driver.h"
#include "tests/ui/shown_form.h"
#include "ui/graphic_control.h"
#include "ui/memo.h"
#include "ui/panel.h"

namespace au {
namespace {

using test::MoveMouseTo;
using test::PumpMessages;
using test::SendMouse;

class MouseRoutingTest : public test::ShownFormTest {
 protected:
  MouseRoutingTest() {
    panel_ = Add<TPanel>(form_.get(), 0, 0, 400, 300);
    panel_->SetName("panel");
    Watch(*panel_);
    a_ = AddChild("a", 50, 50);
    b_ = AddChild("b", 110, 50);  // touches a's right edge
    ShowForm();
    journal_.clear();
  }

  TGraphicControl* AddChild(const char* name, int left, int top) {
    auto* child = Add<TGraphicControl>(panel_, left, top, 60, 40);
    child->SetName(name);
    Watch(*child);
    return child;
  }

  void Watch(TControl& control) {
    auto name = [&control] { return control.Name(); };
    control.OnMouseEnter = [this, name](TComponent*) { journal_.push_back("enter " + name()); };
    control.OnMouseLeave = [this, name](TComponent*) { journal_.push_back("leave " + name()); };
    control.OnMouseDown = [this, name](TComponent*, TMouseButton button, int x, int y) {
      journal_.push_back((button == TMouseButton::mbLeft ? "down " : "rdown ") + name() + " " +
                         std::to_string(x) + "," + std::to_string(y));
    };
    control.OnMouseMove = [this, name](TComponent*, int x, int y) {
      moves_.push_back(name() + " " + std::to_string(x) + "," + std::to_string(y));
    };
    control.OnMouseUp = [this, name](TComponent*, TMouseButton, int x, int y) {
      journal_.push_back("up " + name() + " " + std::to_string(x) + "," + std::to_string(y));
    };
  }

  // Where a point of the panel is on screen.
  POINT OnScreen(int x, int y) { return panel_->ClientToScreen({x, y}); }

  TPanel* panel_ = nullptr;
  TGraphicControl* a_ = nullptr;
  TGraphicControl* b_ = nullptr;
  std::vector<std::string> journal_;
  std::vector<std::string> moves_;
};

using Journal = std::vector<std::string>;

TEST_F(MouseRoutingTest, APressOnAGraphicChildReachesItInItsOwnCoordinates) {
  MoveMouseTo(*panel_, 55, 52);
  SendMouse(*panel_, WM_LBUTTONDOWN, 55, 52, MK_LBUTTON);
  SendMouse(*panel_, WM_LBUTTONUP, 55, 52);
  SendMouse(*panel_, WM_RBUTTONDOWN, 115, 60, MK_RBUTTON);
  SendMouse(*panel_, WM_RBUTTONUP, 115, 60);
  SendMouse(*panel_, WM_LBUTTONDOWN, 300, 200, MK_LBUTTON);  // over no child
  SendMouse(*panel_, WM_LBUTTONUP, 300, 200);
  // Enter and leave between the presses are another test's business.
  Journal presses;
  for (const std::string& e : journal_) {
    if (e.rfind("enter", 0) != 0 && e.rfind("leave", 0) != 0) presses.push_back(e);
  }
  const Journal expected{"down a 5,2", "up a 5,2",           "rdown b 5,10",
                         "up b 5,10",  "down panel 300,200", "up panel 300,200"};
  EXPECT_EQ(presses, expected);
}

TEST_F(MouseRoutingTest, ThePressCapturesTheMouseForTheChildUntilTheRelease) {
  MoveMouseTo(*a_, 5, 5);
  SendMouse(*a_, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  EXPECT_EQ(CaptureControl(), a_);
  EXPECT_EQ(GetCapture(), panel_->Handle());
  moves_.clear();
  // Over the bare panel, over the sibling and beyond the panel's edge.
  SendMouse(*a_, WM_MOUSEMOVE, -30, 100, MK_LBUTTON);
  SendMouse(*a_, WM_MOUSEMOVE, 70, 10, MK_LBUTTON);
  SendMouse(*a_, WM_MOUSEMOVE, 400, -60, MK_LBUTTON);
  EXPECT_EQ(moves_, (Journal{"a -30,100", "a 70,10", "a 400,-60"}));
  journal_.clear();
  SendMouse(*a_, WM_LBUTTONUP, 70, 10);
  EXPECT_EQ(journal_, Journal{"up a 70,10"});
  EXPECT_EQ(CaptureControl(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  // Released, the mouse belongs to whatever lies under it again.
  moves_.clear();
  SendMouse(*a_, WM_MOUSEMOVE, 70, 10);
  EXPECT_EQ(moves_, Journal{"b 10,10"});
}

TEST_F(MouseRoutingTest, ACaptureTakenAwayFreesTheMouseForTheOtherChildren) {
  MoveMouseTo(*a_, 5, 5);
  SendMouse(*a_, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  ASSERT_EQ(CaptureControl(), a_);
  SetCapture(form_->Handle());
  EXPECT_EQ(CaptureControl(), nullptr);
  ReleaseCapture();
  moves_.clear();
  SendMouse(*b_, WM_MOUSEMOVE, 10, 10);
  EXPECT_EQ(moves_, Journal{"b 10,10"});
}

TEST_F(MouseRoutingTest, TheTopmostVisibleChildWinsWhereChildrenOverlap) {
  TGraphicControl* top = AddChild("top", 70, 60);  // over a and b
  SendMouse(*panel_, WM_LBUTTONDOWN, 100, 70, MK_LBUTTON);
  SendMouse(*panel_, WM_LBUTTONUP, 100, 70);
  top->Hide();
  SendMouse(*panel_, WM_LBUTTONDOWN, 100, 70, MK_LBUTTON);
  SendMouse(*panel_, WM_LBUTTONUP, 100, 70);
  Journal presses;
  for (const std::string& e : journal_) {
    if (e.rfind("down", 0) == 0) presses.push_back(e);
  }
  EXPECT_EQ(presses, (Journal{"down top 30,10", "down a 50,20"}));
}

TEST_F(MouseRoutingTest, GraphicChildrenStayReachableWhenAWindowedSiblingGoes) {
  auto* memo = Add<TMemo>(panel_, 200, 150, 100, 60);
  ASSERT_NE(memo->Handle(), nullptr);
  delete memo;
  SendMouse(*b_, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(*b_, WM_LBUTTONUP, 5, 5);
  SendMouse(*a_, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(*a_, WM_LBUTTONUP, 5, 5);
  Journal presses;
  for (const std::string& e : journal_) {
    if (e.rfind("down", 0) == 0) presses.push_back(e);
  }
  EXPECT_EQ(presses, (Journal{"down b 5,5", "down a 5,5"}));
  // A graphic child added afterwards takes its place among them.
  TGraphicControl* c = AddChild("c", 200, 150);
  EXPECT_EQ(panel_->ControlCount(), 3);
  EXPECT_EQ(panel_->ControlAtPos({210, 160}), c);
  EXPECT_EQ(panel_->ControlAtPos({55, 55}), a_);
}

// A double click as the platform reports it: press, release, then the second
// press comes as a double click.
void DoubleClickAt(TControl& control, int x, int y) {
  MoveMouseTo(control, x, y);
  SendMouse(control, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  SendMouse(control, WM_LBUTTONUP, x, y);
  SendMouse(control, WM_LBUTTONDBLCLK, x, y, MK_LBUTTON);
  SendMouse(control, WM_LBUTTONUP, x, y);
}

TEST_F(MouseRoutingTest, ADoubleClickIsOneClickAndOneDoubleClick) {
  int clicks = 0;
  int doubleClicks = 0;
  panel_->OnClick = [&](TComponent*) { ++clicks; };
  panel_->OnDblClick = [&](TComponent*) { ++doubleClicks; };
  DoubleClickAt(*panel_, 300, 200);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
  // Without double clicks of its own, the second press is a click again.
  panel_->SetControlStyle(panel_->ControlStyle() & ~csDoubleClicks);
  DoubleClickAt(*panel_, 300, 200);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(MouseRoutingTest, EnterAndLeaveComeOnceEachAsTheMouseCrossesChildren) {
  MoveMouseTo(*panel_, 20, 20);
  MoveMouseTo(*panel_, 60, 60);
  MoveMouseTo(*panel_, 61, 61);
  MoveMouseTo(*panel_, 109, 61);
  MoveMouseTo(*panel_, 110, 61);  // first pixel of b
  MoveMouseTo(*panel_, 150, 70);
  MoveMouseTo(*panel_, 150, 90);  // below b: the panel itself
  MoveMouseTo(*panel_, 151, 95);
  const Journal expected{"enter panel", "leave panel", "enter a",    "leave a",
                         "enter b",     "leave b",     "enter panel"};
  EXPECT_EQ(journal_, expected);
  EXPECT_EQ(Application()->MouseControl(), panel_);
}

TEST_F(MouseRoutingTest, LeavingTheWindowTellsTheChildUnderTheMouse) {
  MoveMouseTo(*a_, 10, 10);
  ASSERT_EQ(Application()->MouseControl(), a_);
  journal_.clear();
  // The pointer goes away from the window as a person would move it; the
  // platform notices and tells the window.
  SetCursorPos(OnScreen(0, 0).x + 700, OnScreen(0, 0).y + 500);
  EXPECT_TRUE(test::PumpUntil([&] { return !journal_.empty(); }));
  PumpMessages(50);
  EXPECT_EQ(journal_, Journal{"leave a"});
  EXPECT_EQ(Application()->MouseControl(), nullptr);
  // Coming back, the child is entered again.
  MoveMouseTo(*a_, 10, 10);
  EXPECT_EQ(journal_, (Journal{"leave a", "enter a"}));
}

TEST_F(MouseRoutingTest, AChildDestroyedUnderTheMouseIsNotToldAnyMore) {
  MoveMouseTo(*a_, 10, 10);
  ASSERT_EQ(Application()->MouseControl(), a_);
  delete a_;
  EXPECT_EQ(Application()->MouseControl(), nullptr);
  journal_.clear();
  MoveMouseTo(*b_, 10, 10);
  EXPECT_EQ(journal_, Journal{"enter b"});
}

TEST_F(MouseRoutingTest, AChildDestroyedWhileItHasTheCaptureLetsGo) {
  MoveMouseTo(*a_, 10, 10);
  SendMouse(*a_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  ASSERT_EQ(CaptureControl(), a_);
  delete a_;
  EXPECT_EQ(CaptureControl(), nullptr);
  // The rest of the drag goes to what lies under the mouse.
  moves_.clear();
  SendMouse(*b_, WM_MOUSEMOVE, 10, 10, MK_LBUTTON);
  SendMouse(*b_, WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(moves_, Journal{"b 10,10"});
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace au
