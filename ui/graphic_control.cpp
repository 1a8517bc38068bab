#include "ui/graphic_control.h"

namespace au {

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam != 0) {
    canvas_.SetHandle(reinterpret_cast<HDC>(m.WParam));
    canvas_.Font().Assign(Font());
    Paint();
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(m);
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  TControl::SetBounds(left, top, width, height);
  WINDOWPOS pos{nullptr, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE};
  Perform(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

}  // namespace au
