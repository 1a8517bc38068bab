#include "ui/form.h"

#include "ui/application.h"
#include "ui/wide_text.h"

namespace au {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csAcceptsControls | csClickEvents | csDoubleClicks);
  SetColor(clBtnFace);
  SetVisible(false);
}

TForm::~TForm() {
  // Owned controls go first, while the form's window still exists.
  DestroyComponents();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  SetClientSize(clientWidth_, clientHeight_);
  RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  if (!HandleAllocated()) return;
  constexpr DWORD kIconStyles = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
  SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~kIconStyles) | (FrameStyle() & kIconStyles));
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE,
                    (exStyle & ~WS_EX_CONTEXTHELP) | (FrameExStyle() & WS_EX_CONTEXTHELP));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

DWORD TForm::FrameStyle() const {
  // Without the system menu the platform shows none of the caption buttons.
  const DWORD systemMenu = (borderIcons_ & biSystemMenu) ? WS_SYSMENU : 0;
  const DWORD boxes = systemMenu != 0 ? ((borderIcons_ & biMinimize) ? WS_MINIMIZEBOX : 0) |
                                            ((borderIcons_ & biMaximize) ? WS_MAXIMIZEBOX : 0)
                                      : 0;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      return WS_POPUP;
    case TFormBorderStyle::bsSingle:
      return WS_CAPTION | systemMenu | boxes;
    case TFormBorderStyle::bsDialog:
      return WS_CAPTION | systemMenu | DS_MODALFRAME;
    default:
      return WS_CAPTION | WS_THICKFRAME | systemMenu | boxes;
  }
}

DWORD TForm::FrameExStyle() const {
  DWORD exStyle =
      borderStyle_ == TFormBorderStyle::bsDialog ? WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE : 0;
  // The help button shows only where the boxes do not.
  const bool help = (borderIcons_ & biHelp) && (borderIcons_ & biSystemMenu) &&
                    (borderStyle_ == TFormBorderStyle::bsDialog ||
                     (borderIcons_ & (biMinimize | biMaximize)) == 0);
  if (help) exStyle |= WS_EX_CONTEXTHELP;
  return exStyle;
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, FrameStyle(), FALSE, FrameExStyle());
  SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

RECT TForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  return {0, 0, clientWidth_, clientHeight_};
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = kFormClassName;
  params.Style = FrameStyle() | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  // A form whose window is made again while it is shown (a new border
  // style) stays on screen.
  if (Visible()) params.Style |= WS_VISIBLE;
  params.ExStyle = FrameExStyle() | WS_EX_CONTROLPARENT;
  params.WndParent = nullptr;
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control == activeControl_) return;
  if (activeControl_ != nullptr) activeControl_->RemoveFreeNotification(this);
  activeControl_ = control;
  if (control != nullptr) {
    control->FreeNotification(this);
    if (HandleAllocated() && GetActiveWindow() == Handle() && !IsLoading()) control->SetFocus();
  }
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == activeControl_) activeControl_ = nullptr;
  if (component == focusedControl_) focusedControl_ = nullptr;
}

void TForm::FocusChanged(TWinControl* control) {
  if (control == focusedControl_ || control == this) return;
  TWinControl* previous = focusedControl_;
  focusedControl_ = control;
  if (control != activeControl_) SetActiveControl(control);
  if (previous != nullptr) previous->Perform(CM_EXIT);
  if (focusedControl_ == control) control->Perform(CM_ENTER);
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::PlaceOnScreen() {
  if (placed_) return;
  placed_ = true;
  int x = Left();
  int y = Top();
  if (position_ == TPosition::poDesktopCenter) {
    x = GetSystemMetrics(SM_XVIRTUALSCREEN) + (GetSystemMetrics(SM_CXVIRTUALSCREEN) - Width()) / 2;
    y = GetSystemMetrics(SM_YVIRTUALSCREEN) + (GetSystemMetrics(SM_CYVIRTUALSCREEN) - Height()) / 2;
  } else if (position_ == TPosition::poScreenCenter) {
    x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
  }
  SetBounds(x, y, Width(), Height());
}

void TForm::Show() {
  HandleNeeded();
  PlaceOnScreen();
  TWinControl::SetVisible(true);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  if (activeControl_ != nullptr) activeControl_->SetFocus();
}

void TForm::Close() {
  if (Application() != nullptr && Application()->MainForm() == this) Application()->Terminate();
  SetVisible(false);
}

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE:
      // Give the focus back to the control that had it, instead of the form.
      if (LOWORD(m.WParam) != WA_INACTIVE && activeControl_ != nullptr &&
          activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        m.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace au
