#include "ui/win_control.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/gdi_handles.h"
#include "ui/popup_menu.h"
#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace au {
namespace {

constexpr wchar_t kControlProperty[] = L"au.TWinControl";

// The control whose window is being created with one of our classes; its first
// message attaches it (messages arrive before CreateWindowEx returns).
thread_local TWinControl* tCreatingControl = nullptr;

LPCWSTR CursorResource(TCursor cursor) {
  switch (cursor) {
    case TCursor::crHandPoint:
      return IDC_HAND;
    case TCursor::crIBeam:
      return IDC_IBEAM;
    default:
      return IDC_ARROW;
  }
}

}  // namespace

LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FromHandle(wnd);
  if (control == nullptr) return DefWindowProcW(wnd, msg, wParam, lParam);
  // A WM_PAINT can come with nothing invalid (Wine sends one after each
  // repaint asked for from another process). The platform's own controls
  // then paint into an empty region; ours would draw everything again.
  if (msg == WM_PAINT && wParam == 0 && !GetUpdateRect(wnd, nullptr, FALSE)) {
    PAINTSTRUCT ps;
    BeginPaint(wnd, &ps);  // ends a paint the platform may still count as due
    EndPaint(wnd, &ps);
    return 0;
  }
  TMessage m{msg, wParam, lParam, 0};
  // Nothing may unwind through the platform's code: report and carry on.
  try {
    control->WindowProc(m);
  } catch (const std::exception& e) {
    if (Application() != nullptr) Application()->HandleException(e.what());
  } catch (...) {
    if (Application() != nullptr) Application()->HandleException("Unexpected error");
  }
  if (msg == WM_NCDESTROY) control->DetachHandle();
  return m.Result;
}

LRESULT CALLBACK InitWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = tCreatingControl;
  if (control == nullptr) return DefWindowProcW(wnd, msg, wParam, lParam);
  tCreatingControl = nullptr;
  control->AttachHandle(wnd, DefWindowProcW);
  return StdWndProc(wnd, msg, wParam, lParam);
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  return wnd != nullptr ? static_cast<TWinControl*>(GetPropW(wnd, kControlProperty)) : nullptr;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  // Children that another owner keeps alive lose their parent with the window.
  while (!controls_.empty()) controls_.back()->SetParent(nullptr);
  if (handle_ != nullptr) DestroyWnd();
}

HWND TWinControl::Handle() {
  if (handle_ == nullptr && !IsDestroying()) CreateWnd();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.ClassName = kControlClassName;
  params.Caption = Widen(Caption());
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (HasStyle(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (Parent() != nullptr) params.WndParent = Parent()->Handle();
}

void TWinControl::CreateWnd() {
  if (Parent() != nullptr) {
    // Creating the parent's window creates its children's too, this one's
    // among them.
    Parent()->HandleNeeded();
    if (handle_ != nullptr) return;
  }
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && params.WndParent == nullptr) return;
  CreateWindowHandle(params);
  if (handle_ == nullptr) return;
  SetCreating(false);
  ApplyFont();
  for (TControl* c : controls_) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
  }
  Realign();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  RegisterWindowClasses();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (params.PredefinedClass) {
    HWND wnd = CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(),
                               params.Style, params.X, params.Y, params.Width, params.Height,
                               params.WndParent, nullptr, instance, nullptr);
    if (wnd == nullptr) return;
    auto classProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC));
    AttachHandle(wnd, classProc);
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc));
    return;
  }
  tCreatingControl = this;
  CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(), params.Style,
                  params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                  instance, nullptr);
  tCreatingControl = nullptr;
}

void TWinControl::AttachHandle(HWND wnd, WNDPROC defaultProc) {
  handle_ = wnd;
  defWndProc_ = defaultProc;
  SetPropW(wnd, kControlProperty, this);
  if (defaultProc == DefWindowProcW) {
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc));
  }
}

void TWinControl::DetachHandle() {
  if (handle_ == nullptr) return;
  RemovePropW(handle_, kControlProperty);
  handle_ = nullptr;
  trackingLeave_ = false;
}

void TWinControl::DestroyWnd() {
  HWND wnd = handle_;
  if (wnd == nullptr) return;
  // Child windows go with their parent; forget them first so that none keeps a
  // stale handle.
  for (TControl* c : controls_) {
    if (auto* w = dynamic_cast<TWinControl*>(c); w != nullptr && w->HandleAllocated()) {
      w->DestroyWnd();
    }
  }
  DestroyWindow(wnd);
  DetachHandle();
}

void TWinControl::RecreateWnd() {
  if (handle_ == nullptr) return;
  DestroyWnd();
  CreateWnd();
}

