#include "frame/platform_skin_list.h"

#include "frame/system_menu.h"
#include "skin/skin_manager.h"
#include "ui/wide_text.h"

namespace au {
namespace {

// As many skins as there are commands below the platform's own.
constexpr size_t kMostSkins = (0xF000 - kPlatformFirstSkinCommand) / kPlatformSkinCommandStep;

bool InsertItem(HMENU menu, UINT position, MENUITEMINFOW& info) {
  info.cbSize = sizeof(info);
  return InsertMenuItemW(menu, position, TRUE, &info) != FALSE;
}

}  // namespace

void PlatformSkinList::Insert(HWND wnd, TsSkinManager& manager) {
  Remove(wnd);
  HMENU system = GetSystemMenu(wnd, FALSE);
  if (system == nullptr) return;
  manager.ListSkinNames(names_);
  if (names_.size() > kMostSkins) names_.resize(kMostSkins);
  if (names_.empty()) return;
  HMENU list = CreatePopupMenu();
  if (list == nullptr) return;
  for (size_t i = 0; i < names_.size(); ++i) {
    // Captions as the skinned menu shows them: a "&" in a name stays a "&".
    std::wstring caption = Widen(SkinCaptionOf(names_[i]));
    MENUITEMINFOW skin{};
    skin.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    skin.fType = MFT_STRING | MFT_RADIOCHECK;
    if (i > 0 && i % kSkinsPerColumn == 0) skin.fType |= MFT_MENUBREAK;
    skin.fState = names_[i] == manager.SkinName() ? MFS_CHECKED : 0;
    skin.wID = kPlatformFirstSkinCommand + static_cast<UINT>(i) * kPlatformSkinCommandStep;
    skin.dwTypeData = caption.data();
    InsertItem(list, static_cast<UINT>(i), skin);
  }
  std::wstring caption = Widen(kAvailableSkinsCaption);
  MENUITEMINFOW item{};
  item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  item.fType = MFT_STRING;
  item.wID = kPlatformSkinListItem;
  item.hSubMenu = list;
  item.dwTypeData = caption.data();
  // Once inserted the sub-menu belongs to the system menu.
  if (!InsertItem(system, 0, item)) {
    DestroyMenu(list);
    return;
  }
  MENUITEMINFOW line{};
  line.fMask = MIIM_FTYPE | MIIM_ID;
  line.fType = MFT_SEPARATOR;
  line.wID = kPlatformSkinListLine;
  InsertItem(system, 1, line);
}

void PlatformSkinList::Remove(HWND wnd) {
  names_.clear();
  HMENU system = GetSystemMenu(wnd, FALSE);
  if (system == nullptr) return;
  // Deleting the item destroys its sub-menu too.
  DeleteMenu(system, kPlatformSkinListItem, MF_BYCOMMAND);
  DeleteMenu(system, kPlatformSkinListLine, MF_BYCOMMAND);
}

bool PlatformSkinList::Choose(WPARAM command, TsSkinManager& manager) const {
  const WPARAM id = command & 0xFFF0;
  if (id < kPlatformFirstSkinCommand || id >= 0xF000) return false;
  const size_t index = (id - kPlatformFirstSkinCommand) / kPlatformSkinCommandStep;
  if (index >= names_.size()) return false;
  // A copy: the skin change may rebuild the list.
  const std::string name = names_[index];
  ChooseSkin(manager, name);
  return true;
}

}  // namespace au
