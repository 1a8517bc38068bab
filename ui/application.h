// The application object: its title, its forms (it owns them), the message
// loop, message boxes, hints, and a hidden window whose messages others may
// hook (the skin manager answers the menu painter's requests there).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "ui/messages.h"

namespace au {

class TControl;
class TForm;
class HintWindow;
class TTimer;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  // Sets the title from the program file's name and creates the hidden window.
  void Initialize();
  void Notification(TComponent* component, TOperation operation) override;

  // Creates a form owned by the application; the first becomes the main form.
  template <typename Form, typename... Args>
  Form* CreateForm(Args&&... args) {
    auto* form = new Form(this, std::forward<Args>(args)...);
    if (mainForm_ == nullptr) mainForm_ = form;
    return form;
  }
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form and dispatches messages until the quit message that
  // Terminate posts.
  void Run();
  // Dispatches the messages that are waiting, then returns.
  void ProcessMessages();
  void Terminate();
  // True once the quit message has been taken from the queue.
  bool Terminated() const { return terminated_; }

  // UTF-8; the caption of message boxes.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // A modal message box with the title, the text, no icon and one "OK" button.
  void MessageBox(const std::string& text);
  // What a window procedure does with an error that reached it.
  void HandleException(const std::string& message);

  // The hidden application window and the hooks on its messages. A hook that
  // returns true has handled the message.
  HWND Handle() const { return handle_; }
  using TWindowHook = std::function<bool(TMessage&)>;
  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int id);

  // The control under the mouse; changing it tells the old one the mouse left
  // and the new one it entered, and schedules the new one's hint.
  TControl* MouseControl() const { return mouseControl_; }
  void SetMouseControl(TControl* control);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  void CancelHint();
  // The visible hint's text (UTF-8), empty when none is shown.
  std::string CurrentHint() const;
  void ControlDestroyed(TControl* control);

  // Timers run on the hidden window.
  void RegisterTimer(TTimer* timer);
  void UnregisterTimer(TTimer* timer);

 private:
  static LRESULT CALLBACK HiddenWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HiddenWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void ShowPendingHint();

  std::string title_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  HWND handle_ = nullptr;
  std::vector<std::pair<int, TWindowHook>> hooks_;
  int nextHookId_ = 1;
  std::vector<TTimer*> timers_;
  TControl* mouseControl_ = nullptr;
  TControl* hintControl_ = nullptr;
  bool showHint_ = true;
  std::unique_ptr<HintWindow> hint_;
};

// The process's application object, or null before one exists.
TApplication* Application();

// The title rule: the program file's name without its folder, cut at its first
// ".", every character after the first in lower case.
std::wstring ApplicationTitleFromPath(const std::wstring& path);

}  // namespace au
