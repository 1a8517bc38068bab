#include "ui/control.h"

#include <windowsx.h>

#include <utility>

#include "ui/application.h"
#include "ui/win_control.h"

namespace au {
namespace {

TControl* gCaptureControl = nullptr;

}  // namespace

TControl* CaptureControl() {
  return gCaptureControl;
}

void SetCaptureControl(TControl* control) {
  gCaptureControl = control;
  if (control == nullptr) {
    ReleaseCapture();
    return;
  }
  auto* windowed = dynamic_cast<TWinControl*>(control);
  TWinControl* window = windowed != nullptr ? windowed : control->Parent();
  if (window != nullptr && window->HandleAllocated()) SetCapture(window->Handle());
}

void CancelCaptureControl() {
  TControl* lost = std::exchange(gCaptureControl, nullptr);
  if (lost != nullptr) lost->Perform(CM_CANCELMODE);
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  MarkDestroying();
  // A press on this control may still hold the window's capture.
  if (gCaptureControl == this) SetCaptureControl(nullptr);
  if (Application() != nullptr) Application()->ControlDestroyed(this);
  if (parent_ != nullptr) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouse(m);
      break;
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    case CM_CANCELMODE:
      clicked_ = false;
      if (gCaptureControl == this) SetCaptureControl(nullptr);
      break;
    default:
      break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouse(TMessage& m) {
  const int x = GET_X_LPARAM(m.LParam);
  const int y = GET_Y_LPARAM(m.LParam);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
      // Only the left button captures: a right click in the middle of a left
      // drag must not end the drag's capture.
      const bool left = m.Msg != WM_RBUTTONDOWN;
      if (Application() != nullptr) Application()->CancelHint();
      if (left && HasStyle(csCaptureMouse)) SetCaptureControl(this);
      // A control that takes double clicks as such reports the second press
      // as a double click; to any other it is one more click.
      const bool doubleClick = m.Msg == WM_LBUTTONDBLCLK && HasStyle(csDoubleClicks);
      if (left && !doubleClick && HasStyle(csClickEvents)) clicked_ = true;
      MouseDown(left ? TMouseButton::mbLeft : TMouseButton::mbRight, x, y);
      if (doubleClick) DblClick();
      break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const bool left = m.Msg == WM_LBUTTONUP;
      if (left && gCaptureControl == this) SetCaptureControl(nullptr);
      MouseUp(left ? TMouseButton::mbLeft : TMouseButton::mbRight, x, y);
      if (left && clicked_) {
        clicked_ = false;
        const RECT r = ClientRect();
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) Click();
      }
      break;
    }
    default:
      MouseMove(x, y);
      break;
  }
}

void TControl::MouseDown(TMouseButton button, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, x, y);
}

void TControl::MouseMove(int x, int y) {
  if (OnMouseMove) OnMouseMove(this, x, y);
}

void TControl::MouseUp(TMouseButton button, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, x, y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) return;
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) {
    parent->InsertControl(this);
    if (parentFont_) AdoptParentFont();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const RECT before = BoundsRect();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (parent_ != nullptr && visible_) {
    parent_->InvalidateArea(before);
    parent_->InvalidateArea(BoundsRect());
  }
  RequestAlign();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (align_ != TAlign::alNone) anchors_ = akLeft | akTop | akRight | akBottom;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ != nullptr) parent_->Realign();
}

POINT TControl::ClientToScreen(POINT p) const {
  if (const auto* self = dynamic_cast<const TWinControl*>(this); self != nullptr) {
    if (self->HandleAllocated()) ::ClientToScreen(self->Handle(), &p);
    return p;
  }
  if (parent_ != nullptr) return parent_->ClientToScreen({p.x + left_, p.y + top_});
  return p;
}

POINT TControl::ScreenToClient(POINT p) const {
  if (const auto* self = dynamic_cast<const TWinControl*>(this); self != nullptr) {
    if (self->HandleAllocated()) ::ScreenToClient(self->Handle(), &p);
    return p;
  }
  if (parent_ == nullptr) return p;
  POINT q = parent_->ScreenToClient(p);
  return {q.x - left_, q.y - top_};
}

bool TControl::Showing() const {
  for (const TControl* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (parent_ != nullptr) parent_->InvalidateArea(BoundsRect());
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (parentFont_ && parent_ != nullptr) AdoptParentFont();
}

void TControl::AdoptParentFont() {
  adoptingParentFont_ = true;
  font_.Assign(parent_->Font());
  adoptingParentFont_ = false;
}

void TControl::FontChanged() {
  // An explicit font change makes the font the control's own.
  if (!adoptingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TControl::Invalidate() {
  if (parent_ != nullptr && visible_) parent_->InvalidateArea(BoundsRect(), !HasStyle(csOpaque));
}

void TControl::Repaint() {
  Invalidate();
  if (parent_ != nullptr) parent_->Update();
}

}  // namespace au
