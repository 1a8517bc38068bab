// How a menu looks where the skin has nothing for it: a skin without
// "MAINMENU" or "MENUITEM" would leave the menu's pictures blank (black), and
// a text drawn in the skin's colours could vanish in them. The platform's menu
// colours stand in, and every text takes a colour that can be read on what
// lies beneath it.
#pragma once

#include <windows.h>

#include "pixels/bitmap24.h"
#include "pixels/color.h"
#include "pixels/rect.h"

namespace au {

// The platform's menu colour, resolved.
TColor PlainMenuColour();

// An item's picture without a "MENUITEM" section: the menu's background at
// the item's place (`place` in `background`; the menu colour without one),
// or the platform's highlight colour while the item is selected.
void PaintPlainItem(Bitmap24& picture, const Bitmap24* background, TPoint place, bool selected);

// The platform's menu text colour (highlighted text while selected), or black
// or white where that could not be read on the picture.
TColor PlainItemTextColour(const Bitmap24& picture, bool selected);

// A check mark in `box` of the device in `colour`, for skins without check
// images: a dot for radio items, a tick for others.
void DrawPlainCheckMark(HDC dc, const RECT& box, bool radio, TColor colour);

}  // namespace au
