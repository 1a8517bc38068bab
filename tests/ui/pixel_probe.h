// Reading back what a window shows, and finding where a colour lies in it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <ostream>

#include "pixels/bitmap24.h"
#include "ui/canvas.h"
#include "ui/gdi_handles.h"

// Rectangles in test expectations.
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace au::test {

// The client area of a window as it is on screen.
inline Bitmap24 CaptureClient(HWND wnd) {
  RECT client;
  GetClientRect(wnd, &client);
  Bitmap24 shot(client.right, client.bottom);
  {
    TBitmapCanvas canvas(shot);
    WindowDc screen(wnd);
    BitBlt(canvas.Handle(), 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY);
  }
  return shot;
}

// The smallest rectangle inside `area` that holds every pixel for which
// `match` is true; empty (all zero) when there is none.
inline RECT BoundsOf(const Bitmap24& picture, RECT area, const std::function<bool(TColor)>& match) {
  RECT found{0, 0, 0, 0};
  bool any = false;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (!match(picture.Pixel(x, y))) continue;
      if (!any) {
        found = {x, y, x + 1, y + 1};
        any = true;
      }
      found.left = std::min<LONG>(found.left, x);
      found.top = std::min<LONG>(found.top, y);
      found.right = std::max<LONG>(found.right, x + 1);
      found.bottom = std::max<LONG>(found.bottom, y + 1);
    }
  }
  return found;
}

inline bool IsEmpty(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

}  // namespace au::test
