// Forms: their size and place on screen, where the focus goes and in which
// order controls hear about it, and closing the main form.
#include "ui/form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/gui_driver.h"
#include "tests/ui/shown_form.h"
#include "ui/memo.h"

namespace au {
namespace {

using test::PumpMessages;
using test::SendMouse;

using Journal = std::vector<std::string>;

TEST(FormGeometry, ADialogFormHasExactlyTheClientSizeItWasGiven) {
  std::unique_ptr<TForm> form(Application()->CreateForm<TForm>());
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetClientSize(688, 404);
  HWND wnd = form->Handle();
  ASSERT_NE(wnd, nullptr);
  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 688);
  EXPECT_EQ(client.bottom, 404);
  EXPECT_EQ(form->ClientWidth(), 688);
  EXPECT_EQ(form->ClientHeight(), 404);
  // A dialog frame: a caption with the system menu, no sizing border, no
  // minimise or maximise box.
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);

  form->SetClientSize(300, 200);
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
}

TEST(FormGeometry, TheBorderStyleMayChangeAfterTheClientSize) {
  std::unique_ptr<TForm> form(Application()->CreateForm<TForm>());
  form->SetClientSize(320, 240);
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 240);
}

TEST(FormGeometry, AShownFormStaysShownAndInPlaceWhenItsBorderStyleChanges) {
  std::unique_ptr<TForm> form(Application()->CreateForm<TForm>());
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetClientSize(320, 240);
  form->SetBounds(100, 80, form->Width(), form->Height());
  form->Show();
  PumpMessages();
  HWND before = form->Handle();
  form->SetBorderStyle(TFormBorderStyle::bsSingle);
  EXPECT_NE(form->Handle(), before);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(form->ClientWidth(), 320);
  EXPECT_EQ(form->ClientHeight(), 240);
}

TEST(FormGeometry, IsCentredOnTheDesktopWhenShown) {
  std::unique_ptr<TForm> form(Application()->CreateForm<TForm>());
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetClientSize(688, 404);
  form->SetBounds(233, 103, form->Width(), form->Height());
  form->SetPosition(TPosition::poDesktopCenter);
  form->Show();
  PumpMessages();
  RECT r;
  GetWindowRect(form->Handle(), &r);
  const int desktopX = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int desktopY = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int desktopW = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int desktopH = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  // Equal margins left and right, top and bottom (one pixel of rounding).
  EXPECT_LE(std::abs((r.left - desktopX) - (desktopX + desktopW - r.right)), 1);
  EXPECT_LE(std::abs((r.top - desktopY) - (desktopY + desktopH - r.bottom)), 1);
  EXPECT_EQ(form->Left(), r.left);
  EXPECT_EQ(form->Top(), r.top);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(form->Visible());
}

class FormFocusTest : public test::ShownFormTest {
 protected:
  FormFocusTest() {
    memo1_ = AddMemo("memo1", 8);
    memo2_ = AddMemo("memo2", 150);
  }

  TMemo* AddMemo(const char* name, int top) {
    auto* memo = Add<TMemo>(form_.get(), 8, top, 300, 100);
    memo->SetName(name);
    memo->OnEnter = [this](TComponent* c) { journal_.push_back("enter " + c->Name()); };
    memo->OnExit = [this](TComponent* c) { journal_.push_back("exit " + c->Name()); };
    return memo;
  }

  TMemo* memo1_ = nullptr;
  TMemo* memo2_ = nullptr;
  Journal journal_;
};

TEST_F(FormFocusTest, ShowingTheFormFocusesItsActiveControl) {
  form_->SetActiveControl(memo2_);
  ShowForm();
  EXPECT_EQ(GetFocus(), memo2_->Handle());
  EXPECT_TRUE(memo2_->Focused());
  EXPECT_EQ(journal_, Journal{"enter memo2"});
}

TEST_F(FormFocusTest, TheControlLosingTheFocusHearsOfItBeforeTheOneGainingIt) {
  form_->SetActiveControl(memo1_);
  ShowForm();
  journal_.clear();
  memo2_->SetFocus();
  EXPECT_EQ(journal_, (Journal{"exit memo1", "enter memo2"}));
  EXPECT_EQ(form_->ActiveControl(), memo2_);
  memo1_->SetFocus();
  EXPECT_EQ(journal_, (Journal{"exit memo1", "enter memo2", "exit memo2", "enter memo1"}));
  EXPECT_EQ(form_->ActiveControl(), memo1_);
  // Focusing the focused control again tells nobody anything.
  memo1_->SetFocus();
  EXPECT_EQ(journal_.size(), 4u);
}

TEST_F(FormFocusTest, SettingTheActiveControlOfAShownFormFocusesIt) {
  form_->SetActiveControl(memo1_);
  ShowForm();
  form_->SetActiveControl(memo2_);
  EXPECT_EQ(GetFocus(), memo2_->Handle());
}

TEST_F(FormFocusTest, EnteringByAPressRunsOnEnterAfterThePressIsHandled) {
  // What OnEnter does (here: select everything, as the converter does) must
  // not be undone by the edit control's own handling of the press that moved
  // the focus.
  memo2_->SetText("first line\r\nsecond line");
  memo2_->OnEnter = [this](TComponent*) { memo2_->SelectAll(); };
  form_->SetActiveControl(memo1_);
  ShowForm();
  SendMouse(*memo2_, WM_LBUTTONDOWN, 20, 10, MK_LBUTTON);
  SendMouse(*memo2_, WM_LBUTTONUP, 20, 10);
  EXPECT_EQ(GetFocus(), memo2_->Handle());
  EXPECT_EQ(memo2_->SelStart(), 0);
  EXPECT_EQ(memo2_->SelLength(), static_cast<int>(memo2_->Text().size()));
}

TEST_F(FormFocusTest, ADestroyedActiveControlIsForgotten) {
  form_->SetActiveControl(memo2_);
  ShowForm();
  delete memo2_;
  EXPECT_EQ(form_->ActiveControl(), nullptr);
  // Activating the form again must not reach for the destroyed control.
  SendMessageW(form_->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  memo1_->SetFocus();
  EXPECT_EQ(form_->ActiveControl(), memo1_);
}

// Set when the message loop of the close test had to be ended from outside.
bool gLoopGaveUp = false;
void CALLBACK EndLoopFromOutside(HWND, UINT, UINT_PTR, DWORD) {
  gLoopGaveUp = true;
  PostQuitMessage(1);
}

TEST(FormClose, ClosingTheMainFormEndsTheMessageLoop) {
  std::unique_ptr<TForm> form(Application()->CreateForm<TForm>());
  ASSERT_EQ(Application()->MainForm(), form.get());
  form->SetClientSize(200, 100);
  // Should the loop not end, this ends it instead, and the test fails.
  const UINT_PTR guard = SetTimer(nullptr, 0, 10000, &EndLoopFromOutside);
  PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  Application()->Run();
  KillTimer(nullptr, guard);
  EXPECT_FALSE(gLoopGaveUp);
  EXPECT_TRUE(Application()->Terminated());
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

}  // namespace
}  // namespace au
