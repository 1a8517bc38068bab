// The plain speed button's press behaviour, driven through real mouse
// messages to its parent's window, and what a press looks like on screen.
#include "ui/speed_button.h"

#include <gtest/gtest.h>

#include "tests/support/gui_driver.h"
#include "tests/ui/pixel_probe.h"
#include "tests/ui/shown_form.h"
#include "ui/panel.h"

namespace au {
namespace {

using test::ClickAt;
using test::MoveMouseTo;
using test::PumpMessages;
using test::SendMouse;

class SpeedButtonTest : public test::ShownFormTest {
 protected:
  SpeedButtonTest() {
    panel_ = Add<TPanel>(form_.get(), 0, 0, 400, 300);
    button_ = AddButton(40, 40);
  }

  TSpeedButton* AddButton(int left, int top) {
    auto* button = Add<TSpeedButton>(panel_, left, top, 80, 24);
    button->OnClick = [this](TComponent* sender) {
      ++clicks_;
      lastClicked_ = sender;
    };
    return button;
  }

  // Press inside, drag to (x, y) in button coordinates, release there.
  void PressDragRelease(TSpeedButton& button, int x, int y) {
    MoveMouseTo(button, 10, 10);
    SendMouse(button, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    SendMouse(button, WM_MOUSEMOVE, x, y, MK_LBUTTON);
    SendMouse(button, WM_LBUTTONUP, x, y);
  }

  TPanel* panel_ = nullptr;
  TSpeedButton* button_ = nullptr;
  int clicks_ = 0;
  TComponent* lastClicked_ = nullptr;
};

TEST_F(SpeedButtonTest, IsDownWhilePressedUpWhenDraggedOffAndDownAgainWhenBack) {
  ASSERT_NE(panel_->Handle(), nullptr);
  MoveMouseTo(*button_, 10, 10);
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  EXPECT_EQ(button_->State(), TButtonState::bsDown);
  EXPECT_TRUE(button_->Dragging());
  SendMouse(*button_, WM_MOUSEMOVE, 81, 10, MK_LBUTTON);
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  SendMouse(*button_, WM_MOUSEMOVE, 79, 10, MK_LBUTTON);
  EXPECT_EQ(button_->State(), TButtonState::bsDown);
  SendMouse(*button_, WM_MOUSEMOVE, -1, 10, MK_LBUTTON);
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  SendMouse(*button_, WM_MOUSEMOVE, 0, 24, MK_LBUTTON);  // the bottom edge is inside
  EXPECT_EQ(button_->State(), TButtonState::bsDown);
  SendMouse(*button_, WM_MOUSEMOVE, 0, 25, MK_LBUTTON);
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  EXPECT_EQ(clicks_, 0);  // nothing is clicked before the release
  SendMouse(*button_, WM_MOUSEMOVE, 40, 12, MK_LBUTTON);
  SendMouse(*button_, WM_LBUTTONUP, 40, 12);
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  EXPECT_FALSE(button_->Dragging());
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(lastClicked_, button_);
}

TEST_F(SpeedButtonTest, ClicksOnceOnAReleaseInsideTheBottomEdgeIncluded) {
  PressDragRelease(*button_, 79, 24);
  EXPECT_EQ(clicks_, 1);
  PressDragRelease(*button_, 0, 0);
  EXPECT_EQ(clicks_, 2);
}

TEST_F(SpeedButtonTest, DoesNotClickOnAReleaseOutside) {
  for (const POINT p : {POINT{80, 10}, POINT{-1, 10}, POINT{10, 25}, POINT{10, -1}}) {
    PressDragRelease(*button_, p.x, p.y);
    EXPECT_EQ(button_->State(), TButtonState::bsUp) << p.x << "," << p.y;
    EXPECT_FALSE(button_->Dragging());
  }
  EXPECT_EQ(clicks_, 0);
  // The capture ended with the release: a later move elsewhere is not the button's.
  EXPECT_EQ(CaptureControl(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SpeedButtonTest, BothPressesOfADoubleClickAreClicks) {
  MoveMouseTo(*button_, 10, 10);
  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  SendMouse(*button_, WM_LBUTTONUP, 10, 10);
  SendMouse(*button_, WM_LBUTTONDBLCLK, 10, 10, MK_LBUTTON);
  EXPECT_EQ(button_->State(), TButtonState::bsDown);
  SendMouse(*button_, WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks_, 2);
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
}

TEST_F(SpeedButtonTest, ADisabledButtonIgnoresPresses) {
  int parentPresses = 0;
  panel_->OnMouseDown = [&](TComponent*, TMouseButton, int, int) { ++parentPresses; };
  button_->SetEnabled(false);
  EXPECT_EQ(button_->State(), TButtonState::bsDisabled);
  ClickAt(*button_, 10, 10);
  EXPECT_EQ(button_->State(), TButtonState::bsDisabled);
  EXPECT_FALSE(button_->Dragging());
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(parentPresses, 1);  // the press went to what lies under the button
  button_->SetEnabled(true);
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  ClickAt(*button_, 10, 10);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(parentPresses, 1);
}

TEST_F(SpeedButtonTest, AButtonDisabledWhilePressedDoesNotClick) {
  MoveMouseTo(*button_, 10, 10);
  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  button_->SetEnabled(false);
  SendMouse(*button_, WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(button_->State(), TButtonState::bsDisabled);
}

TEST_F(SpeedButtonTest, ARightClickDuringAPressLeavesTheDragItsCapture) {
  MoveMouseTo(*button_, 10, 10);
  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  SendMouse(*button_, WM_RBUTTONDOWN, 10, 10, MK_LBUTTON | MK_RBUTTON);
  SendMouse(*button_, WM_RBUTTONUP, 10, 10, MK_LBUTTON);
  EXPECT_EQ(CaptureControl(), button_);
  EXPECT_EQ(GetCapture(), panel_->Handle());
  SendMouse(*button_, WM_MOUSEMOVE, 200, 10, MK_LBUTTON);
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  SendMouse(*button_, WM_LBUTTONUP, 200, 10);
  EXPECT_FALSE(button_->Dragging());
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SpeedButtonTest, APressWhoseCaptureIsTakenAwayIsOver) {
  MoveMouseTo(*button_, 10, 10);
  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  ASSERT_EQ(button_->State(), TButtonState::bsDown);
  // Another window takes the mouse, as a menu or a dialog would.
  SetCapture(form_->Handle());
  EXPECT_FALSE(button_->Dragging());
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  EXPECT_EQ(CaptureControl(), nullptr);
  ReleaseCapture();
  // The release that comes later is no click.
  SendMouse(*button_, WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(clicks_, 0);
  // The next press is an ordinary one.
  ClickAt(*button_, 10, 10);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(SpeedButtonTest, AGroupedButtonLatchesDownAndRaisesTheOthersOfItsGroup) {
  TSpeedButton* second = AddButton(140, 40);
  TSpeedButton* other = AddButton(240, 40);  // another group
  for (TSpeedButton* b : {button_, second}) b->SetGroupIndex(1);
  other->SetGroupIndex(2);
  ClickAt(*other, 10, 10);
  ASSERT_TRUE(other->Down());

  ClickAt(*button_, 10, 10);
  EXPECT_TRUE(button_->Down());
  EXPECT_EQ(button_->State(), TButtonState::bsExclusive);
  ClickAt(*second, 10, 10);
  EXPECT_TRUE(second->Down());
  EXPECT_EQ(second->State(), TButtonState::bsExclusive);
  EXPECT_FALSE(button_->Down());
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  EXPECT_TRUE(other->Down());  // other groups are left alone
  EXPECT_EQ(clicks_, 3);

  // Without AllowAllUp a second click leaves it down, and still clicks.
  ClickAt(*second, 10, 10);
  EXPECT_TRUE(second->Down());
  EXPECT_EQ(second->State(), TButtonState::bsExclusive);
  EXPECT_EQ(clicks_, 4);
}

TEST_F(SpeedButtonTest, AllowAllUpLetsTheLastButtonOfAGroupGoUp) {
  TSpeedButton* second = AddButton(140, 40);
  for (TSpeedButton* b : {button_, second}) {
    b->SetGroupIndex(3);
    b->SetAllowAllUp(true);
  }
  ClickAt(*button_, 10, 10);
  ASSERT_TRUE(button_->Down());
  ClickAt(*button_, 10, 10);
  EXPECT_FALSE(button_->Down());
  EXPECT_FALSE(second->Down());
  EXPECT_EQ(button_->State(), TButtonState::bsUp);
  EXPECT_EQ(clicks_, 2);
}

TEST_F(SpeedButtonTest, ADownGroupedButtonStaysDownWhenReleasedOutside) {
  button_->SetGroupIndex(1);
  button_->SetAllowAllUp(true);
  ClickAt(*button_, 10, 10);
  ASSERT_TRUE(button_->Down());
  MoveMouseTo(*button_, 10, 10);
  SendMouse(*button_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  SendMouse(*button_, WM_MOUSEMOVE, 200, 10, MK_LBUTTON);
  EXPECT_EQ(button_->State(), TButtonState::bsExclusive);
  SendMouse(*button_, WM_LBUTTONUP, 200, 10);
  EXPECT_TRUE(button_->Down());
  EXPECT_EQ(button_->State(), TButtonState::bsExclusive);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(SpeedButtonTest, SettingDownRaisesTheOthersAndNeedsAGroup) {
  TSpeedButton* second = AddButton(140, 40);
  button_->SetDown(true);
  EXPECT_FALSE(button_->Down());  // without a group a button cannot latch
  for (TSpeedButton* b : {button_, second}) b->SetGroupIndex(5);
  button_->SetDown(true);
  second->SetDown(true);
  EXPECT_FALSE(button_->Down());
  EXPECT_TRUE(second->Down());
  EXPECT_EQ(clicks_, 0);  // setting Down is not a click
}

// The colours that the offset test looks for: the glyph's own red and the
// caption's black.
constexpr TColor kGlyphRed = MakeColor(255, 0, 0);

bool IsGlyphRed(TColor c) {
  return c == kGlyphRed;
}

bool IsCaptionInk(TColor c) {
  return RedOf(c) < 96 && GreenOf(c) < 96 && BlueOf(c) < 96;
}

// A 12×12 red square inside a magenta frame (the bottom-left pixel, so the
// transparent colour).
Bitmap24 RedSquareGlyph() {
  Bitmap24 glyph(16, 16);
  glyph.Fill(clMagenta);
  for (int y = 2; y < 14; ++y) {
    for (int x = 2; x < 14; ++x) glyph.SetPixel(x, y, kGlyphRed);
  }
  return glyph;
}

RECT Shifted(RECT r, int d) {
  OffsetRect(&r, d, d);
  return r;
}

TEST_F(SpeedButtonTest, ThePressedFaceShowsCaptionAndGlyphOnePixelRightAndDown) {
  button_->SetBounds(40, 40, 120, 30);
  button_->SetCaption("Press");
  button_->SetGlyph(RedSquareGlyph());
  button_->Font().SetColor(clBlack);
  ShowForm();
  // Inside the button's edges, which change from raised to sunken.
  const RECT face{42, 42, 158, 68};
  const Bitmap24 up = test::CaptureClient(panel_->Handle());
  const RECT glyphUp = test::BoundsOf(up, face, IsGlyphRed);
  const RECT textUp = test::BoundsOf(up, face, IsCaptionInk);
  ASSERT_FALSE(test::IsEmpty(glyphUp));
  ASSERT_FALSE(test::IsEmpty(textUp));
  EXPECT_EQ(glyphUp.right - glyphUp.left, 12);  // the magenta frame is transparent
  EXPECT_LT(glyphUp.right, textUp.left);        // glyph left of the caption

  MoveMouseTo(*button_, 60, 15);
  SendMouse(*button_, WM_LBUTTONDOWN, 60, 15, MK_LBUTTON);
  PumpMessages(50);
  const Bitmap24 down = test::CaptureClient(panel_->Handle());
  EXPECT_EQ(test::BoundsOf(down, face, IsGlyphRed), Shifted(glyphUp, 1));
  EXPECT_EQ(test::BoundsOf(down, face, IsCaptionInk), Shifted(textUp, 1));

  // Dragged off, the face goes back.
  SendMouse(*button_, WM_MOUSEMOVE, 200, 15, MK_LBUTTON);
  PumpMessages(50);
  const Bitmap24 off = test::CaptureClient(panel_->Handle());
  EXPECT_EQ(test::BoundsOf(off, face, IsGlyphRed), glyphUp);
  EXPECT_EQ(test::BoundsOf(off, face, IsCaptionInk), textUp);
  SendMouse(*button_, WM_LBUTTONUP, 200, 15);
}

}  // namespace
}  // namespace au
