// The bare reference window as a program of its own, so that its start-up
// and its repaints can be timed from another process exactly as the
// converter's are.
#include <windows.h>

#include "bench/wine/bare_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const au::bench::BareWindow window = au::bench::CreateBareWindow();
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window.frame, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
