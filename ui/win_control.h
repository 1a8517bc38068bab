// TWinControl: a control with a window of its own. Our own containers use a
// window class of ours; edit, status bar and scroll bar controls are the
// platform's classes, subclassed so that every message passes through
// `WndProc` and falls back to the class's own procedure in `DefaultHandler`.
// Graphic children are painted by their parent and get their mouse messages
// routed from it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/window_class.h"

namespace au {

struct TCreateParams {
  std::wstring ClassName;
  bool PredefinedClass = false;  // a platform class that we subclass after creation
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created on first use together with its parents' windows.
  HWND Handle();
  HWND Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys and creates the window again with fresh creation parameters.
  void RecreateWnd();

  // Children: graphic controls first, then windowed ones, each in the order
  // they were inserted (the order in which broadcasts reach them).
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[index]; }
  // The topmost visible graphic child under a client point (enabled ones only
  // unless allowDisabled), or null.
  TControl* ControlAtPos(POINT p, bool allowDisabled = false) const;

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::string& caption) override;
  void Invalidate() override;
  void InvalidateArea(const RECT& r, bool erase = true);
  void Update();
  // Re-applies the children's alignment (deferred while loading).
  void Realign();
  void Loaded() override;

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  bool CanFocus() const;
  bool Focused() const;
  void SetFocus();

  // Paints the visible graphic children onto a device context of this
  // window's client area, from `first` on (all when null).
  void PaintControls(HDC dc, TControl* first);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // The control that owns a window of this process, or null.
  static TWinControl* FromHandle(HWND wnd);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called once the window exists (before its children get theirs).
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  // Our own window classes paint through this; the canvas is set up on the
  // paint device context. The default fills the client area with Color.
  virtual void PaintWindow(HDC dc);
  virtual void AlignControls(RECT& clientRect);
  virtual void DoEnter();
  virtual void DoExit();
  // Keeps our bounds in step with the window's.
  void UpdateBoundsFromWindow();

 private:
  friend class TControl;
  friend LRESULT CALLBACK StdWndProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK InitWndProc(HWND, UINT, WPARAM, LPARAM);

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void AttachHandle(HWND wnd, WNDPROC defaultProc);
  void DetachHandle();
  bool IsGraphicChild(const TControl* control) const;
  bool RouteMouseToChild(TMessage& message);
  void TrackMouse(TMessage& message);
  bool SetCursorFromControl(TMessage& message);
  bool ReflectToChild(TMessage& message);
  void PaintHandler(TMessage& message);
  void ApplyFont();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  int graphicCount_ = 0;
  bool tabStop_ = false;
  int tabOrder_ = -1;
  bool trackingLeave_ = false;
  bool handlingPress_ = false;
  bool enterPending_ = false;
  bool aligning_ = false;
};

// The form that contains a control, or null.
class TForm;
TForm* GetParentForm(TControl* control);

}  // namespace au
