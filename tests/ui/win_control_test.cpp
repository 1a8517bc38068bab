// Windowed controls: every message passes through the replaceable WindowProc
// (also for the platform's own classes), children are laid out by their
// alignment, and their windows come and go with their parents.
#include "ui/win_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/pixel_probe.h"
#include "tests/ui/shown_form.h"
#include "ui/graphic_control.h"
#include "ui/memo.h"
#include "ui/panel.h"
#include "ui/stored_layout.h"

namespace au {
namespace {

constexpr UINT kProbe = WM_APP + 3;

class WinControlTest : public test::ShownFormTest {};

TEST_F(WinControlTest, AHookInFrontOfWndProcSeesWindowMessagesAndPerform) {
  // The memo's window is the platform's edit control, subclassed.
  auto* memo = Add<TMemo>(form_.get(), 0, 0, 200, 100);
  std::vector<UINT> seen;
  const TWndMethod inherited = memo->WindowProc;
  memo->WindowProc = [&](TMessage& m) {
    if (m.Msg == kProbe) {
      seen.push_back(m.Msg);
      m.Result = 1234;
      return;
    }
    if (m.Msg == WM_GETTEXTLENGTH) seen.push_back(m.Msg);
    inherited(m);
  };
  EXPECT_EQ(SendMessageW(memo->Handle(), kProbe, 0, 0), 1234);
  EXPECT_EQ(memo->Perform(kProbe), 1234);
  // Messages the hook passes on still reach the edit control's own procedure.
  SendMessageA(memo->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
  EXPECT_EQ(SendMessageW(memo->Handle(), WM_GETTEXTLENGTH, 0, 0), 3);
  EXPECT_EQ(seen, (std::vector<UINT>{kProbe, kProbe, WM_GETTEXTLENGTH}));
  memo->WindowProc = inherited;
  EXPECT_EQ(SendMessageW(memo->Handle(), kProbe, 0, 0), 0);
  EXPECT_EQ(seen.size(), 3u);
}

TEST_F(WinControlTest, TheBottomStripIsTakenBeforeTheClientRest) {
  // Created client first: the order of creation does not decide the layout.
  auto* client = Add<TPanel>(form_.get(), 5, 5, 10, 10);
  client->SetAlign(TAlign::alClient);
  auto* bottom = Add<TPanel>(form_.get(), 5, 5, 10, 19);
  bottom->SetAlign(TAlign::alBottom);
  EXPECT_EQ(bottom->BoundsRect(), (RECT{0, 281, 400, 300}));
  EXPECT_EQ(client->BoundsRect(), (RECT{0, 0, 400, 281}));
  // Their windows are where the controls say.
  RECT r;
  GetWindowRect(bottom->Handle(), &r);
  MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r, (RECT{0, 281, 400, 300}));

  form_->SetClientSize(500, 320);
  EXPECT_EQ(bottom->BoundsRect(), (RECT{0, 301, 500, 320}));
  EXPECT_EQ(client->BoundsRect(), (RECT{0, 0, 500, 301}));
  // A hidden strip takes no room.
  bottom->Hide();
  EXPECT_EQ(client->BoundsRect(), (RECT{0, 0, 500, 320}));
  bottom->Show();
  EXPECT_EQ(client->BoundsRect(), (RECT{0, 0, 500, 301}));
}

TEST_F(WinControlTest, AlignmentWaitsUntilAStoredLayoutIsLoaded) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  StoredLayout layout(*form);
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetClientSize(300, 200);
  auto* client = layout.Add<TPanel>("client");
  client->SetParent(form.get());
  client->SetBounds(0, 0, 300, 181);
  client->SetAlign(TAlign::alClient);
  auto* bottom = layout.Add<TPanel>("bottom");
  bottom->SetParent(form.get());
  bottom->SetBounds(0, 181, 300, 19);
  bottom->SetAlign(TAlign::alBottom);
  // While reading, the stored bounds stand as they were given.
  EXPECT_EQ(client->BoundsRect(), (RECT{0, 0, 300, 181}));
  layout.Finish();
  EXPECT_EQ(client->BoundsRect(), (RECT{0, 0, 300, 181}));
  EXPECT_EQ(bottom->BoundsRect(), (RECT{0, 181, 300, 200}));
  form->SetClientSize(300, 300);
  EXPECT_EQ(client->BoundsRect(), (RECT{0, 0, 300, 281}));
}

// A graphic control that floods far more than its own rectangle.
class Flood : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  TColor color = MakeColor(0, 200, 0);

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(color);
    Canvas().FillRect(RECT{-1000, -1000, 1000, 1000});
  }
};

