// The status bar's texts as the platform's control holds them.
#include "ui/status_bar.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/shown_form.h"
#include "ui/wide_text.h"

namespace au {
namespace {

// "Файл: тест" and a few letters more.
const std::string kCyrillic =
    "\u0424\u0430\u0439\u043b: \u0442\u0435\u0441\u0442 \u0401\u0436\u0438\u043a";

class StatusBarTest : public test::ShownFormTest {
 protected:
  StatusBarTest() {
    bar_ = new TStatusBar(form_.get());
    bar_->SetSimplePanel(true);
  }

  // The text of a part as the control reports it.
  std::wstring WindowText(WPARAM part) {
    HWND wnd = bar_->Handle();
    const auto length = LOWORD(SendMessageW(wnd, SB_GETTEXTLENGTHW, part, 0));
    std::wstring text(length + 1u, L'\0');
    SendMessageW(wnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
  }

  // In simple mode the control answers for part 0 with the simple text.
  std::wstring SimpleWindowText() { return WindowText(0); }

  TStatusBar* bar_ = nullptr;
};

TEST_F(StatusBarTest, TheSimpleTextReachesTheControlWholeWhateverTheCodePage) {
  bar_->SetParent(form_.get());
  bar_->SetSimpleText(kCyrillic);
  EXPECT_EQ(bar_->SimpleText(), kCyrillic);
  EXPECT_EQ(SimpleWindowText(), Widen(kCyrillic));
  EXPECT_NE(SendMessageW(bar_->Handle(), SB_ISSIMPLE, 0, 0), 0);
}

TEST_F(StatusBarTest, TextSetBeforeTheWindowExistsIsThereOnceItDoes) {
  bar_->SetSimpleText(kCyrillic);
  EXPECT_FALSE(bar_->HandleAllocated());
  bar_->SetParent(form_.get());
  EXPECT_EQ(SimpleWindowText(), Widen(kCyrillic));
}

TEST_F(StatusBarTest, TheTextSurvivesANewWindow) {
  bar_->SetParent(form_.get());
  bar_->SetSimpleText(kCyrillic);
  HWND before = bar_->Handle();
  bar_->SetSizeGrip(false);
  EXPECT_NE(bar_->Handle(), before);
  EXPECT_EQ(SimpleWindowText(), Widen(kCyrillic));
}

TEST_F(StatusBarTest, PanelsShowTheirOwnTexts) {
  bar_->SetParent(form_.get());
  bar_->SetSimplePanel(false);
  bar_->SetPanels({{"one", 60}, {kCyrillic, 100}});
  EXPECT_EQ(SendMessageW(bar_->Handle(), SB_GETPARTS, 0, 0), 2);
  EXPECT_EQ(WindowText(0), L"one");
  EXPECT_EQ(WindowText(1), Widen(kCyrillic));
}

TEST_F(StatusBarTest, SitsAtTheBottomOfTheForm) {
  bar_->SetParent(form_.get());
  EXPECT_EQ(bar_->Align(), TAlign::alBottom);
  EXPECT_EQ(bar_->Top() + bar_->Height(), form_->ClientHeight());
  EXPECT_EQ(bar_->Width(), form_->ClientWidth());
}

}  // namespace
}  // namespace au
