// Moving or sizing a window by an outline drawn on the desktop: the window
// itself stays where it is until the mouse is released, then jumps there.
// One drag at a time in the process.
#pragma once

#include <windows.h>

namespace au {

// The rectangle a window of `start` gets when the part of hit-test code
// `code` (HTCAPTION moves, the sizing codes move their edges) is dragged by
// `delta`, never smaller than `minTrack`: an edge that would pass the limit
// stops there and the opposite edge stays.
RECT DraggedRect(const RECT& start, int code, POINT delta, SIZE minTrack);

// Whether a press on this hit-test code starts a drag: the caption and the
// sizing borders.
bool IsDragCode(int code);

class BorderDrag {
 public:
  bool Active() const { return wnd_ != nullptr; }
  HWND Window() const { return wnd_; }

  // Captures the mouse for `wnd` and draws the first outline.
  void Start(HWND wnd, int code, POINT screen);
  // The outline follows the mouse.
  void Move(POINT screen);
  // Erases the outline, ends the capture and moves the window to it.
  void Finish();
  // Erases the outline and leaves the window where it is.
  void Cancel();

 private:
  void DrawOutline() const;
  void End();

  HWND wnd_ = nullptr;
  int code_ = 0;
  POINT start_{};
  RECT startRect_{};
  RECT current_{};
};

// The process's one drag.
BorderDrag& ActiveBorderDrag();

}  // namespace au
