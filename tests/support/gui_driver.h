// Driving real windows from a test as a person would: mouse messages to the
// window under the pointer, time for timers and paints to run, and message
// boxes read and answered.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "pixels/color.h"
#include "ui/control.h"

namespace au::test {

// Dispatches the messages that arrive during `ms` milliseconds.
void PumpMessages(int ms = 30);

// Mouse messages at a client point of `control`. A graphic control's
// messages go to its parent's window at the matching point, as the platform
// would send them.
void SendMouse(TControl& control, UINT msg, int x, int y, WPARAM keys = 0);
void ClickAt(TControl& control, int x, int y);
void MoveMouseTo(TControl& control, int x, int y);

// The colour of a pixel of a window's client area as it is on screen.
TColor ScreenPixel(HWND wnd, int x, int y);

// While it exists, every message box that the thread opens is read and
// closed with its OK button.
class MessageBoxCatcher {
 public:
  struct Box {
    std::wstring Caption;
    std::wstring Text;
  };
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;
  const std::vector<Box>& Boxes() const { return boxes_; }

 private:
  static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK Answer(HWND wnd, LPARAM);
  UINT_PTR timer_ = 0;
  std::vector<Box> boxes_;
  std::vector<HWND> answered_;
};

}  // namespace au::test
