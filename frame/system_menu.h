// TsSystemMenu: the skinned frame's own system menu. Its commands are shown
// and enabled by the window's border style, border icons and state; at the
// top it lists the skins that can be chosen.
#pragma once

#include <string>

#include "menus/menu_item_kinds.h"
#include "ui/popup_menu.h"

namespace au {

class TsSkinProvider;
class TsSkinManager;

inline constexpr char kAvailableSkinsCaption[] = "Available skins";
// Each column of the skin list holds this many skins.
inline constexpr int kSkinsPerColumn = 20;

// A caption as the menu shows it for a plain text: every "&" doubled.
std::string MenuCaptionOf(const std::string& text);
// The menu caption of a skin: its name is in the ANSI code page, like the
// folder it names, and captions are UTF-8 like all our texts.
std::string SkinCaptionOf(const std::string& skinName);
// The text of a caption without its access-key marks: lone "&" dropped, "&&"
// back to "&".
std::string StripHotkeys(const std::string& caption);

// Makes `name` the manager's skin, as the user chose it from a menu. A skin
// that cannot be loaded is named to the user in one message box, with what
// failed in it; the skin on show stays.
void ChooseSkin(TsSkinManager& manager, const std::string& name);

class TsSystemMenu : public TPopupMenu {
 public:
  explicit TsSystemMenu(TsSkinProvider& provider);

  const char* ClassName() const override { return "TsSystemMenu"; }

  TMenuItem* ItemRestore = nullptr;
  TMenuItem* ItemMove = nullptr;
  TMenuItem* ItemSize = nullptr;
  TMenuItem* ItemMinimize = nullptr;
  TMenuItem* ItemMaximize = nullptr;
  TMenuItem* ItemClose = nullptr;

  // Shows and enables the commands for the window as it is now.
  void UpdateItems();
  // Replaces the skin list at the top with the manager's skins as they are
  // now (nothing when the provider does not make a skin menu).
  void UpdateSkinItems();
  void Popup(int x, int y) override;

 private:
  void SendCommand(WPARAM command);

  TsSkinProvider& provider_;
};

}  // namespace au
