#include "tests/support/gui_driver.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/win_control.h"

namespace au::test {
namespace {

MessageBoxCatcher* gCatcher = nullptr;

// The window that receives a control's mouse messages and the point there.
HWND MouseTarget(TControl& control, int& x, int& y) {
  TControl* c = &control;
  while (c != nullptr && dynamic_cast<TWinControl*>(c) == nullptr) {
    x += c->Left();
    y += c->Top();
    c = c->Parent();
  }
  return c != nullptr ? static_cast<TWinControl*>(c)->Handle() : nullptr;
}

}  // namespace

void PumpMessages(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Application()->ProcessMessages();
    Sleep(1);
  } while (static_cast<int>(end - GetTickCount()) > 0);
  Application()->ProcessMessages();
}

void SendMouse(TControl& control, UINT msg, int x, int y, WPARAM keys) {
  HWND wnd = MouseTarget(control, x, y);
  if (wnd == nullptr) return;
  POINT screen{x, y};
  ClientToScreen(wnd, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(wnd, msg, keys, MAKELPARAM(x, y));
}

void MoveMouseTo(TControl& control, int x, int y) {
  SendMouse(control, WM_MOUSEMOVE, x, y);
}

void ClickAt(TControl& control, int x, int y) {
  MoveMouseTo(control, x, y);
  SendMouse(control, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  SendMouse(control, WM_LBUTTONUP, x, y);
}

TColor ScreenPixel(HWND wnd, int x, int y) {
  HDC dc = GetDC(wnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(wnd, dc);
  return static_cast<TColor>(c);
}

MessageBoxCatcher::MessageBoxCatcher() {
  gCatcher = this;
  timer_ = SetTimer(nullptr, 0, 20, &Poll);
}

MessageBoxCatcher::~MessageBoxCatcher() {
  KillTimer(nullptr, timer_);
  gCatcher = nullptr;
}

namespace {

// The message of a message box is its longest static text.
BOOL CALLBACK CollectLongestStatic(HWND child, LPARAM param) {
  wchar_t childClass[32] = {};
  GetClassNameW(child, childClass, 32);
  if (lstrcmpiW(childClass, L"Static") != 0) return TRUE;
  wchar_t childText[1024] = {};
  GetWindowTextW(child, childText, 1024);
  auto* message = reinterpret_cast<std::wstring*>(param);
  if (lstrlenW(childText) > static_cast<int>(message->size())) *message = childText;
  return TRUE;
}

}  // namespace

BOOL CALLBACK MessageBoxCatcher::Answer(HWND wnd, LPARAM) {
  wchar_t cls[32] = {};
  GetClassNameW(wnd, cls, 32);
  if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(wnd)) return TRUE;
  auto& answered = gCatcher->answered_;
  if (std::find(answered.begin(), answered.end(), wnd) != answered.end()) return TRUE;
  answered.push_back(wnd);
  Box box;
  wchar_t text[1024] = {};
  GetWindowTextW(wnd, text, 1024);
  box.Caption = text;
  EnumChildWindows(wnd, &CollectLongestStatic, reinterpret_cast<LPARAM>(&box.Text));
  gCatcher->boxes_.push_back(box);
  PostMessageW(wnd, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK MessageBoxCatcher::Poll(HWND, UINT, UINT_PTR, DWORD) {
  if (gCatcher != nullptr) EnumThreadWindows(GetCurrentThreadId(), &Answer, 0);
}

}  // namespace au::test
