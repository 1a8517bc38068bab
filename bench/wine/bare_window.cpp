#include "bench/wine/bare_window.h"

#include <commctrl.h>

namespace au::bench {
namespace {

constexpr wchar_t kClassName[] = L"AnsiUtf8BareWindow";
constexpr wchar_t kCreditLine[] =
    L"ANSI <> UTF-8 converter, 2026  ::  https://www.example.com/ansi2utf8/";

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

HWND AddChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle,
              const RECT& r, HFONT font) {
  HWND child = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

HWND AddMemo(HWND parent, const RECT& r, bool readOnly, HFONT font) {
  DWORD style = WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_NOHIDESEL | ES_AUTOHSCROLL |
                ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL;
  if (readOnly) style |= ES_READONLY;
  HWND memo = AddChild(parent, L"EDIT", L" ", style, WS_EX_CLIENTEDGE, r, font);
  SendMessageW(memo, EM_SETLIMITTEXT, 0, 0);
  return memo;
}

}  // namespace

BareWindow CreateBareWindow() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = FrameProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);

  // A fixed dialog frame with the system menu, as the converter's window.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  RECT outer{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  BareWindow w;
  w.frame = CreateWindowExW(exStyle, kClassName, kBareWindowTitle, style,
                            (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                            nullptr, wc.hInstance, nullptr);
  // The converter's font: "MS Sans Serif", 8 point.
  static HFONT font =
      CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif");
  w.upper = AddMemo(w.frame, kUpperMemo, false, font);
  AddChild(w.frame, L"BUTTON", L"ANSI > UTF-8", WS_TABSTOP | BS_PUSHBUTTON, 0,
           {200, 184, 200 + 121, 184 + 22}, font);
  AddChild(w.frame, L"BUTTON", L"UTF-8 > ANSI", WS_TABSTOP | BS_PUSHBUTTON, 0,
           {328, 184, 328 + 121, 184 + 22}, font);
  w.lower = AddMemo(w.frame, kLowerMemo, true, font);
  HWND status = AddChild(w.frame, STATUSCLASSNAMEW, kCreditLine, 0, 0,
                         {0, kClientHeight - 19, kClientWidth, kClientHeight}, font);
  SendMessageW(status, SB_SIMPLE, TRUE, 0);
  SendMessageW(status, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(kCreditLine));
  ShowWindow(w.frame, SW_SHOW);
  UpdateWindow(w.frame);
  SetFocus(w.upper);
  return w;
}

}  // namespace au::bench
