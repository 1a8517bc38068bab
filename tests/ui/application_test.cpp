// The application object: the title that captions its message boxes, the
// message box itself, and what becomes of an error that reaches a window
// procedure.
#include "ui/application.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "tests/support/gui_driver.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/wide_text.h"

namespace au {
namespace {

using test::MessageBoxCatcher;
using test::PumpMessages;

TEST(ApplicationTitle, IsTheFileNameCutAtItsFirstDotWithTheRestInLowerCase) {
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\Dir\\MyProg.Exe"), L"Myprog");
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\Dir\\ANSI2UTF8.EXE"), L"Ansi2utf8");
  // The first character keeps its case, whatever it is.
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\Dir\\myProg.exe"), L"myprog");
}

TEST(ApplicationTitle, StopsAtTheFirstDotOfTheNameNotOfTheFolder) {
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\My.Tools\\Conv.Setup.Final.exe"), L"Conv");
  EXPECT_EQ(ApplicationTitleFromPath(L"D:/some.dir/Tool.x86.exe"), L"Tool");
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\Dir\\.hidden"), L"");
}

TEST(ApplicationTitle, KeepsANameWithoutDotWhole) {
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\Dir\\CONVERTER"), L"Converter");
  EXPECT_EQ(ApplicationTitleFromPath(L"Converter"), L"Converter");
  EXPECT_EQ(ApplicationTitleFromPath(L"X"), L"X");
}

TEST(ApplicationTitle, LowersLettersOutsideAsciiToo) {
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\\u041f\u0430\u043f\u043a\u0430\\"
                                     L"\u041f\u0420\u041e\u0413\u0420\u0410\u041c\u041c\u0410.exe"),
            L"\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430");
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\\u00c4RGER.EXE"), L"\u00c4rger");
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\\u00e9T\u00c9.exe"), L"\u00e9t\u00e9");
}

TEST(ApplicationTitle, OfThisProcessComesFromItsOwnFileName) {
  // ui_test.exe: already lower case after its first letter, which stays as it is.
  EXPECT_EQ(Application()->Title(), "ui_test");
}

TEST(ApplicationMessageBox, IsCaptionedWithTheTitleAndShowsTheText) {
  const std::string text = "\u0423\u043f\u0441, \u043e\u0448\u0438\u0431\u043a\u0430";
  std::vector<MessageBoxCatcher::Box> boxes;
  {
    MessageBoxCatcher catcher;
    Application()->MessageBox(text);
    boxes = catcher.Boxes();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Caption, Widen(Application()->Title()));
  EXPECT_EQ(boxes[0].Text, Widen(text));
}

TEST(ApplicationMessageBox, FollowsAChangedTitle) {
  const std::string saved = Application()->Title();
  Application()->SetTitle("Converter \u2192 test");
  std::vector<MessageBoxCatcher::Box> boxes;
  {
    MessageBoxCatcher catcher;
    Application()->MessageBox("Hello");
    boxes = catcher.Boxes();
  }
  Application()->SetTitle(saved);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Caption, L"Converter \u2192 test");
  EXPECT_EQ(boxes[0].Text, L"Hello");
}

// Messages of our own to the hidden application window.
constexpr UINT kHookedMessage = WM_APP + 21;

TEST(ApplicationHooks, AnswerInOrderUntilOneHandlesTheMessage) {
  std::vector<std::string> calls;
  const int first = Application()->HookMainWindow([&](TMessage& m) {
    if (m.Msg != kHookedMessage) return false;
    calls.push_back("first");
    return false;
  });
  const int second = Application()->HookMainWindow([&](TMessage& m) {
    if (m.Msg != kHookedMessage) return false;
    calls.push_back("second");
    m.Result = 77;
    return true;
  });
  const int third = Application()->HookMainWindow([&](TMessage& m) {
    if (m.Msg == kHookedMessage) calls.push_back("third");
    return false;
  });
  EXPECT_EQ(SendMessageW(Application()->Handle(), kHookedMessage, 0, 0), 77);
  EXPECT_EQ(calls, (std::vector<std::string>{"first", "second"}));
  Application()->UnhookMainWindow(second);
  calls.clear();
  SendMessageW(Application()->Handle(), kHookedMessage, 0, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"first", "third"}));
  Application()->UnhookMainWindow(first);
  Application()->UnhookMainWindow(third);
}

TEST(ApplicationHooks, AHookRemovedByAnEarlierOneIsNotCalled) {
  // Removing a hook is how its owner says it is going away: calling it after
  // that would reach what the owner has already destroyed.
  int laterCalls = 0;
  int later = 0;
  const int earlier = Application()->HookMainWindow([&](TMessage& m) {
    if (m.Msg == kHookedMessage) Application()->UnhookMainWindow(later);
    return false;
  });
  later = Application()->HookMainWindow([&](TMessage& m) {
    if (m.Msg == kHookedMessage) ++laterCalls;
    return false;
  });
  SendMessageW(Application()->Handle(), kHookedMessage, 0, 0);
  EXPECT_EQ(laterCalls, 0);
  // A hook may also remove itself while it runs.
  int selfCalls = 0;
  int self = 0;
  self = Application()->HookMainWindow([&](TMessage& m) {
    if (m.Msg != kHookedMessage) return false;
    ++selfCalls;
    Application()->UnhookMainWindow(self);
    return false;
  });
  SendMessageW(Application()->Handle(), kHookedMessage, 0, 0);
  SendMessageW(Application()->Handle(), kHookedMessage, 0, 0);
  EXPECT_EQ(selfCalls, 1);
  Application()->UnhookMainWindow(earlier);
}

// A message of our own that the test panel answers by throwing.
constexpr UINT kThrowMessage = WM_APP + 17;

TEST(ApplicationErrors, AnErrorInAWindowProcedureIsShownAndDoesNotEscape) {
  std::unique_ptr<TForm> form(Application()->CreateForm<TForm>());
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  const TWndMethod inherited = panel->WindowProc;
  int reached = 0;
  panel->WindowProc = [&](TMessage& m) {
    if (m.Msg == kThrowMessage) {
      ++reached;
      throw std::runtime_error("The panel failed");
    }
    inherited(m);
  };
  HWND wnd = panel->Handle();
  ASSERT_NE(wnd, nullptr);
  std::vector<MessageBoxCatcher::Box> boxes;
  {
    MessageBoxCatcher catcher;
    SendMessageW(wnd, kThrowMessage, 0, 0);
    // A foreign exception type is caught too.
    panel->WindowProc = [&](TMessage& m) {
      if (m.Msg == kThrowMessage) throw 42;
      inherited(m);
    };
    SendMessageW(wnd, kThrowMessage, 0, 0);
    boxes = catcher.Boxes();
  }
  EXPECT_EQ(reached, 1);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].Caption, Widen(Application()->Title()));
  EXPECT_EQ(boxes[0].Text, L"The panel failed");
  EXPECT_FALSE(boxes[1].Text.empty());
  // The window still works afterwards.
  EXPECT_TRUE(IsWindow(wnd));
  panel->SetCaption("still here");
  wchar_t caption[32] = {};
  GetWindowTextW(wnd, caption, 32);
  EXPECT_STREQ(caption, L"still here");
  panel->WindowProc = inherited;
}

}  // namespace
}  // namespace au
