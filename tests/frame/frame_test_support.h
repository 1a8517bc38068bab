// Driving a skinned frame as the platform does: hit tests and non-client
// mouse messages at window points, and reading back what the window shows.
#pragma once

#include <windows.h>

#include "frame/skin_provider.h"
#include "paint/masks/state_images.h"
#include "pixels/bitmap24.h"
#include "skin/skin_manager.h"

namespace au::test {

// A point of the whole window (its top-left corner is 0, 0) on the screen.
POINT ScreenPoint(HWND wnd, POINT windowPoint);
// The window's answer to WM_NCHITTEST at a window point, and what the
// platform's own handling would answer there.
int NcHitTest(HWND wnd, POINT windowPoint);
int PlatformHitTest(HWND wnd, POINT windowPoint);
// A non-client mouse message as the platform sends it: the pointer moves
// there, the window is asked what lies under it, and the message carries that
// code. Returns the code.
int NcMouse(HWND wnd, UINT msg, POINT windowPoint);
// The pointer moves to a window point and the window hears of it.
int NcMoveTo(HWND wnd, POINT windowPoint);

// The whole window (non-client area included) as its device context holds it.
Bitmap24 CaptureWindow(HWND wnd);
// The same with the pixels that the window's shape cuts away black: they are
// not on screen, and they keep whatever was drawn there before.
Bitmap24 CaptureWindowShape(HWND wnd);
SIZE WindowSize(HWND wnd);
// The client area's top-left corner in window coordinates.
POINT ClientOrigin(HWND wnd);

// The skin's image of a caption button, one state.
struct ButtonImage {
  const Bitmap24* Picture = nullptr;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  TColor At(int x, int y) const { return Picture->Pixel(Left + x, Top + y); }
};
ButtonImage ButtonImageOf(const TsSkinManager& manager, int maskIndex, int state);

// What pixel (x, y) of a button drawn from `image` over `background` looks
// like: the image where it is not magenta, blended half and half with the
// background in mode 2.
bool ButtonPixelMatches(const ButtonImage& image, TColor background, int x, int y, int mode,
                        TColor actual);

}  // namespace au::test
