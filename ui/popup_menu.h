// Pop-up menus: a tree of items with captions, check marks, columns and
// separators, shown at a screen point through the platform's menu tracking.
// Each showing builds a fresh platform menu from the items, so items may be
// changed, hidden or replaced at any time between showings. A menu painter
// can take over measuring and drawing the items through two hooks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "ui/messages.h"

namespace au {

// A key with its modifiers, as the menu shows it beside an item: the virtual
// key in the low byte, scShift, scCtrl and scAlt above it.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
// "Alt+F4", "Ctrl+S"; empty for 0 and for keys that have no plain name here.
std::string ShortCutToText(TShortCut shortCut);

// Where an item starts a new column: not at all, plainly, or after a line.
enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

class TMenuItem;
// Owner-drawing: the item's size (given the platform's guess), and its look
// in a rectangle of the menu window with the platform's ODS_ state flags.
using TMenuMeasureEvent = std::function<void(TMenuItem& item, HDC dc, int& width, int& height)>;
using TMenuDrawEvent = std::function<void(TMenuItem& item, HDC dc, const RECT& r, UINT itemState)>;

class TMenuItem {
 public:
  TMenuItem() = default;
  TMenuItem(std::string name, std::string caption)
      : Name(std::move(name)), Caption(std::move(caption)) {}
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  std::string Name;
  // UTF-8. An "&" marks the next character as the item's access key, "&&"
  // stands for a plain "&"; the caption "-" makes the item a separator line.
  std::string Caption;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  bool RadioItem = false;  // a check mark drawn as a dot
  TMenuBreak Break = TMenuBreak::mbNone;
  TShortCut ShortCut = 0;
  std::function<void(TMenuItem& sender)> OnClick;
  // The item's own owner-draw handlers; they take precedence over the menu's.
  TMenuMeasureEvent OnMeasureItem;
  TMenuDrawEvent OnDrawItem;

  bool IsLine() const { return Caption == "-"; }
  void Click() {
    if (OnClick) OnClick(*this);
  }

  // Sub-items, owned by this item.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_[static_cast<size_t>(index)].get(); }
  TMenuItem* Parent() const { return parent_; }
  TMenuItem* Add(std::unique_ptr<TMenuItem> item) { return Insert(Count(), std::move(item)); }
  // An index beyond the end appends.
  TMenuItem* Insert(int index, std::unique_ptr<TMenuItem> item);
  void Delete(int index);
  void Clear() { items_.clear(); }
  int IndexOf(const TMenuItem* item) const;
  // The first direct sub-item with that name, or null.
  TMenuItem* Find(const std::string& name) const;

 private:
  TMenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  const char* ClassName() const override { return "TPopupMenu"; }

  TMenuItem& Items() { return items_; }

  // The window that owns the menu while it is shown; the application's
  // hidden window when none is set.
  HWND OwnerWindow() const { return ownerWindow_; }
  void SetOwnerWindow(HWND wnd) { ownerWindow_ = wnd; }

  // The platform menu of the visible items as they are now: consecutive
  // separator lines shown as one, the shortcut after a tab, sub-items as
  // sub-menus. It stays valid until the next call or the next showing.
  HMENU Handle();

  // Shows the menu with its top-left corner at a screen point and waits for
  // the choice; the chosen item's OnClick runs after the menu has closed.
  virtual void Popup(int x, int y);
  bool Showing() const { return showing_; }

  // A menu painter's hooks: while either is set, items are drawn by the
  // owner; each item is asked through its own handlers, else through these.
  // With OwnerDraw on, the items that have handlers of their own are.
  TMenuMeasureEvent OnMeasureItem;
  TMenuDrawEvent OnDrawItem;
  bool OwnerDraw = false;

  // Hands a WM_MEASUREITEM or WM_DRAWITEM for an item of the menu being
  // shown to that menu's hooks; true when it was one. Windows that may own a
  // pop-up menu call it first for these two messages.
  static bool DispatchOwnerDraw(TMessage& message);

 private:
  void Build(HMENU menu, const TMenuItem& parent);
  TMenuItem* ItemOfCommand(UINT command) const;
  TMenuItem* ItemOfData(ULONG_PTR data) const;

  TMenuItem items_;
  HWND ownerWindow_ = nullptr;
  HMENU handle_ = nullptr;
  std::vector<TMenuItem*> commands_;  // command id - 1 -> item
  bool showing_ = false;
};

}  // namespace au
