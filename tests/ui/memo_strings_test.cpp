// A memo's line list: every operation is a request to the edit control, so
// these tests check the control's text after each one.
#include "ui/memo_strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/shown_form.h"
#include "ui/memo.h"

namespace au {
namespace {

class MemoLinesTest : public test::ShownFormTest {
 protected:
  MemoLinesTest() {
    memo_ = Add<TMemo>(form_.get(), 8, 8, 300, 200);
    memo_->SetWordWrap(false);
  }

  // Sets the control's text directly, past the line list.
  void Given(const std::string& text) {
    SendMessageA(memo_->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  std::string Text() { return memo_->Text(); }
  TStrings& Lines() { return memo_->Lines(); }

  TMemo* memo_ = nullptr;
};

TEST_F(MemoLinesTest, CountLeavesOutAnEmptyLastLine) {
  EXPECT_EQ(Lines().Count(), 0);  // an empty memo
  Given("one");
  EXPECT_EQ(Lines().Count(), 1);
  Given("one\r\ntwo");
  EXPECT_EQ(Lines().Count(), 2);
  Given("one\r\ntwo\r\n");
  EXPECT_EQ(Lines().Count(), 2);
  Given("one\r\n\r\ntwo");
  EXPECT_EQ(Lines().Count(), 3);
  Given("\r\n");
  EXPECT_EQ(Lines().Count(), 1);
}

TEST_F(MemoLinesTest, CountOfAMemoWithoutWindowIsZero) {
  TMemo loose(nullptr);
  EXPECT_EQ(loose.Lines().Count(), 0);
  EXPECT_FALSE(loose.HandleAllocated());
}

TEST_F(MemoLinesTest, GetReturnsALineWithoutItsBreakCutAt4096Bytes) {
  const std::string longLine(5000, 'x');
  const std::string exact(4096, 'y');
  Given("first\r\n" + longLine + "\r\n" + exact + "\r\nlast");
  EXPECT_EQ(Lines().Get(0), "first");
  EXPECT_EQ(Lines().Get(1), std::string(4096, 'x'));
  EXPECT_EQ(Lines().Get(2), exact);
  EXPECT_EQ(Lines().Get(3), "last");
  EXPECT_EQ(Lines().Get(4), "");  // no such line
}

TEST_F(MemoLinesTest, PutReplacesOneLineAndKeepsTheBreaks) {
  Given("a\r\nbb\r\nc");
  Lines().Put(1, "XYZ");
  EXPECT_EQ(Text(), "a\r\nXYZ\r\nc");
  Lines().Put(2, "");
  EXPECT_EQ(Text(), "a\r\nXYZ\r\n");
  Lines().Put(7, "nowhere");
  EXPECT_EQ(Text(), "a\r\nXYZ\r\n");
}

TEST_F(MemoLinesTest, NegativeIndexesChangeNothing) {
  // The edit control reads line -1 as the line that holds the caret.
  Given("a\r\nbb\r\nc");
  SendMessageA(memo_->Handle(), EM_SETSEL, 4, 4);  // caret in "bb"
  Lines().Put(-1, "XYZ");
  Lines().Insert(-1, "XYZ");
  Lines().Delete(-1);
  EXPECT_EQ(Text(), "a\r\nbb\r\nc");
  EXPECT_EQ(Lines().Get(-1), "");
}

TEST_F(MemoLinesTest, InsertBeforeALine) {
  Given("a\r\nc");
  Lines().Insert(1, "b");
  EXPECT_EQ(Text(), "a\r\nb\r\nc");
  Lines().Insert(0, "0");
  EXPECT_EQ(Text(), "0\r\na\r\nb\r\nc");
}

TEST_F(MemoLinesTest, InsertAtTheEndOfATextWithoutFinalBreak) {
  Given("a\r\nb");
  Lines().Insert(2, "c");
  EXPECT_EQ(Text(), "a\r\nb\r\nc");
  EXPECT_EQ(Lines().Count(), 3);
}

TEST_F(MemoLinesTest, InsertAtTheEndOfATextWithFinalBreak) {
  Given("a\r\nb\r\n");
  Lines().Insert(2, "c");
  EXPECT_EQ(Text(), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(Lines().Count(), 3);
  // Past the end after an empty last line: nothing happens.
  Given("a\r\n\r\n");
  Lines().Insert(3, "z");
  EXPECT_EQ(Text(), "a\r\n\r\n");
}

TEST_F(MemoLinesTest, InsertIntoAnEmptyMemo) {
  Lines().Insert(0, "only");
  EXPECT_EQ(Text(), "only\r\n");
  EXPECT_EQ(Lines().Count(), 1);
  EXPECT_EQ(Lines().Get(0), "only");
  // Adding goes on at the end.
  Lines().Add("next");
  EXPECT_EQ(Text(), "only\r\nnext\r\n");
}

TEST_F(MemoLinesTest, DeleteRemovesALineWithItsBreak) {
  Given("a\r\nb\r\nc");
  Lines().Delete(1);
  EXPECT_EQ(Text(), "a\r\nc");
  Lines().Delete(0);
  EXPECT_EQ(Text(), "c");
  Lines().Delete(3);
  EXPECT_EQ(Text(), "c");
}

TEST_F(MemoLinesTest, DeletingTheLastLineKeepsTheBreakBeforeIt) {
  Given("a\r\nb");
  Lines().Delete(1);
  EXPECT_EQ(Text(), "a\r\n");
  EXPECT_EQ(Lines().Count(), 1);
  Given("a\r\nb\r\n");
  Lines().Delete(1);
  EXPECT_EQ(Text(), "a\r\n");
}

TEST_F(MemoLinesTest, ClearEmptiesTheControl) {
  Given("a\r\nb");
  Lines().Clear();
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(Lines().Count(), 0);
}

TEST_F(MemoLinesTest, TheTextIsExactlyWhatTheControlHolds) {
  Given("no final break");
  EXPECT_EQ(Lines().GetText(), "no final break");
  Given("final break\r\n");
  EXPECT_EQ(Lines().GetText(), "final break\r\n");
  const std::string big(100000, 'q');
  Given(big);
  EXPECT_EQ(Lines().GetText(), big);
}

// Records the messages of the kinds given that reach the memo's window
// procedure, then lets the memo handle them.
class MessageLog {
 public:
  MessageLog(TControl& control, std::vector<UINT> kinds)
      : control_(control), kinds_(std::move(kinds)), next_(control.WindowProc) {
    control.WindowProc = [this](TMessage& m) {
      if (std::find(kinds_.begin(), kinds_.end(), m.Msg) != kinds_.end()) {
        seen_.push_back({m.Msg, m.WParam});
      }
      next_(m);
    };
  }
  ~MessageLog() { control_.WindowProc = next_; }
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  const std::vector<std::pair<UINT, WPARAM>>& Seen() const { return seen_; }
  int Count(UINT msg) const {
    return static_cast<int>(
        std::count_if(seen_.begin(), seen_.end(), [msg](const auto& s) { return s.first == msg; }));
  }

 private:
  TControl& control_;
  std::vector<UINT> kinds_;
  TWndMethod next_;
  std::vector<std::pair<UINT, WPARAM>> seen_;
};

TEST_F(MemoLinesTest, SetTextNormalisesBreaksAndSendsNothingWhenUnchanged) {
  MessageLog log(*memo_, {WM_SETTEXT, CM_TEXTCHANGED});
  Lines().SetText("a\nb\rc\r\nd\n\re");
  EXPECT_EQ(Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
  EXPECT_EQ(log.Count(WM_SETTEXT), 1);
  EXPECT_EQ(log.Count(CM_TEXTCHANGED), 1);
  Lines().SetText("a\r\nb\nc\r\nd\r\n\re");  // the same once normalised
  EXPECT_EQ(log.Count(WM_SETTEXT), 1);
  EXPECT_EQ(log.Count(CM_TEXTCHANGED), 1);
}

TEST_F(MemoLinesTest, ATextOfAnotherLengthReplacesTheOldOneWithoutFetchingIt) {
  Given(std::string(100000, 'q'));
  MessageLog log(*memo_, {WM_GETTEXT, WM_SETTEXT});
  memo_->SetText("short");
  EXPECT_EQ(log.Count(WM_GETTEXT), 0);
  EXPECT_EQ(log.Count(WM_SETTEXT), 1);
  Lines().SetText("other");  // as long as the text held: compared, then replaced
  EXPECT_GT(log.Count(WM_GETTEXT), 0);
  EXPECT_EQ(log.Count(WM_SETTEXT), 2);
  memo_->SetText("other");
  EXPECT_EQ(log.Count(WM_SETTEXT), 2);
  EXPECT_EQ(Text(), "other");
}

TEST_F(MemoLinesTest, ARefusedTextIsAFailureAndTheFormerTextStays) {
  Given("kept");
  MessageLog log(*memo_, {CM_TEXTCHANGED});
  // As an edit control that has no memory left for the text.
  const TWndMethod handle = memo_->WindowProc;
  memo_->WindowProc = [&handle](TMessage& m) {
    if (m.Msg == WM_SETTEXT) return;  // a result of 0
    handle(m);
  };
  EXPECT_THROW(Lines().SetText("refused"), EOutOfResources);
  EXPECT_THROW(memo_->SetText("refused"), EOutOfResources);
  memo_->WindowProc = handle;
  EXPECT_EQ(Text(), "kept");
  EXPECT_EQ(log.Count(CM_TEXTCHANGED), 0);
}

TEST_F(MemoLinesTest, SetTextStopsAtAZeroByte) {
  Lines().SetText(std::string("before\0after", 12));
  EXPECT_EQ(Text(), "before");
}

TEST_F(MemoLinesTest, NestedUpdatesSwitchRedrawingOffAndOnOnce) {
  ShowForm();
  MessageLog log(*memo_, {WM_SETREDRAW});
  Lines().BeginUpdate();
  Lines().BeginUpdate();
  Lines().Add("one");
  Lines().EndUpdate();
  EXPECT_EQ(log.Seen(), (std::vector<std::pair<UINT, WPARAM>>{{WM_SETREDRAW, FALSE}}));
  Lines().EndUpdate();
  EXPECT_EQ(log.Seen(),
            (std::vector<std::pair<UINT, WPARAM>>{{WM_SETREDRAW, FALSE}, {WM_SETREDRAW, TRUE}}));
  EXPECT_NE(GetWindowLongPtrW(memo_->Handle(), GWL_STYLE) & WS_VISIBLE, 0);
  // An unmatched end sends nothing more.
  Lines().EndUpdate();
  EXPECT_EQ(log.Seen().size(), 2u);
}

TEST_F(MemoLinesTest, EndingAnUpdateKeepsAHiddenMemoHidden) {
  ShowForm();
  memo_->Hide();
  Lines().BeginUpdate();
  Lines().Add("while hidden");
  Lines().EndUpdate();
  EXPECT_EQ(GetWindowLongPtrW(memo_->Handle(), GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_FALSE(memo_->Visible());
  EXPECT_EQ(Text(), "while hidden\r\n");
}

TEST_F(MemoLinesTest, AssigningLinesAsAStoredLayoutDoes) {
  memo_->HandleNeeded();
  MessageLog log(*memo_, {WM_SETREDRAW});
  const std::vector<std::string> stored{"first", "", "third"};
  Lines().Assign(stored);
  EXPECT_EQ(Text(), "first\r\n\r\nthird\r\n");
  EXPECT_EQ(Lines().Count(), 3);
  EXPECT_EQ(log.Count(WM_SETREDRAW), 2);
}

TEST_F(MemoLinesTest, RecreatingTheWindowKeepsTheText) {
  Lines().SetText("kept\r\nacross\r\nwindows");
  HWND before = memo_->Handle();
  memo_->RecreateWnd();
  EXPECT_NE(memo_->Handle(), nullptr);
  EXPECT_NE(memo_->Handle(), before);
  EXPECT_EQ(Text(), "kept\r\nacross\r\nwindows");
  // So does a style change that needs a new window.
  memo_->SetScrollBars(TScrollStyle::ssBoth);
  EXPECT_NE(GetWindowLongPtrW(memo_->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
  EXPECT_EQ(Text(), "kept\r\nacross\r\nwindows");
  // And recreating the form's window, which takes the memo's with it.
  form_->SetBorderStyle(TFormBorderStyle::bsSingle);
  EXPECT_EQ(Text(), "kept\r\nacross\r\nwindows");
}

TEST_F(MemoLinesTest, NormalisingTurnsEveryKindOfBreakIntoCrLf) {
  EXPECT_EQ(NormalizeLineBreaks("\n"), "\r\n");
  EXPECT_EQ(NormalizeLineBreaks("\r"), "\r\n");
  EXPECT_EQ(NormalizeLineBreaks("\r\n\n\r"), "\r\n\r\n\r\n");
  EXPECT_EQ(NormalizeLineBreaks("x\n\ry"), "x\r\n\r\ny");
  EXPECT_EQ(NormalizeLineBreaks(""), "");
  // A text with nothing to change is handed back, not copied.
  std::string crlf = std::string(1000, 'x') + "\r\n";
  const char* bytes = crlf.data();
  EXPECT_EQ(NormalizeLineBreaks(std::move(crlf)).data(), bytes);
}

}  // namespace
}  // namespace au
