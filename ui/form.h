// TForm: a top-level window that holds controls, remembers which of them has
// the focus, and closes the application when it is the main form.
#pragma once

#include "ui/win_control.h"

namespace au {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poDesktopCenter, poScreenCenter };

// The caption buttons the platform draws for a form: the system menu with
// the close button, the minimise and maximise boxes, the help button.
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
inline constexpr TBorderIcons kDefaultBorderIcons = biSystemMenu | biMinimize | biMaximize;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  // Changing them restyles the existing window in place; the frame keeps its
  // size.
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  void SetClientWidth(int width) { SetClientSize(width, clientHeight_); }
  void SetClientHeight(int height) { SetClientSize(clientWidth_, height); }
  void SetClientSize(int width, int height);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }

  // The control that has (or gets, once the form is active) the focus.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);

  // Shows the form (placed as Position says the first time) and focuses its
  // active control.
  void Show();
  // Closing the main form ends the application; other forms are hidden.
  void Close();

  // Called by a control's window when it receives the focus.
  void FocusChanged(TWinControl* control);

  RECT ClientRect() const override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

  // Runs once the stored layout is complete.
  TNotifyEvent OnCreate;
  void DoCreate();

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void PlaceOnScreen();
  DWORD FrameStyle() const;
  DWORD FrameExStyle() const;

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_ = kDefaultBorderIcons;
  TPosition position_ = TPosition::poDesigned;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  bool keyPreview_ = false;
  bool placed_ = false;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
};

}  // namespace au
