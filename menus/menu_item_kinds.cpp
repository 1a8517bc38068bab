#include "menus/menu_item_kinds.h"

#include <algorithm>

#include "pixels/rounding.h"

namespace au {

TacMenuItemKind MenuItemKindOf(std::string_view caption) {
  if (caption == "-") return TacMenuItemKind::mkSeparator;
  if (caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') {
    return TacMenuItemKind::mkTitle;
  }
  return TacMenuItemKind::mkNormal;
}

const TMenuItem* FirstItemOf(const TMenuItem& item) {
  const TMenuItem* menu = item.Parent();
  return menu != nullptr && menu->Count() > 0 ? menu->Items(0) : &item;
}

bool InFirstColumn(const TMenuItem& item) {
  const TMenuItem* menu = item.Parent();
  if (menu == nullptr) return item.Break == TMenuBreak::mbNone;
  for (int i = 0; i < menu->Count(); ++i) {
    const TMenuItem* sibling = menu->Items(i);
    if (sibling->Visible && sibling->Break != TMenuBreak::mbNone) return false;
    if (sibling == &item) return true;
  }
  return true;
}

const TMenuItem* NextVisibleItem(const TMenuItem& item) {
  const TMenuItem* menu = item.Parent();
  if (menu == nullptr) return nullptr;
  for (int i = menu->IndexOf(&item) + 1; i > 0 && i < menu->Count(); ++i) {
    if (menu->Items(i)->Visible) return menu->Items(i);
  }
  return nullptr;
}

bool IsFirstVisibleItem(const TMenuItem& item) {
  const TMenuItem* menu = item.Parent();
  if (menu == nullptr) return true;
  for (int i = 0; i < menu->Count(); ++i) {
    if (menu->Items(i)->Visible) return menu->Items(i) == &item;
  }
  return false;
}

bool IsLastVisibleItem(const TMenuItem& item) {
  return NextVisibleItem(item) == nullptr;
}

int MeasuredItemWidth(TacMenuItemKind kind, int textWidth, int extraWidth,
                      const MenuItemMetrics& m) {
  const int frame = 2 * m.GlyphWidth + 3 * m.Margin + m.Spacing + extraWidth;
  return kind == TacMenuItemKind::mkSeparator ? frame : textWidth + frame;
}

int MeasuredItemHeight(TacMenuItemKind kind, int letterHeight, const MenuItemMetrics& m) {
  if (kind == TacMenuItemKind::mkSeparator) return 2;
  const int line = RoundHalfEven(1.25 * letterHeight);
  const int content = kind == TacMenuItemKind::mkTitle ? line : std::max(line, m.GlyphHeight);
  return content + 2 * m.Margin;
}

int MenuWidthOf(const std::vector<MeasuredItem>& items) {
  int total = 0;
  int columnWidth = 0;
  for (const MeasuredItem& item : items) {
    if (item.StartsColumn) {
      total += columnWidth + 4;
      columnWidth = 0;
    }
    columnWidth = std::max(columnWidth, item.Width + 12);
  }
  return columnWidth + total;
}

int MenuHeightOf(const std::vector<MeasuredItem>& items) {
  int tallest = 0;
  int column = 0;
  for (const MeasuredItem& item : items) {
    if (item.StartsColumn) column = 0;
    column += item.Height;
    tallest = std::max(tallest, column);
  }
  return tallest;
}

}  // namespace au
