// "Available skins" in the platform's own system menu. A skin that has
// nothing for a window gives the window the platform's frame back, and with
// it the platform's system menu; without this list there would be no way back
// to another skin short of restarting. It lists the same skins as the skinned
// system menu, checks the active one, and chooses the same way.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace au {

class TsSkinManager;

// The commands of the list in the system menu: below the platform's own
// (0xF000 on) and apart in steps of 16, whose low four bits the platform
// keeps for itself in WM_SYSCOMMAND.
inline constexpr UINT kPlatformSkinListItem = 0x0FE0;
inline constexpr UINT kPlatformSkinListLine = 0x0FF0;
inline constexpr UINT kPlatformFirstSkinCommand = 0x1000;
inline constexpr UINT kPlatformSkinCommandStep = 0x10;

class PlatformSkinList {
 public:
  // Puts the list, made anew from the manager's skins, and a line under it at
  // the top of `wnd`'s system menu (nothing at all when there are no skins).
  void Insert(HWND wnd, TsSkinManager& manager);
  // Takes the list and its line out again; the rest of the menu is left.
  void Remove(HWND wnd);
  // When `command` (of WM_SYSCOMMAND, or the item of WM_COMMAND) is a skin
  // of the list: makes it the manager's skin and answers true.
  bool Choose(WPARAM command, TsSkinManager& manager) const;

 private:
  std::vector<std::string> names_;
};

}  // namespace au
