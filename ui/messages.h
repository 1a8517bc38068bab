// The message record that every control's window procedure takes, and the
// framework's own notifications. Platform messages keep their WM_ numbers;
// framework notifications live in a private range away from the skin command
// message (0xA100) and the menu painter's numbers (48307, 48308).
#pragma once

#include <windows.h>

namespace au {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 1;      // the mouse moved onto the control
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 2;      // the mouse left the control
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 3;  // Enabled changed
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 4;  // Visible changed
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 5;     // Caption or text changed
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 6;     // Font changed
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 7;    // Color changed
inline constexpr UINT CM_ENTER = CM_BASE + 8;           // focus moved into the control
inline constexpr UINT CM_EXIT = CM_BASE + 9;            // focus moved out of the control
inline constexpr UINT CM_CANCELMODE = CM_BASE + 10;     // drop a press or drag in progress

// Notifications that a parent reflects back to the child window they concern,
// so that each control handles its own colours, commands and scrolling.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;

}  // namespace au
