#include "tests/frame/frame_test_support.h"

#include <cstdlib>

#include "ui/canvas.h"
#include "ui/gdi_handles.h"

namespace au::test {

POINT ScreenPoint(HWND wnd, POINT windowPoint) {
  RECT r;
  GetWindowRect(wnd, &r);
  return {r.left + windowPoint.x, r.top + windowPoint.y};
}

namespace {

LPARAM ScreenParam(HWND wnd, POINT windowPoint) {
  const POINT s = ScreenPoint(wnd, windowPoint);
  return MAKELPARAM(static_cast<WORD>(s.x), static_cast<WORD>(s.y));
}

}  // namespace

int NcHitTest(HWND wnd, POINT windowPoint) {
  return static_cast<int>(SendMessageW(wnd, WM_NCHITTEST, 0, ScreenParam(wnd, windowPoint)));
}

int PlatformHitTest(HWND wnd, POINT windowPoint) {
  return static_cast<int>(DefWindowProcW(wnd, WM_NCHITTEST, 0, ScreenParam(wnd, windowPoint)));
}

int NcMouse(HWND wnd, UINT msg, POINT windowPoint) {
  const POINT s = ScreenPoint(wnd, windowPoint);
  SetCursorPos(s.x, s.y);
  const int code = NcHitTest(wnd, windowPoint);
  SendMessageW(wnd, msg, static_cast<WPARAM>(code), ScreenParam(wnd, windowPoint));
  return code;
}

int NcMoveTo(HWND wnd, POINT windowPoint) {
  return NcMouse(wnd, WM_NCMOUSEMOVE, windowPoint);
}

SIZE WindowSize(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

POINT ClientOrigin(HWND wnd) {
  POINT p{0, 0};
  ClientToScreen(wnd, &p);
  RECT r;
  GetWindowRect(wnd, &r);
  return {p.x - r.left, p.y - r.top};
}

Bitmap24 CaptureWindow(HWND wnd) {
  const SIZE size = WindowSize(wnd);
  Bitmap24 shot(size.cx, size.cy);
  TBitmapCanvas canvas(shot);
  WindowDc window(wnd, true);
  BitBlt(canvas.Handle(), 0, 0, size.cx, size.cy, window.Get(), 0, 0, SRCCOPY);
  return shot;
}

Bitmap24 CaptureWindowShape(HWND wnd) {
  Bitmap24 shot = CaptureWindow(wnd);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(wnd, shape) != ERROR) {
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x)
        if (!PtInRegion(shape, x, y)) shot.SetPixel(x, y, 0);
  }
  DeleteObject(shape);
  return shot;
}

ButtonImage ButtonImageOf(const TsSkinManager& manager, int maskIndex, int state) {
  ButtonImage image;
  if (!manager.IsValidMaskIndex(maskIndex)) return image;
  const auto cut = StateImageOf(manager.Masks()[static_cast<size_t>(maskIndex)], state);
  if (!cut) return image;
  image.Picture = cut->Picture;
  image.Left = static_cast<int>(cut->Left);
  image.Top = static_cast<int>(cut->Top);
  image.Width = cut->Width;
  image.Height = cut->Height;
  return image;
}

bool ButtonPixelMatches(const ButtonImage& image, TColor background, int x, int y, int mode,
                        TColor actual) {
  const TColor p = image.At(x, y);
  if (p == clMagenta) return actual == background;
  if (mode == 1) return actual == p;
  const auto halfway = [](int a, int b, int c) { return std::abs(2 * c - (a + b)) <= 2; };
  return halfway(RedOf(p), RedOf(background), RedOf(actual)) &&
         halfway(GreenOf(p), GreenOf(background), GreenOf(actual)) &&
         halfway(BlueOf(p), BlueOf(background), BlueOf(actual));
}

}  // namespace au::test
