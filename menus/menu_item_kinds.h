// What a pop-up menu's items are to the skinned painter: their kind, their
// place in the menu's columns, and the sizes measured for them.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "ui/popup_menu.h"

namespace au {

// The first item of the skin list that the skinned frame's system menu shows.
inline constexpr char kSkinSelectItemName[] = "SkinSelectItem";

// Title items (a word between hyphens) take a line's room but show only the
// menu's background.
enum class TacMenuItemKind { mkTitle = 0, mkSeparator = 1, mkNormal = 2 };
TacMenuItemKind MenuItemKindOf(std::string_view caption);

// A menu is known by its first item.
const TMenuItem* FirstItemOf(const TMenuItem& item);
// No visible item of the menu up to and including this one starts a column.
bool InFirstColumn(const TMenuItem& item);
// The neighbours the platform shows: hidden items are not in the menu.
const TMenuItem* NextVisibleItem(const TMenuItem& item);
bool IsFirstVisibleItem(const TMenuItem& item);
bool IsLastVisibleItem(const TMenuItem& item);

// Glyphs are 16 x 16: items of this framework carry no bitmaps or image lists.
inline constexpr SIZE kMenuGlyphSize{16, 16};

struct MenuItemMetrics {
  int Margin = 3;
  int Spacing = 6;
  int GlyphWidth = kMenuGlyphSize.cx;
  int GlyphHeight = kMenuGlyphSize.cy;
};
// The measured width from the width of the item's text (caption and shortcut;
// hyphens around a title's caption included) and the extra line's width when
// the item lies in a menu column that has one.
int MeasuredItemWidth(TacMenuItemKind kind, int textWidth, int extraWidth,
                      const MenuItemMetrics& metrics);
// The measured height from the height of a "W" in the menu font.
int MeasuredItemHeight(TacMenuItemKind kind, int letterHeight, const MenuItemMetrics& metrics);

// One visible item as measured, in menu order.
struct MeasuredItem {
  int Width = 0;
  int Height = 0;
  bool StartsColumn = false;
};
// The menu window's inner size worked out from its items, for when the
// window is not known.
int MenuWidthOf(const std::vector<MeasuredItem>& items);
int MenuHeightOf(const std::vector<MeasuredItem>& items);

}  // namespace au
