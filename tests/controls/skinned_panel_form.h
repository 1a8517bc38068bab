// A form on screen with the internal skin active and a skinned panel filling
// it, as the main window has them, for tests of the skinned controls.
#pragma once

#include <windows.h>

#include <string>

#include "controls/ts_panel.h"
#include "skin/elegant_skin.h"
#include "skin/skin_manager.h"
#include "tests/ui/shown_form.h"

namespace au::test {

class SkinnedPanelForm : public ShownFormTest {
 protected:
  SkinnedPanelForm() {
    manager_ = new TsSkinManager(form_.get());
    manager_->SetInternalSkins({ElegantInternalSkin()});
    panel_ = Add<TsPanel>(form_.get(), 0, 0, 400, 300);
    panel_->SetAlign(TAlign::alClient);
    manager_->SetSkinName(kElegantSkinName);
  }

  TsSkinManager* manager_ = nullptr;
  TsPanel* panel_ = nullptr;
};

// The window class a window was made with.
inline std::wstring WindowClassOf(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  return name;
}

}  // namespace au::test
