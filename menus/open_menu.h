// What the skinned painter keeps about the pop-up menu that is open. Only one
// pop-up menu is open at a time, so this is kept once for the process.
#pragma once

#include <memory>
#include <string>

#include "menus/menu_item_kinds.h"
#include "pixels/bitmap24.h"

namespace au {

inline constexpr char kExtraLineSection[] = "EXTRALINE";

struct OpenMenuState {
  // The first item of the menu whose background is prepared; compared, never
  // followed, since the menu may be gone.
  const TMenuItem* CurrentMenuFirstItem = nullptr;
  std::unique_ptr<Bitmap24> MenuBackground;
  // The background is the skin's "MAINMENU"; without it the menu window
  // keeps the platform's own frame.
  bool SkinnedBackground = false;
  bool ExtraLineWanted = false;
  bool ExtraLinePrepared = false;
  std::string ExtraLineSection = kExtraLineSection;
  std::string ExtraLineText;
  Bitmap24 ExtraLineGraphic;  // empty: none
  int GlyphWidth = kMenuGlyphSize.cx;
  int IconColumnWidth = 0;
  TacMenuItemKind ItemKind = TacMenuItemKind::mkNormal;
};

OpenMenuState& OpenMenu();
// Forgets the menu: its first item, its background and its extra line.
void ResetOpenMenu();

}  // namespace au
