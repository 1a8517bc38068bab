// TControl: anything with a place on a parent, windowed or not. Every message
// a control handles passes through `WindowProc`, which starts out as the
// control's own `WndProc` and may be replaced by a hook that stands in front
// of it (the frame skinning component does that for a form).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/component.h"
#include "pixels/color.h"
#include "ui/graphics.h"
#include "ui/messages.h"

namespace au {

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

// Control style flags.
enum TControlStyle : unsigned {
  csAcceptsControls = 1,  // may be a parent of other controls
  csOpaque = 2,           // paints every pixel: the parent need not paint behind it
  csClickEvents = 4,      // a press and release inside raises OnClick
  csCaptureMouse = 8,     // captures the mouse while a button is held
  csDoubleClicks = 16,    // the second press of a double click raises OnDblClick, not OnClick
};

enum class TCursor { crDefault, crArrow, crHandPoint, crIBeam };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TWndMethod = std::function<void(TMessage&)>;
using TNotifyEvent = std::function<void(TComponent* sender)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // The message entry point: calls the current WindowProc.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Replaceable hook in front of WndProc; the default calls WndProc.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled (the platform's procedure for
  // windowed controls, nothing for graphic ones).
  virtual void DefaultHandler(TMessage& message);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors) { anchors_ = anchors; }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and every parent up to the form.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // Caption, hint: UTF-8.
  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }

  unsigned ControlStyle() const { return controlStyle_; }
  void SetControlStyle(unsigned style) { controlStyle_ = style; }
  bool HasStyle(TControlStyle flag) const { return (controlStyle_ & flag) != 0; }

  // Being created: from the constructor until the first parent is set or,
  // for a windowed control, until its window exists.
  bool IsCreating() const { return creating_; }

  virtual void Invalidate();
  virtual void Repaint();
  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  std::function<void(TComponent*, TMouseButton, int x, int y)> OnMouseDown;
  std::function<void(TComponent*, TMouseButton, int x, int y)> OnMouseUp;
  std::function<void(TComponent*, int x, int y)> OnMouseMove;

 protected:
  virtual void MouseDown(TMouseButton button, int x, int y);
  virtual void MouseMove(int x, int y);
  virtual void MouseUp(TMouseButton button, int x, int y);
  virtual void FontChanged();
  void SetCreating(bool creating) { creating_ = creating; }
  // Marks the parent's layout as out of date after a bounds or alignment change.
  void RequestAlign();

 private:
  friend class TWinControl;
  void HandleMouse(TMessage& message);
  void AdoptParentFont();

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = TAlign::alNone;
  TAnchors anchors_ = akLeft | akTop;
  bool visible_ = true;
  bool enabled_ = true;
  bool creating_ = true;
  bool clicked_ = false;
  bool parentFont_ = true;
  bool adoptingParentFont_ = false;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  TFont font_;
  TColor color_ = clWindow;
  TCursor cursor_ = TCursor::crDefault;
  unsigned controlStyle_ = csClickEvents | csCaptureMouse | csDoubleClicks;
};

// The control that currently owns mouse input after a press (graphic controls
// included), and the one the mouse is over.
TControl* CaptureControl();
void SetCaptureControl(TControl* control);
// The platform has already given the capture to another window: forgets the
// control that held it, without touching the platform's capture, and tells
// it that its press is cancelled.
void CancelCaptureControl();

}  // namespace au
