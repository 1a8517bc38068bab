// The tooltip in which the application shows a control's hint.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace au {

class HintWindow {
 public:
  explicit HintWindow(HWND owner);
  ~HintWindow();
  HintWindow(const HintWindow&) = delete;
  HintWindow& operator=(const HintWindow&) = delete;

  void Show(const std::wstring& text, POINT screenPoint);
  void Hide();
  bool Visible() const { return visible_; }
  const std::wstring& Text() const { return text_; }

 private:
  TOOLINFOW Tool();

  HWND owner_;
  HWND tip_ = nullptr;
  std::wstring text_;
  bool visible_ = false;
};

}  // namespace au
