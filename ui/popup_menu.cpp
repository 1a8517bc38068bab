#include "ui/popup_menu.h"

#include <algorithm>
#include <utility>

#include "ui/application.h"
#include "ui/wide_text.h"

namespace au {
namespace {

// The menu whose items are on screen; measure and draw requests of the
// platform belong to it.
TPopupMenu* gShowingMenu = nullptr;

std::string KeyName(unsigned key) {
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
  struct Named {
    unsigned Key;
    const char* Name;
  };
  static constexpr Named kNames[] = {{VK_BACK, "BkSp"},   {VK_TAB, "Tab"},     {VK_RETURN, "Enter"},
                                     {VK_ESCAPE, "Esc"},  {VK_SPACE, "Space"}, {VK_INSERT, "Ins"},
                                     {VK_DELETE, "Del"},  {VK_HOME, "Home"},   {VK_END, "End"},
                                     {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},   {VK_LEFT, "Left"},
                                     {VK_RIGHT, "Right"}, {VK_UP, "Up"},       {VK_DOWN, "Down"}};
  for (const Named& named : kNames) {
    if (named.Key == key) return named.Name;
  }
  return {};
}

// Destroys a menu that was not handed to anyone.
struct MenuOwner {
  HMENU Menu = nullptr;
  ~MenuOwner() {
    if (Menu != nullptr) DestroyMenu(Menu);
  }
};

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const std::string key = KeyName(shortCut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + key;
}

TMenuItem* TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item) {
  TMenuItem* added = item.get();
  added->parent_ = this;
  const auto at = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + at, std::move(item));
  return added;
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i) == item) return i;
  }
  return -1;
}

TMenuItem* TMenuItem::Find(const std::string& name) const {
  for (const auto& item : items_) {
    if (item->Name == name) return item.get();
  }
  return nullptr;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
  if (gShowingMenu == this) gShowingMenu = nullptr;
  if (handle_ != nullptr) DestroyMenu(handle_);
}

HMENU TPopupMenu::Handle() {
  if (handle_ != nullptr) DestroyMenu(handle_);
  commands_.clear();
  handle_ = CreatePopupMenu();
  if (handle_ != nullptr) Build(handle_, items_);
  return handle_;
}

void TPopupMenu::Build(HMENU menu, const TMenuItem& parent) {
  const bool menuHooks = OnMeasureItem || OnDrawItem;
  bool lastWasLine = false;
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Visible || (item->IsLine() && lastWasLine)) continue;
    lastWasLine = item->IsLine();
    commands_.push_back(item);

    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.wID = static_cast<UINT>(commands_.size());
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    info.fType = item->IsLine() ? MFT_SEPARATOR : MFT_STRING;
    if (item->RadioItem) info.fType |= MFT_RADIOCHECK;
    if (item->Break == TMenuBreak::mbBreak) info.fType |= MFT_MENUBREAK;
    if (item->Break == TMenuBreak::mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    // An item that nobody would draw (added after a painter took the menu)
    // is left to the platform rather than shown blank.
    const bool ownerDrawn = menuHooks || (OwnerDraw && (item->OnMeasureItem || item->OnDrawItem));
    if (ownerDrawn) info.fType |= MFT_OWNERDRAW;
    if (item->Checked) info.fState |= MFS_CHECKED;
    if (!item->Enabled) info.fState |= MFS_DISABLED;

    // Owner-drawn items keep their texts too: the platform takes access keys
    // and what it tells assistive tools from them.
    std::wstring text;
    if (!item->IsLine()) {
      text = Widen(item->Caption);
      if (const std::string keys = ShortCutToText(item->ShortCut); !keys.empty()) {
        text += L"\t" + Widen(keys);
      }
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
    }
    MenuOwner sub;
    if (item->Count() > 0 && !item->IsLine()) {
      sub.Menu = CreatePopupMenu();
      if (sub.Menu != nullptr) {
        Build(sub.Menu, *item);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = sub.Menu;
      }
    }
    // A sub-menu inserted belongs to its parent menu from then on.
    if (InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info)) {
      sub.Menu = nullptr;
    }
  }
}

TMenuItem* TPopupMenu::ItemOfCommand(UINT command) const {
  if (command == 0 || command > commands_.size()) return nullptr;
  return commands_[command - 1];
}

TMenuItem* TPopupMenu::ItemOfData(ULONG_PTR data) const {
  const auto* item = reinterpret_cast<const TMenuItem*>(data);
  const auto it = std::find(commands_.begin(), commands_.end(), item);
  return it != commands_.end() ? *it : nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  if (showing_) return;
  HMENU menu = Handle();
  if (menu == nullptr) return;
  HWND owner = ownerWindow_;
  if (owner == nullptr && Application() != nullptr) owner = Application()->Handle();
  TPopupMenu* previous = std::exchange(gShowingMenu, this);
  HWND foreground = GetForegroundWindow();
  showing_ = true;
  const UINT command = static_cast<UINT>(TrackPopupMenuEx(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, owner, nullptr));
  showing_ = false;
  if (gShowingMenu == this) gShowingMenu = previous;
  // A menu window that took the activation with it leaves no window active;
  // the one that was active before gets it back. A window that the user
  // activated by clicking outside the menu keeps it.
  if (GetForegroundWindow() == nullptr && foreground != nullptr && IsWindow(foreground)) {
    SetForegroundWindow(foreground);
  }
  if (TMenuItem* item = ItemOfCommand(command); item != nullptr && item->Enabled) item->Click();
}

bool TPopupMenu::DispatchOwnerDraw(TMessage& m) {
  TPopupMenu* menu = gShowingMenu;
  if (menu == nullptr) return false;
  if (m.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (measure == nullptr || measure->CtlType != ODT_MENU) return false;
    TMenuItem* item = menu->ItemOfData(measure->itemData);
    if (item == nullptr) return false;
    const TMenuMeasureEvent& handler =
        item->OnMeasureItem ? item->OnMeasureItem : menu->OnMeasureItem;
    if (handler) {
      HDC dc = GetDC(nullptr);
      int width = static_cast<int>(measure->itemWidth);
      int height = static_cast<int>(measure->itemHeight);
      handler(*item, dc, width, height);
      ReleaseDC(nullptr, dc);
      measure->itemWidth = static_cast<UINT>(std::max(width, 0));
      measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    }
    m.Result = TRUE;
    return true;
  }
  if (m.Msg == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    if (draw == nullptr || draw->CtlType != ODT_MENU) return false;
    TMenuItem* item = menu->ItemOfData(draw->itemData);
    if (item == nullptr) return false;
    const TMenuDrawEvent& handler = item->OnDrawItem ? item->OnDrawItem : menu->OnDrawItem;
    if (handler) handler(*item, draw->hDC, draw->rcItem, draw->itemState);
    m.Result = TRUE;
    return true;
  }
  return false;
}

}  // namespace au
