#include "ui/scroll_bar.h"

#include <algorithm>

namespace au {

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csDoubleClicks | csOpaque);
  SetTabStop(true);
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"SCROLLBAR";
  params.PredefinedClass = true;
  params.Caption.clear();
  params.Style |= kind_ == TScrollBarKind::sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWindowHandle(const TCreateParams& params) {
  TWinControl::CreateWindowHandle(params);
  ApplyToWindow();
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetParams(int position, int min, int max) {
  max = std::max(max, min);
  position = std::clamp(position, min, std::max(min, max - std::max(pageSize_ - 1, 0)));
  const bool moved = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  ApplyToWindow();
  if (moved && OnChange) OnChange(this);
}

void TScrollBar::SetPageSize(int pageSize) {
  pageSize_ = std::max(pageSize, 0);
  SetParams(position_, min_, max_);
}

void TScrollBar::ApplyToWindow() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(info), SIF_ALL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::Scroll(int code, int trackPosition) {
  int next = position_;
  switch (code) {
    case SB_LINEUP:
      next -= smallChange_;
      break;
    case SB_LINEDOWN:
      next += smallChange_;
      break;
    case SB_PAGEUP:
      next -= largeChange_;
      break;
    case SB_PAGEDOWN:
      next += largeChange_;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      next = trackPosition;
      break;
    case SB_TOP:
      next = min_;
      break;
    case SB_BOTTOM:
      next = max_;
      break;
    default:
      break;
  }
  if (OnScroll) OnScroll(this, code, next);
  SetPosition(next);
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    int track = HIWORD(m.WParam);
    if (LOWORD(m.WParam) == SB_THUMBTRACK || LOWORD(m.WParam) == SB_THUMBPOSITION) {
      // The word in the message holds only 16 bits of the position.
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      if (GetScrollInfo(Handle(), SB_CTL, &info)) track = info.nTrackPos;
    }
    Scroll(LOWORD(m.WParam), track);
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace au