void TWinControl::InsertControl(TControl* control) {
  control->parent_ = this;
  if (dynamic_cast<TWinControl*>(control) != nullptr) {
    controls_.push_back(control);
  } else {
    controls_.insert(controls_.begin() + graphicCount_, control);
    ++graphicCount_;
    control->SetCreating(false);
  }
  if (auto* w = dynamic_cast<TWinControl*>(control); w != nullptr && handle_ != nullptr) {
    w->HandleNeeded();
  }
  if (control->Visible()) InvalidateArea(control->BoundsRect());
  Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  // Where it stands tells what it is: a control removed from its own
  // destructor no longer answers a dynamic_cast as a windowed control.
  if (it - controls_.begin() < graphicCount_) --graphicCount_;
  controls_.erase(it);
  control->parent_ = nullptr;
  if (auto* w = dynamic_cast<TWinControl*>(control); w != nullptr && w->HandleAllocated()) {
    w->DestroyWnd();
  }
  if (!IsDestroying()) {
    if (control->Visible()) InvalidateArea(control->BoundsRect());
    Realign();
  }
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled) const {
  for (int i = graphicCount_ - 1; i >= 0; --i) {
    TControl* c = controls_[i];
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    const RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      TrackMouse(m);
      [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      if (RouteMouseToChild(m)) return;
      if (m.Msg == WM_LBUTTONDOWN) {
        // A press that moves the focus here is handled before the control
        // learns it was entered, so that what OnEnter does is not undone by
        // the press (an edit control would put its caret over a selection).
        handlingPress_ = true;
        TControl::WndProc(m);
        handlingPress_ = false;
        if (enterPending_) {
          enterPending_ = false;
          DoEnter();
        }
        return;
      }
      break;
    case WM_MOUSELEAVE: {
      trackingLeave_ = false;
      TControl* over = Application()->MouseControl();
      if (over == this || IsGraphicChild(over)) Application()->SetMouseControl(nullptr);
      break;
    }
    case WM_CAPTURECHANGED: {
      // Another window took the capture (a menu, a dialog, another drag):
      // a press under way here will never see its release.
      TControl* captured = CaptureControl();
      if (reinterpret_cast<HWND>(m.LParam) != handle_ &&
          (captured == this || IsGraphicChild(captured))) {
        CancelCaptureControl();
      }
      break;
    }
    case WM_SETCURSOR:
      if (SetCursorFromControl(m)) return;
      break;
    case WM_CLOSE:
      // A multi-line edit control that takes itself for part of a dialog posts
      // this to its parent on Escape. The default handling would destroy a
      // child window under its object, and every control on it with it.
      if ((GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) != 0) {
        m.Result = 0;
        return;
      }
      break;
    case WM_MEASUREITEM:
      if (TPopupMenu::DispatchOwnerDraw(m)) return;
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_DRAWITEM:
      if (m.Msg == WM_DRAWITEM && TPopupMenu::DispatchOwnerDraw(m)) return;
      if (ReflectToChild(m)) return;
      break;
    case WM_PAINT:
      PaintHandler(m);
      return;
    case WM_ERASEBKGND:
      if (defWndProc_ == DefWindowProcW) {
        // Our own windows paint every pixel in WM_PAINT.
        m.Result = 1;
        return;
      }
      break;
    case WM_SETFOCUS:
      if (TForm* form = GetParentForm(this)) form->FocusChanged(this);
      break;
    case WM_SIZE:
    case WM_MOVE:
      UpdateBoundsFromWindow();
      break;
    case CM_ENTER:
      if (handlingPress_) {
        enterPending_ = true;
      } else {
        DoEnter();
      }
      return;
    case CM_EXIT:
      DoExit();
      return;
    case CM_ENABLEDCHANGED:
      if (handle_ != nullptr) EnableWindow(handle_, Enabled());
      break;
    case CM_FONTCHANGED:
      ApplyFont();
      for (TControl* c : controls_) {
        if (c->ParentFont()) c->SetParentFont(true);
      }
      break;
    default:
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (handle_ != nullptr && defWndProc_ != nullptr && m.Msg < CM_BASE) {
    m.Result = CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
  }
}

bool TWinControl::IsGraphicChild(const TControl* control) const {
  return control != nullptr && control->Parent() == this &&
         dynamic_cast<const TWinControl*>(control) == nullptr;
}

bool TWinControl::RouteMouseToChild(TMessage& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* target = nullptr;
  TControl* captured = CaptureControl();
  if (IsGraphicChild(captured)) {
    target = captured;
  } else if (captured == nullptr) {
    target = ControlAtPos(p);
  }
  if (target == nullptr) return false;
  const LPARAM local = MAKELPARAM(static_cast<WORD>(static_cast<short>(p.x - target->Left())),
                                  static_cast<WORD>(static_cast<short>(p.y - target->Top())));
  m.Result = target->Perform(m.Msg, m.WParam, local);
  return true;
}

void TWinControl::TrackMouse(TMessage& m) {
  if (!trackingLeave_ && handle_ != nullptr) {
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
    trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
  }
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const RECT client = ClientRect();
  TControl* over = nullptr;
  if (PtInRect(&client, p)) {
    over = ControlAtPos(p, true);
    if (over == nullptr) over = this;
  }
  Application()->SetMouseControl(over);
}

bool TWinControl::SetCursorFromControl(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) != handle_ || LOWORD(m.LParam) != HTCLIENT) return false;
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(handle_, &p);
  TControl* over = ControlAtPos(p, true);
  if (over == nullptr) over = this;
  if (over->Cursor() == TCursor::crDefault) return false;
  ::SetCursor(LoadCursorW(nullptr, CursorResource(over->Cursor())));
  m.Result = TRUE;
  return true;
}

