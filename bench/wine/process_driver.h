// Starting a program under measurement and driving its window from outside,
// as another process: waiting until it is idle, finding its controls,
// clicking, repainting, closing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace au::bench {

// Seconds on the high-resolution counter.
double Now();

// A started program; ended (closed, or killed when it does not close) when
// the object goes.
class Program {
 public:
  // Starts `exe` with `arguments` (already quoted as needed) and waits until
  // its first visible top-level window is idle and painted. `startSeconds`
  // receives the time from the start to that moment.
  Program(const std::wstring& exe, const std::wstring& arguments, double& startSeconds);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  DWORD ProcessId() const { return process_.dwProcessId; }
  std::wstring Title() const;
  // Peak working set so far, in bytes (0 when the platform does not say).
  size_t PeakWorkingSet() const;
  // Waits until the program has handled everything sent to it and has
  // painted whatever was invalid.
  void WaitIdleAndPainted() const;
  // Asks the window to close and waits for the process to end.
  void Close();

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// The child windows of `frame` (at any depth) of the window class, top first.
std::vector<HWND> ChildWindows(HWND frame, const wchar_t* className);
// Its edit controls, top first.
std::vector<HWND> EditControls(HWND frame);
// The text of a window of another process through the 8-bit messages.
std::string WindowTextOf(HWND wnd);
// A left click at a client point of `frame`, delivered to the child window
// under it as the platform would, and handled before this returns.
void ClickAt(HWND frame, POINT client);
// The whole window repainted at once, frame and children, from outside.
void RepaintAll(HWND frame);

}  // namespace au::bench
