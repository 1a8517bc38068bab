#include "frame/border_drag.h"

#include <algorithm>

namespace au {

bool IsDragCode(int code) {
  return code == HTCAPTION || (code >= HTLEFT && code <= HTBOTTOMRIGHT);
}

RECT DraggedRect(const RECT& start, int code, POINT delta, SIZE minTrack) {
  RECT r = start;
  if (code == HTCAPTION) {
    OffsetRect(&r, delta.x, delta.y);
    return r;
  }
  const bool left = code == HTLEFT || code == HTTOPLEFT || code == HTBOTTOMLEFT;
  const bool right = code == HTRIGHT || code == HTTOPRIGHT || code == HTBOTTOMRIGHT;
  const bool top = code == HTTOP || code == HTTOPLEFT || code == HTTOPRIGHT;
  const bool bottom = code == HTBOTTOM || code == HTBOTTOMLEFT || code == HTBOTTOMRIGHT;
  if (left) r.left = std::min(start.left + delta.x, start.right - minTrack.cx);
  if (right) r.right = std::max(start.right + delta.x, start.left + minTrack.cx);
  if (top) r.top = std::min(start.top + delta.y, start.bottom - minTrack.cy);
  if (bottom) r.bottom = std::max(start.bottom + delta.y, start.top + minTrack.cy);
  return r;
}

void BorderDrag::Start(HWND wnd, int code, POINT screen) {
  if (Active()) Cancel();
  wnd_ = wnd;
  code_ = code;
  start_ = screen;
  GetWindowRect(wnd, &startRect_);
  current_ = startRect_;
  SetCapture(wnd);
  DrawOutline();
}

void BorderDrag::Move(POINT screen) {
  if (!Active()) return;
  const SIZE minTrack{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  const RECT next =
      DraggedRect(startRect_, code_, {screen.x - start_.x, screen.y - start_.y}, minTrack);
  if (EqualRect(&next, &current_)) return;
  DrawOutline();  // inverting twice gives back the desktop
  current_ = next;
  DrawOutline();
}

void BorderDrag::Finish() {
  if (!Active()) return;
  HWND wnd = wnd_;
  const RECT target = current_;
  End();
  MoveWindow(wnd, target.left, target.top, target.right - target.left, target.bottom - target.top,
             TRUE);
}

void BorderDrag::Cancel() {
  if (Active()) End();
}

void BorderDrag::End() {
  DrawOutline();
  HWND wnd = wnd_;
  wnd_ = nullptr;
  // Releasing sends WM_CAPTURECHANGED, which must find the drag over.
  if (GetCapture() == wnd) ReleaseCapture();
}

void BorderDrag::DrawOutline() const {
  HDC desktop = GetDC(nullptr);
  if (desktop == nullptr) return;
  const int oldMode = SetROP2(desktop, R2_NOT);
  const POINT outline[5] = {{current_.left, current_.top},
                            {current_.right - 1, current_.top},
                            {current_.right - 1, current_.bottom - 1},
                            {current_.left, current_.bottom - 1},
                            {current_.left, current_.top}};
  Polyline(desktop, outline, 5);
  SetROP2(desktop, oldMode);
  ReleaseDC(nullptr, desktop);
}

BorderDrag& ActiveBorderDrag() {
  static BorderDrag drag;
  return drag;
}

}  // namespace au
