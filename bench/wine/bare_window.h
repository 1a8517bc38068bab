// The reference the converter's window is measured against: the same layout
// built only from the platform's own controls (two edit controls, two push
// buttons and a status bar, at the main window's sizes and in its font), with
// nothing painted by the program itself.
#pragma once

#include <windows.h>

namespace au::bench {

// Client size and control bounds of the converter's main window.
inline constexpr int kClientWidth = 688;
inline constexpr int kClientHeight = 404;
inline constexpr RECT kUpperMemo{8, 8, 8 + 673, 8 + 169};
inline constexpr RECT kLowerMemo{7, 216, 7 + 673, 216 + 161};
inline constexpr POINT kAnsiToUtf8Button{200 + 60, 184 + 11};
inline constexpr POINT kUtf8ToAnsiButton{328 + 60, 184 + 11};
inline constexpr wchar_t kBareWindowTitle[] = L"Bare reference window";

struct BareWindow {
  HWND frame = nullptr;
  HWND upper = nullptr;
  HWND lower = nullptr;
};

// Creates the window, centred and shown; its controls are ready for text as
// the memos are (no length limit).
BareWindow CreateBareWindow();

}  // namespace au::bench
