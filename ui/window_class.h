// The window classes of our own windows and the window procedures through
// which every message of a control's window reaches its TWinControl.
#pragma once

#include <windows.h>

namespace au {

inline constexpr wchar_t kControlClassName[] = L"au.Control";
inline constexpr wchar_t kFormClassName[] = L"au.Form";

// Registers our classes once per process.
void RegisterWindowClasses();

// The procedure of every window that belongs to a TWinControl.
LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The first procedure of a window of our own classes: attaches the control
// that is creating it, then behaves as StdWndProc.
LRESULT CALLBACK InitWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace au
