#include "controls/skin_broadcaster_win.h"

#include <windows.h>

#include "paint/skin_messages.h"
#include "skin/skin_manager.h"
#include "ui/application.h"
#include "ui/wide_text.h"

namespace au {

void WindowsSkinBroadcaster::BroadcastToForms(TSkinCommand command, TsSkinManager* manager) {
  TMessage m = SkinCommandMessage(command, 0, reinterpret_cast<LPARAM>(manager));
  au::BroadcastToForms(m);
}

std::string WindowsSkinBroadcaster::ApplicationFolder() const {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring folder(path, n);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  // Skin paths are 8-bit strings in the ANSI code page.
  return WideToAnsi(folder);
}

void WindowsSkinBroadcaster::HookApplication(TsSkinManager* manager) {
  if (Application() == nullptr || hooks_.contains(manager)) return;
  // The skinned-menu painter's two requests (a menu item whose menu window is
  // to be found, or the menu window) arrive here; every other message passes on.
  hooks_[manager] = Application()->HookMainWindow([manager](TMessage& m) {
    SkinMenuPainter* painter = manager->MenuPainter();
    return painter != nullptr && painter->AnswerMenuRequest(m.Msg, m.WParam, m.LParam);
  });
}

void WindowsSkinBroadcaster::UnhookApplication(TsSkinManager* manager) {
  auto it = hooks_.find(manager);
  if (it == hooks_.end()) return;
  if (Application() != nullptr) Application()->UnhookMainWindow(it->second);
  hooks_.erase(it);
}

void InstallWindowsSkinBroadcaster() {
  static WindowsSkinBroadcaster broadcaster;
  SetDefaultSkinBroadcaster(&broadcaster);
}

}  // namespace au
