// The skinned memo under Wine: its overlay bars follow the edit control and
// scroll it, its frame is the skin's, and without the skin it is the plain
// edit control again, text and all.
#include "controls/ts_memo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/core/command_line.h"
#include "app/main_form.h"
#include "tests/controls/skinned_panel_form.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/pixel_probe.h"

namespace au {
namespace {

using test::PumpMessages;

// 300 lines, every fifth one wider than any memo of these tests.
std::string LongText() {
  std::string text;
  for (int i = 0; i < 300; ++i) {
    if (i > 0) text += "\r\n";
    text += "Line " + std::to_string(i);
    if (i % 5 == 0) {
      for (int k = 0; k < 8; ++k) text += " the quick brown fox jumps over the lazy dog";
    }
  }
  return text;
}

int FirstVisibleLine(TMemo& memo) {
  return static_cast<int>(SendMessageA(memo.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

SCROLLINFO EditScrollInfo(TMemo& memo, int bar) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(memo.Handle(), bar, &info);
  return info;
}

TColor WindowPixel(HWND wnd, int x, int y) {
  WindowDc dc(wnd, true);
  return static_cast<TColor>(GetPixel(dc.Get(), x, y));
}

class MemoTest : public test::SkinnedPanelForm {
 protected:
  MemoTest() {
    memo_ = Add<TsMemo>(panel_, 10, 10, 300, 200);
    memo_->SetName("Memo1");
    memo_->SetScrollBars(TScrollStyle::ssBoth);
    memo_->SetWordWrap(false);
    memo_->SetText(LongText());
    ShowForm();
  }

  TsScrollBar* Vertical() const { return memo_->VerticalScrollBar(); }
  TsScrollBar* Horizontal() const { return memo_->HorizontalScrollBar(); }

  TsMemo* memo_ = nullptr;
};

TEST_F(MemoTest, OverlayBarsCoverTheEditControlsOwnBarsAndShowItsRange) {
  ASSERT_NE(Vertical(), nullptr);
  ASSERT_NE(Horizontal(), nullptr);
  const int hHeight = GetSystemMetrics(SM_CYHSCROLL);
  const int vWidth = GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(Vertical()->Parent(), panel_);
  EXPECT_TRUE(Vertical()->Visible());
  EXPECT_TRUE(Vertical()->Skinned());
  EXPECT_EQ(Vertical()->BoundsRect(),
            (RECT{10 + 300 - Vertical()->Width() - 2, 12, 308, 12 + 200 - 4 - hHeight}));
  EXPECT_EQ(Horizontal()->BoundsRect(),
            (RECT{12, 10 + 200 - hHeight - 2, 12 + 300 - 4 - vWidth, 208}));
  const SCROLLINFO info = EditScrollInfo(*memo_, SB_VERT);
  EXPECT_TRUE(Vertical()->Enabled());
  EXPECT_EQ(Vertical()->Max(), info.nMax - static_cast<int>(info.nPage) + 1);
  EXPECT_EQ(Vertical()->PageSize(), static_cast<int>(info.nPage));
  EXPECT_EQ(Vertical()->LargeChange(), static_cast<int>(info.nPage));
  EXPECT_TRUE(Horizontal()->Enabled());
  // On top of the memo, so that the edit control's own bars stay hidden.
  EXPECT_EQ(GetWindow(memo_->Handle(), GW_HWNDPREV) != nullptr, true);
  HWND above = GetWindow(memo_->Handle(), GW_HWNDPREV);
  bool barAbove = false;
  for (; above != nullptr; above = GetWindow(above, GW_HWNDPREV)) {
    barAbove = barAbove || above == Vertical()->Handle();
  }
  EXPECT_TRUE(barAbove);
}

TEST_F(MemoTest, MovingAnOverlayBarScrollsTheEditControl) {
  ASSERT_NE(Vertical(), nullptr);
  int vScrolls = 0;
  memo_->OnVScroll = [&](TComponent*) { ++vScrolls; };
  Vertical()->SetPosition(50);
  EXPECT_EQ(FirstVisibleLine(*memo_), 50);
  EXPECT_GT(vScrolls, 0);
  // The down arrow, pressed as a person would.
  const int y = Vertical()->Height() - 3;
  test::SendMouse(*Vertical(), WM_LBUTTONDOWN, 5, y, MK_LBUTTON);
  test::SendMouse(*Vertical(), WM_LBUTTONUP, 5, y);
  EXPECT_EQ(FirstVisibleLine(*memo_), 51);
  EXPECT_EQ(Vertical()->Position(), 51);
  Horizontal()->SetPosition(40);
  EXPECT_EQ(EditScrollInfo(*memo_, SB_HORZ).nPos, 40);
  // The text itself is untouched.
  EXPECT_EQ(memo_->Text(), LongText());
}

TEST_F(MemoTest, ScrollingOrTypingInTheEditControlMovesTheOverlaySlider) {
  ASSERT_NE(Vertical(), nullptr);
  const int startCentre = Vertical()->Layout().SliderCenter();
  SendMessageW(memo_->Handle(), WM_KEYDOWN, VK_NEXT, 0);
  SendMessageW(memo_->Handle(), WM_KEYDOWN, VK_NEXT, 0);
  PumpMessages(30);
  EXPECT_GT(FirstVisibleLine(*memo_), 0);
  EXPECT_EQ(Vertical()->Position(), FirstVisibleLine(*memo_));
  EXPECT_GT(Vertical()->Layout().SliderCenter(), startCentre);
  SendMessageW(memo_->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(Vertical()->Position(), Vertical()->Max());
  // Typing at the end of the text keeps the bars in step.
  const int length = static_cast<int>(memo_->Text().size());
  SendMessageA(memo_->Handle(), EM_SETSEL, 0, 0);
  SendMessageA(memo_->Handle(), EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(Vertical()->Position(), 0);
  EXPECT_EQ(Horizontal()->Position(), 0);
  SendMessageA(memo_->Handle(), EM_SETSEL, length, length);
  SendMessageW(memo_->Handle(), WM_CHAR, 'x', 0);
  EXPECT_EQ(Vertical()->Position(), FirstVisibleLine(*memo_));
  EXPECT_EQ(Vertical()->Position(), Vertical()->Max());
  EXPECT_EQ(Horizontal()->Position(), EditScrollInfo(*memo_, SB_HORZ).nPos);
  EXPECT_EQ(memo_->Text(), LongText() + "x");
}

TEST_F(MemoTest, KeepingTheBarsInStepNeverScrollsTheEditControl) {
  ASSERT_NE(Horizontal(), nullptr);
  // The caret at the end of a long last line scrolls the text as far as the
  // edit control likes, which may lie beyond what its scroll range admits.
  memo_->SetText(LongText() + "\r\n" + std::string(400, 'w'));
  const int length = static_cast<int>(memo_->Text().size());
  SendMessageA(memo_->Handle(), EM_SETSEL, length, length);
  SendMessageA(memo_->Handle(), EM_SCROLLCARET, 0, 0);
  PumpMessages(30);
  const int across = EditScrollInfo(*memo_, SB_HORZ).nPos;
  EXPECT_GT(across, 0);
  Vertical()->SetPosition(0);
  PumpMessages(30);
  EXPECT_EQ(FirstVisibleLine(*memo_), 0);
  EXPECT_EQ(EditScrollInfo(*memo_, SB_HORZ).nPos, across);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(memo_->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, static_cast<DWORD>(length));
  EXPECT_EQ(end, static_cast<DWORD>(length));
}

TEST_F(MemoTest, AMemoFifteenPixelsWideOrLessHasNoOverlayBars) {
  memo_->SetBounds(10, 10, 15, 200);
  PumpMessages(30);
  EXPECT_EQ(Vertical(), nullptr);
  EXPECT_EQ(Horizontal(), nullptr);
  memo_->SetBounds(10, 10, 300, 15);
  PumpMessages(30);
  EXPECT_EQ(Vertical(), nullptr);
  memo_->SetBounds(10, 10, 300, 200);
  PumpMessages(30);
  EXPECT_NE(Vertical(), nullptr);
  EXPECT_NE(Horizontal(), nullptr);
  memo_->SetVisible(false);
  EXPECT_EQ(Vertical(), nullptr);
}

TEST_F(MemoTest, WrappedCentredTextDisablesTheHorizontalBar) {
  memo_->SetWordWrap(true);
  memo_->SetAlignment(TAlignment::taCenter);
  PumpMessages(50);
  ASSERT_NE(Horizontal(), nullptr);
  EXPECT_FALSE(Horizontal()->Enabled());
  ASSERT_NE(Vertical(), nullptr);
  EXPECT_TRUE(Vertical()->Enabled());
}

TEST_F(MemoTest, ADisabledBarOfAnEnabledMemoShowsNoSliderAndCentresIt) {
  ASSERT_NE(Vertical(), nullptr);
  const int width = Vertical()->Width();
  const int height = Vertical()->Height();
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  const Bitmap24 enabled = test::CaptureClient(Vertical()->Handle());
  memo_->SetText("short");
  PumpMessages(50);
  ASSERT_NE(Vertical(), nullptr);
  EXPECT_FALSE(Vertical()->Enabled());
  EXPECT_EQ(Vertical()->Layout().SliderCenter(), height / 2);
  const Bitmap24 disabled = test::CaptureClient(Vertical()->Handle());
  // Between the arrows every row looks the same, but where the two track parts meet.
  const auto rowOf = [&](const Bitmap24& shot, int y) {
    std::vector<TColor> row;
    for (int x = 0; x < width; ++x) row.push_back(shot.Pixel(x, y));
    return row;
  };
  int rowsLikeTheTrack = 0;
  int rows = 0;
  for (int y = arrow + 10; y < height - arrow - 10; ++y) {
    if (y > height / 2 - 10 && y < height / 2 + 10) continue;
    ++rows;
    rowsLikeTheTrack += rowOf(disabled, y) == rowOf(disabled, arrow + 9) ? 1 : 0;
  }
  EXPECT_EQ(rowsLikeTheTrack, rows);
  // The enabled bar showed its slider at the top, where the disabled one has none.
  EXPECT_NE(rowOf(enabled, arrow + 3), rowOf(disabled, arrow + 3));
}

TEST_F(MemoTest, TheFrameIsPaintedFromTheSectionAroundTheEditControl) {
  ASSERT_NE(Vertical(), nullptr);
  PumpMessages(50);
  const Bitmap24& cache = *memo_->SkinData().CacheBitmap;
  ASSERT_EQ(cache.Width(), 300);
  HWND wnd = memo_->Handle();
  for (POINT p : {POINT{0, 0}, POINT{1, 1}, POINT{150, 0}, POINT{0, 100}, POINT{299, 100},
                  POINT{150, 199}, POINT{298, 198}}) {
    EXPECT_EQ(WindowPixel(wnd, p.x, p.y), cache.Pixel(p.x, p.y)) << p.x << "," << p.y;
  }
  // The section's border, not the text background.
  EXPECT_NE(cache.Pixel(0, 100), clWhite);
  // The corner between the two bars takes the text background.
  const int corner = 300 - 2 - Vertical()->Width() / 2;
  EXPECT_EQ(WindowPixel(wnd, corner, 200 - 2 - Horizontal()->Height() / 2),
            ResolveColor(memo_->Color()));
}

TEST_F(MemoTest, RemovingTheSkinBringsBackThePlatformsBarsWithTheText) {
  ASSERT_NE(Vertical(), nullptr);
  HWND before = memo_->Handle();
  manager_->SetActive(false);
  PumpMessages(50);
  EXPECT_EQ(Vertical(), nullptr);
  EXPECT_EQ(Horizontal(), nullptr);
  EXPECT_NE(memo_->Handle(), before);
  EXPECT_EQ(memo_->Text(), LongText());
  const LONG_PTR style = GetWindowLongPtrW(memo_->Handle(), GWL_STYLE);
  EXPECT_NE(style & WS_VSCROLL, 0);
  EXPECT_NE(style & WS_HSCROLL, 0);
  // Nothing of ours is left over the memo.
  for (int i = 0; i < panel_->ControlCount(); ++i) {
    EXPECT_EQ(dynamic_cast<TsScrollBar*>(panel_->Controls(i)), nullptr);
  }
  manager_->SetActive(true);
  PumpMessages(50);
  EXPECT_NE(Vertical(), nullptr);
  EXPECT_EQ(memo_->Text(), LongText());
}

TEST(MainWindowMemos, GetTheirOverlayBarsWithTheInternalSkin) {
  test::TempFolder folder;
  const std::wstring path = folder.File(L"long.txt");
  test::WriteBytes(path, LongText());
  const std::wstring line = L"ansi2utf8.exe \"" + path + L"\"";
  std::unique_ptr<TForm1> form(
      Application()->CreateForm<TForm1>(CommandLineArgs(std::u16string(line.begin(), line.end()))));
  form->Show();
  PumpMessages(100);
  for (TsMemo* memo : {form->sMemo1, form->sMemo2}) {
    ASSERT_NE(memo->VerticalScrollBar(), nullptr);
    ASSERT_NE(memo->HorizontalScrollBar(), nullptr);
    EXPECT_EQ(memo->VerticalScrollBar()->Parent(), form->sPanel1);
    EXPECT_TRUE(memo->VerticalScrollBar()->Skinned());
  }
  // The loaded file has something to scroll; the lower memo's single space not.
  EXPECT_TRUE(form->sMemo1->VerticalScrollBar()->Enabled());
  EXPECT_FALSE(form->sMemo2->VerticalScrollBar()->Enabled());
  form->sSpeedButton1->Click();
  PumpMessages(50);
  EXPECT_TRUE(form->sMemo2->VerticalScrollBar()->Enabled());
}

}  // namespace
}  // namespace au