TEST_F(WinControlTest, GraphicChildrenArePaintedInsideTheirOwnBoundsOnly) {
  auto* panel = Add<TPanel>(form_.get(), 0, 0, 400, 300);
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetColor(clWhite);
  auto* green = Add<Flood>(panel, 50, 40, 30, 20);
  auto* hidden = Add<Flood>(panel, 200, 40, 30, 20);
  hidden->color = MakeColor(200, 0, 0);
  hidden->Hide();
  ShowForm();
  const Bitmap24 shot = test::CaptureClient(panel->Handle());
  const auto isGreen = [](TColor c) { return c == MakeColor(0, 200, 0); };
  const auto isRed = [](TColor c) { return c == MakeColor(200, 0, 0); };
  const RECT all{0, 0, 400, 300};
  EXPECT_EQ(test::BoundsOf(shot, all, isGreen), green->BoundsRect());
  EXPECT_TRUE(test::IsEmpty(test::BoundsOf(shot, all, isRed)));
  EXPECT_EQ(shot.Pixel(10, 10), clWhite);

  // Shown, moved and repainted: the new place only.
  hidden->Show();
  green->SetBounds(100, 100, 10, 10);
  test::PumpMessages(50);
  const Bitmap24 after = test::CaptureClient(panel->Handle());
  EXPECT_EQ(test::BoundsOf(after, all, isGreen), (RECT{100, 100, 110, 110}));
  EXPECT_EQ(test::BoundsOf(after, all, isRed), hidden->BoundsRect());
}

TEST_F(WinControlTest, APaintMessageWithNothingInvalidPaintsNothing) {
  auto* panel = Add<TPanel>(form_.get(), 0, 0, 200, 100);
  ShowForm();
  int paints = 0;
  const TWndMethod inherited = panel->WindowProc;
  panel->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_PAINT) ++paints;
    inherited(m);
  };
  SendMessageW(panel->Handle(), WM_PAINT, 0, 0);  // as Wine sends after a repaint from outside
  EXPECT_EQ(paints, 0);
  InvalidateRect(panel->Handle(), nullptr, FALSE);
  UpdateWindow(panel->Handle());
  EXPECT_EQ(paints, 1);
  RECT stillInvalid;
  EXPECT_FALSE(GetUpdateRect(panel->Handle(), &stillInvalid, FALSE));
  panel->WindowProc = inherited;
}

TEST_F(WinControlTest, AChildTakenFromItsParentLosesItsWindowAndGetsANewOne) {
  auto* panel = Add<TPanel>(form_.get(), 0, 0, 200, 100);
  auto* memo = Add<TMemo>(panel, 10, 10, 100, 50);
  HWND first = memo->Handle();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetParent(first), panel->Handle());
  memo->SetParent(form_.get());
  EXPECT_FALSE(IsWindow(first));
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_EQ(GetParent(memo->Handle()), form_->Handle());
  EXPECT_EQ(TWinControl::FromHandle(memo->Handle()), memo);
  EXPECT_EQ(TWinControl::FromHandle(first), nullptr);
}

TEST_F(WinControlTest, DestroyingAParentDestroysTheWindowsOfItsChildren) {
  auto* panel = new TPanel(nullptr);
  panel->SetParent(form_.get());
  auto* memo = new TMemo(form_.get());
  memo->SetParent(panel);
  HWND memoWnd = memo->Handle();
  ASSERT_TRUE(IsWindow(memoWnd));
  delete panel;
  // The memo, owned by the form, lives on without a window.
  EXPECT_FALSE(IsWindow(memoWnd));
  EXPECT_FALSE(memo->HandleAllocated());
  EXPECT_EQ(memo->Parent(), nullptr);
}

}  // namespace
}  // namespace au
