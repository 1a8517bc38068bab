#include "menus/plain_item_look.h"

#include "paint/sections/textures.h"
#include "pixels/copy_bitmap_rect.h"
#include "pixels/readable_colour.h"
#include "ui/gdi_handles.h"

namespace au {

TColor PlainMenuColour() {
  return ResolveColor(SystemColor(COLOR_MENU));
}

void PaintPlainItem(Bitmap24& picture, const Bitmap24* background, TPoint place, bool selected) {
  const TRect whole{0, 0, picture.Width(), picture.Height()};
  if (selected) {
    FillRectWithColor(picture, whole, SystemColor(COLOR_HIGHLIGHT));
    return;
  }
  FillRectWithColor(picture, whole, PlainMenuColour());
  if (background != nullptr) {
    CopyBitmapRect(picture, *background, {0, 0},
                   {place.X, place.Y, place.X + picture.Width(), place.Y + picture.Height()});
  }
}

TColor PlainItemTextColour(const Bitmap24& picture, bool selected) {
  const TColor preferred = SystemColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  return ReadableColour(preferred, MeanColour(picture, {0, 0, picture.Width(), picture.Height()}));
}

void DrawPlainCheckMark(HDC dc, const RECT& box, bool radio, TColor colour) {
  const COLORREF rgb = static_cast<COLORREF>(ResolveColor(colour));
  const int x = static_cast<int>(box.left + box.right) / 2;
  const int y = static_cast<int>(box.top + box.bottom) / 2;
  if (radio) {
    UniqueBrush brush(CreateSolidBrush(rgb));
    UniquePen pen(CreatePen(PS_SOLID, 1, rgb));
    SelectScope selectBrush(dc, brush.Get());
    SelectScope selectPen(dc, pen.Get());
    Ellipse(dc, x - 3, y - 3, x + 4, y + 4);
    return;
  }
  UniquePen pen(CreatePen(PS_SOLID, 2, rgb));
  SelectScope selectPen(dc, pen.Get());
  const POINT tick[] = {{x - 4, y}, {x - 1, y + 3}, {x + 4, y - 3}};
  Polyline(dc, tick, 3);
}

}  // namespace au