bool TWinControl::ReflectToChild(TMessage& m) {
  HWND child = nullptr;
  if (m.Msg == WM_NOTIFY) {
    child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
  } else if (m.Msg == WM_DRAWITEM) {
    child = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem;
  } else {
    child = reinterpret_cast<HWND>(m.LParam);
  }
  TWinControl* target = FromHandle(child);
  if (target == nullptr || target == this) return false;
  m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

void TWinControl::PaintHandler(TMessage& m) {
  const bool ownClass = defWndProc_ == DefWindowProcW;
  if (!ownClass && graphicCount_ == 0) {
    DefaultHandler(m);
    return;
  }
  auto paint = [&](HDC dc) {
    if (ownClass) {
      PaintWindow(dc);
    } else {
      // Platform controls draw themselves on a device context they are given.
      CallWindowProcW(defWndProc_, handle_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
    PaintControls(dc, nullptr);
  };
  if (m.WParam != 0) {
    paint(reinterpret_cast<HDC>(m.WParam));
  } else {
    PaintScope ps(handle_);
    paint(ps.Dc());
  }
  m.Result = 0;
}

void TWinControl::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  TBrush brush;
  brush.SetColor(Color());
  ::FillRect(dc, &r, brush.Handle());
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  bool started = first == nullptr;
  for (int i = 0; i < graphicCount_; ++i) {
    TControl* c = controls_[i];
    if (!started) {
      if (c != first) continue;
      started = true;
    }
    if (!c->Visible()) continue;
    const RECT r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    SavedDc saved(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
    IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (handle_ != nullptr) {
    // The window's WM_SIZE realigns the children.
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    Realign();
  }
}

void TWinControl::UpdateBoundsFromWindow() {
  if (handle_ == nullptr) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (HWND parentWnd = GetParent(handle_);
      parentWnd != nullptr && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parentWnd, reinterpret_cast<POINT*>(&r), 2);
  }
  TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  Realign();
}

RECT TWinControl::ClientRect() const {
  if (handle_ != nullptr) {
    RECT r;
    GetClientRect(handle_, &r);
    return r;
  }
  return TControl::ClientRect();
}

void TWinControl::SetCaption(const std::string& caption) {
  if (caption == Caption()) return;
  if (handle_ != nullptr) SetWindowTextW(handle_, Widen(caption).c_str());
  TControl::SetCaption(caption);
}

void TWinControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  if (handle_ != nullptr) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) InvalidateRect(handle_, nullptr, !HasStyle(csOpaque));
}

void TWinControl::InvalidateArea(const RECT& r, bool erase) {
  if (handle_ != nullptr) InvalidateRect(handle_, &r, erase);
}

void TWinControl::Update() {
  if (handle_ != nullptr) UpdateWindow(handle_);
}

void TWinControl::Realign() {
  if (aligning_ || IsLoading() || IsDestroying()) return;
  aligning_ = true;
  RECT client = ClientRect();
  AlignControls(client);
  aligning_ = false;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::AlignControls(RECT& client) {
  // Edges first, in the usual order, each taking its strip off the remaining
  // rectangle; client-aligned children get what is left.
  const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                          TAlign::alClient};
  for (TAlign align : order) {
    for (TControl* c : controls_) {
      if (c->Align() != align || !c->Visible()) continue;
      const int w = client.right - client.left;
      const int h = client.bottom - client.top;
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(client.left, client.top, w, c->Height());
          client.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(client.left, client.bottom - c->Height(), w, c->Height());
          client.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(client.left, client.top, c->Width(), h);
          client.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(client.right - c->Width(), client.top, c->Width(), h);
          client.right -= c->Width();
          break;
        default:
          c->SetBounds(client.left, client.top, w, h);
          break;
      }
    }
  }
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  if (handle_ != nullptr) {
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(handle_, GWL_STYLE, style);
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const {
  return handle_ != nullptr && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
  if (CanFocus()) ::SetFocus(Handle());
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::ApplyFont() {
  if (handle_ != nullptr)
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
}

TForm* GetParentForm(TControl* control) {
  TControl* c = control;
  while (c != nullptr && c->Parent() != nullptr) c = c->Parent();
  return dynamic_cast<TForm*>(c);
}

}  // namespace au
