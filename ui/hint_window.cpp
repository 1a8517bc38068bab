#include "ui/hint_window.h"

#include <commctrl.h>

namespace au {

HintWindow::HintWindow(HWND owner) : owner_(owner) {
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
  if (tip_ == nullptr) return;
  TOOLINFOW tool = Tool();
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

HintWindow::~HintWindow() {
  if (tip_ != nullptr) DestroyWindow(tip_);
}

TOOLINFOW HintWindow::Tool() {
  TOOLINFOW tool{};
  // The size common controls 5 and 6 both accept.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = owner_;
  tool.uId = 1;
  tool.lpszText = text_.data();
  return tool;
}

void HintWindow::Show(const std::wstring& text, POINT screenPoint) {
  if (tip_ == nullptr) return;
  text_ = text;
  TOOLINFOW tool = Tool();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(screenPoint.x, screenPoint.y));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  visible_ = true;
}

void HintWindow::Hide() {
  if (tip_ == nullptr || !visible_) return;
  TOOLINFOW tool = Tool();
  SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  visible_ = false;
  text_.clear();
}

}  // namespace au
