#include "ui/application.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/hint_window.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"
#include "ui/wide_text.h"

namespace au {
namespace {

TApplication* gApplication = nullptr;

constexpr wchar_t kHiddenClassName[] = L"au.Application";
constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;
constexpr UINT kHintPause = 500;
constexpr UINT kHintHidePause = 2500;

}  // namespace

TApplication* Application() {
  return gApplication;
}

std::wstring ApplicationTitleFromPath(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/:");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  if (const size_t dot = name.find(L'.'); dot != std::wstring::npos) name.resize(dot);
  if (name.size() > 1) CharLowerBuffW(name.data() + 1, static_cast<DWORD>(name.size() - 1));
  return name;
}

TApplication::TApplication() : TComponent(nullptr) {
  gApplication = this;
}

TApplication::~TApplication() {
  DestroyComponents();
  hint_.reset();
  if (handle_ != nullptr) DestroyWindow(handle_);
  if (gApplication == this) gApplication = nullptr;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);

  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  title_ = Narrow(ApplicationTitleFromPath(std::wstring(path, n)));

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = HiddenWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kHiddenClassName;
  RegisterClassExW(&wc);
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kHiddenClassName, Widen(title_).c_str(), WS_POPUP, 0,
                            0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  hint_ = std::make_unique<HintWindow>(handle_);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

LRESULT CALLBACK TApplication::HiddenWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (app == nullptr) return DefWindowProcW(wnd, msg, wParam, lParam);
  try {
    return app->HiddenWindowMessage(msg, wParam, lParam);
  } catch (const std::exception& e) {
    app->HandleException(e.what());
  } catch (...) {
    app->HandleException("Unexpected error");
  }
  return 0;
}

LRESULT TApplication::HiddenWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  // Pop-up menus are owned by this window unless they name another.
  if ((msg == WM_MEASUREITEM || msg == WM_DRAWITEM) && TPopupMenu::DispatchOwnerDraw(m)) {
    return m.Result;
  }
  // Hooks may come and go while the message is handed round: a removed one is
  // not called any more (its owner may be gone), and the running one is a
  // copy, so that it may remove itself.
  std::vector<int> ids;
  ids.reserve(hooks_.size());
  for (const auto& entry : hooks_) ids.push_back(entry.first);
  for (const int id : ids) {
    const auto it = std::find_if(hooks_.begin(), hooks_.end(),
                                 [id](const auto& entry) { return entry.first == id; });
    if (it == hooks_.end()) continue;
    const TWindowHook hook = it->second;
    if (hook(m)) return m.Result;
  }
  if (msg == WM_TIMER) {
    if (wParam == kHintShowTimer) {
      KillTimer(handle_, kHintShowTimer);
      ShowPendingHint();
    } else if (wParam == kHintHideTimer) {
      CancelHint();
    } else {
      auto* timer = reinterpret_cast<TTimer*>(wParam);
      if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end()) timer->Fire();
    }
    return 0;
  }
  return DefWindowProcW(handle_, msg, wParam, lParam);
}

int TApplication::HookMainWindow(TWindowHook hook) {
  const int id = nextHookId_++;
  hooks_.emplace_back(id, std::move(hook));
  return id;
}

void TApplication::UnhookMainWindow(int id) {
  std::erase_if(hooks_, [id](const auto& entry) { return entry.first == id; });
}

void TApplication::RegisterTimer(TTimer* timer) {
  timers_.push_back(timer);
}

void TApplication::UnregisterTimer(TTimer* timer) {
  std::erase(timers_, timer);
}

void TApplication::Run() {
  if (mainForm_ != nullptr) mainForm_->Show();
  MSG msg;
  while (!terminated_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      terminated_ = true;
      break;
    }
    HWND dialog = mainForm_ != nullptr ? mainForm_->Handle() : nullptr;
    if (dialog != nullptr && IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TApplication::Terminate() {
  // Terminated once the quit message comes out of the queue, so that none is
  // left behind for a later modal loop (a message box) to end itself on.
  PostQuitMessage(0);
}

void TApplication::MessageBox(const std::string& text) {
  CancelHint();
  HWND owner = nullptr;
  if (mainForm_ != nullptr && mainForm_->HandleAllocated() &&
      IsWindowVisible(mainForm_->Handle())) {
    owner = mainForm_->Handle();
  }
  ::MessageBoxW(owner, Widen(text).c_str(), Widen(title_).c_str(), MB_OK | MB_TASKMODAL);
}

void TApplication::HandleException(const std::string& message) {
  MessageBox(message);
}

void TApplication::SetMouseControl(TControl* control) {
  if (control == mouseControl_) return;
  TControl* previous = mouseControl_;
  mouseControl_ = control;
  CancelHint();
  if (previous != nullptr) previous->Perform(CM_MOUSELEAVE);
  if (control != nullptr && mouseControl_ == control) {
    control->Perform(CM_MOUSEENTER);
    if (showHint_ && control->ShowHint() && !control->Hint().empty()) {
      hintControl_ = control;
      SetTimer(handle_, kHintShowTimer, kHintPause, nullptr);
    }
  }
}

void TApplication::ShowPendingHint() {
  if (hintControl_ == nullptr || hintControl_ != mouseControl_ || hint_ == nullptr) return;
  POINT p;
  GetCursorPos(&p);
  hint_->Show(Widen(hintControl_->Hint()), {p.x, p.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4});
  SetTimer(handle_, kHintHideTimer, kHintHidePause, nullptr);
}

void TApplication::CancelHint() {
  if (handle_ != nullptr) {
    KillTimer(handle_, kHintShowTimer);
    KillTimer(handle_, kHintHideTimer);
  }
  hintControl_ = nullptr;
  if (hint_ != nullptr) hint_->Hide();
}

std::string TApplication::CurrentHint() const {
  return hint_ != nullptr && hint_->Visible() ? Narrow(hint_->Text()) : std::string();
}

void TApplication::SetShowHint(bool show) {
  showHint_ = show;
  if (!show) CancelHint();
}

void TApplication::ControlDestroyed(TControl* control) {
  if (control == mouseControl_) mouseControl_ = nullptr;
  if (control == hintControl_) CancelHint();
}

}  // namespace au
