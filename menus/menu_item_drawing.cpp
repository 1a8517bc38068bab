// Drawing one item of a skinned pop-up menu: its share of the window frame,
// then the item from the MENUITEM section over the menu's background, or the
// divider of a separator.
#include <algorithm>

#include "menus/background_copies.h"
#include "menus/menu_font.h"
#include "menus/open_menu.h"
#include "menus/plain_item_look.h"
#include "menus/ts_skinable_menus.h"
#include "paint/masks/draw_border_mask.h"
#include "paint/masks/draw_mask_image.h"
#include "paint/masks/state_images.h"
#include "paint/sections/section_background.h"
#include "paint/text_writers.h"
#include "pixels/blend_with_key.h"
#include "pixels/copy_bitmap_rect.h"
#include "ui/application.h"

namespace au {
namespace {

constexpr char kMenuItemSection[] = "MENUITEM";
constexpr char kBackspace = '\b';

// The window that the platform draws the menu in, when the device context
// tells it.
HWND MenuWindowOf(HDC dc) {
  HWND wnd = WindowFromDC(dc);
  return wnd != nullptr && IsWindow(wnd) ? wnd : nullptr;
}

// A small solid triangle pointing right, as far from the item's right edge
// as the shortcut texts end.
void DrawSubMenuArrow(TCanvas& canvas, int width, int height, TColor colour) {
  const int tipX = width - 8;
  const int midY = height / 2;
  const POINT arrow[] = {{tipX - 4, midY - 4}, {tipX, midY}, {tipX - 4, midY + 4}};
  UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(colour)));
  UniquePen pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(colour)));
  SelectScope selectBrush(canvas.Handle(), brush.Get());
  SelectScope selectPen(canvas.Handle(), pen.Get());
  Polygon(canvas.Handle(), arrow, 3);
}

// Where the canvas's origin lies in the menu window: inside the platform's
// frame when the frame is non-client area, at the corner when the platform
// draws the frame in the client area.
TPoint CanvasOffsetIn(HWND wnd, const RECT& windowRect) {
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  return {static_cast<int>(origin.x - windowRect.left),
          static_cast<int>(origin.y - windowRect.top)};
}

// Asks the application window's hook to find the menu window of the item,
// once: a request already waiting will do.
void RequestMenuWindow(const TMenuItem& item) {
  TApplication* application = Application();
  if (application == nullptr || application->Handle() == nullptr) return;
  MSG waiting;
  if (PeekMessageW(&waiting, application->Handle(), kMenuItemWindowRequest, kMenuItemWindowRequest,
                   PM_NOREMOVE)) {
    return;
  }
  PostMessageW(application->Handle(), kMenuItemWindowRequest, reinterpret_cast<WPARAM>(&item), 0);
}

}  // namespace

TColor TsSkinableMenus::SectionTextColour(int section, bool hot) const {
  const TsGeneralData& data = owner_.Sections()[static_cast<size_t>(section)];
  return ResolveColor(hot ? data.HotFontColor[0] : data.FontColor[0]);
}

void TsSkinableMenus::DrawItem(TMenuItem& item, HDC dc, const RECT& r, UINT itemState) {
  OpenMenuState& menu = OpenMenu();
  const int firstColumn = InFirstColumn(item) ? 1 : 0;
  const TMenuItem* first = FirstItemOf(item);
  if (first != menu.CurrentMenuFirstItem) ResetOpenMenu();

  HWND menuWindow = MenuWindowOf(dc);
  SIZE size{0, 0};
  RECT windowRect{};
  if (menuWindow != nullptr && GetWindowRect(menuWindow, &windowRect)) {
    size = {windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
    canvasOffset_ = CanvasOffsetIn(menuWindow, windowRect);
  } else {
    menuWindow = nullptr;
    size = MenuWindowSizeOf(item);
    canvasOffset_ = {BorderWidth, BorderWidth};
  }
  PrepareMenuBackground(*first, menuWindow, size);
  menu.ItemKind = MenuItemKindOf(item.Caption);

  if (menuWindow != nullptr) {
    if (menu.SkinnedBackground) CopyFrameShare(menuWindow, item, r, size, firstColumn);
  } else {
    RequestMenuWindow(item);
  }
  switch (menu.ItemKind) {
    case TacMenuItemKind::mkTitle:
      // Nothing of its own: the menu's background shows through. The menu
      // window does not erase itself, so the background is put there.
      if (menu.MenuBackground) {
        CopyPictureToDc(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, *menu.MenuBackground,
                        r.left + canvasOffset_.X, r.top + canvasOffset_.Y);
      }
      return;
    case TacMenuItemKind::mkSeparator:
      DrawMenuDivider(dc, r, menu.MenuBackground.get());
      return;
    case TacMenuItemKind::mkNormal:
      PaintNormalItem(item, dc, r, itemState, size, firstColumn, menuWindow != nullptr);
      return;
  }
}

void TsSkinableMenus::CopyFrameShare(HWND menuWindow, const TMenuItem& item, const RECT& r,
                                     SIZE size, int firstColumn) {
  const Bitmap24* background = OpenMenu().MenuBackground.get();
  if (background == nullptr) return;
  WindowDc windowDc(menuWindow, true);
  HDC dc = windowDc.Get();
  const int w = size.cx;
  const int h = size.cy;
  if (IsFirstVisibleItem(item)) CopyPictureToDc(dc, 0, 0, w, BorderWidth, *background, 0, 0);
  if (IsLastVisibleItem(item)) {
    CopyPictureToDc(dc, 0, h - BorderWidth, w, BorderWidth, *background, 0, h - BorderWidth);
  }
  const int y = canvasOffset_.Y + static_cast<int>(r.top);
  const int itemHeight = static_cast<int>(r.bottom - r.top);
  const int left = firstColumn * ExtraWidth(false) + std::max(GetSkinBorderWidth(), BorderWidth);
  CopyPictureToDc(dc, 0, y, left, itemHeight, *background, 0, y);
  CopyPictureToDc(dc, w - BorderWidth, y, BorderWidth, itemHeight, *background, w - BorderWidth, y);
}

void TsSkinableMenus::PaintNormalItem(TMenuItem& item, HDC dc, const RECT& r, UINT itemState,
                                      SIZE size, int firstColumn, bool windowKnown) {
  OpenMenuState& menu = OpenMenu();
  const Bitmap24* background = menu.MenuBackground.get();
  const int h = size.cy;
  const RECT rect = r;
  const TPoint o = canvasOffset_;
  // The last canvas row above the menu window's bottom frame.
  const int innerBottom = h - BorderWidth - o.Y;
  if (background != nullptr) {
    const TMenuItem* next = NextVisibleItem(item);
    if ((next != nullptr && next->Break != TMenuBreak::mbNone) ||
        (next == nullptr && rect.bottom < innerBottom)) {
      CopyPictureToDc(dc, rect.left, rect.bottom, rect.right - rect.left, innerBottom - rect.bottom,
                      *background, rect.left + o.X, rect.bottom + o.Y);
    }
    if (item.Break != TMenuBreak::mbNone) {
      CopyPictureToDc(dc, rect.left - 4, rect.top, 4, innerBottom - rect.top, *background,
                      rect.left - 4 + o.X, rect.top + o.Y);
    }
  }

  const int extra = firstColumn * ExtraWidth(true);
  const int width = static_cast<int>(rect.right - rect.left) - extra;
  const int height = static_cast<int>(rect.bottom - rect.top);
  if (width <= 0 || height <= 0) return;
  Bitmap24 picture(width, height);
  const bool selected = item.Enabled && (itemState & kDrawSelected) != 0;
  const bool hot = item.Enabled && (itemState & (kDrawSelected | kDrawHotLight)) != 0;
  const TPoint place{extra + static_cast<int>(rect.left), static_cast<int>(rect.top)};

  // Without the item's section the platform's menu look stands in, and the
  // texts take a colour that can be read on it.
  const int section = owner_.SectionIndex(kMenuItemSection);
  const bool skinned = owner_.IsValidSectionIndex(section);
  if (skinned) {
    SectionPaint paint;
    paint.Manager = &owner_;
    paint.SectionIndex = section;
    paint.SectionName = kMenuItemSection;
    if (background != nullptr) paint.Cache = {const_cast<Bitmap24*>(background), o.X, o.Y, true};
    paint.Position = place;
    paint.State = selected ? 1 : 0;
    PaintSectionByIndex(paint, picture, {0, 0, width, height}, true);
  } else {
    PaintPlainItem(picture, background, {place.X + o.X, place.Y + o.Y}, selected);
  }
  const TColor textColour =
      skinned ? SectionTextColour(section, hot) : PlainItemTextColour(picture, selected);

  // A skin without check images still shows which item is checked (the
  // active skin in the skin list above all).
  const bool plainMark = item.Checked && !DrawCheckImage(picture, item, selected);
  {
    TBitmapCanvas canvas(picture);
    if (plainMark) {
      const int top = (height - kMenuGlyphSize.cy) / 2;
      DrawPlainCheckMark(canvas.Handle(),
                         {Margin, top, Margin + kMenuGlyphSize.cx, top + kMenuGlyphSize.cy},
                         item.RadioItem, textColour);
    }
    AssignMenuFont(canvas.Font(), (itemState & kDrawDefault) != 0);
    const auto write = [&](const std::string& text, UINT format, RECT& r) {
      if (skinned) {
        WriteSectionText(canvas, text, true, &owner_, hot, section, format, r);
      } else {
        WriteTextInColour(canvas, text, textColour, format, r);
      }
    };
    RECT textRect{menu.GlyphWidth + 2 * Margin + Spacing, 0, width, height};
    std::string caption = item.Caption;
    UINT format = DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP | DT_HIDEPREFIX;
    if (!caption.empty() && caption.front() == kBackspace) {
      caption = caption.substr(1) + "      ";
      format |= DT_RIGHT;
    } else {
      format |= AlignmentFormat(Alignment);
    }
    write(caption, format, textRect);
    if (const std::string keys = ShortCutToText(item.ShortCut); !keys.empty()) {
      RECT keysRect{textRect.left, 0, width - 8 - ExtraWidth(true), height};
      write(keys, DT_SINGLELINE | DT_RIGHT | DT_VCENTER | DT_NOCLIP, keysRect);
    }
    if (item.Count() > 0) DrawSubMenuArrow(canvas, width, height, textColour);
    if (OnDrawItem) OnDrawItem(item, canvas, menu.ItemKind, itemState);
  }

  if (!item.Enabled && background != nullptr) {
    const int x = o.X + place.X;
    const int y = o.Y + place.Y;
    BlendWithKey(picture, 0, 0, clMagenta, 0.4, {x, y, x + width - 1, y + height - 1}, *background);
  }
  CopyPictureToDc(dc, extra + rect.left, rect.top, width, height, picture, 0, 0);
  // The platform draws its own sub-menu arrow after the owner, on its own
  // background; the item's rectangle is closed to it.
  if (item.Count() > 0) ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  // Without the window the frame could not be painted; the extra line at
  // least goes where the canvas reaches.
  if (!windowKnown && background != nullptr && firstColumn == 1 && ExtraWidth(false) > 0) {
    CopyPictureToDc(dc, 0, -o.Y, ExtraWidth(false), h, *background, o.X, 0);
  }
}

bool TsSkinableMenus::DrawCheckImage(Bitmap24& picture, const TMenuItem& item,
                                     bool selected) const {
  int mask = owner_.MaskIndexByNames("GLOBALINFO", item.RadioItem ? "RADIOCHECKED" : "CHECK");
  if (!owner_.IsValidMaskIndex(mask)) mask = owner_.MaskIndexByNames("GLOBALINFO", "BOXCHECKED");
  if (!owner_.IsValidMaskIndex(mask)) return false;
  const TsMaskData& check = owner_.Masks()[static_cast<size_t>(mask)];
  if (const auto image = StateImageOf(check, 0)) {
    DrawMaskImage(picture, {Margin, (picture.Height() - image->Height) / 2}, selected ? 1 : 0,
                  check, 1);
  }
  return true;
}

void TsSkinableMenus::DrawMenuDivider(HDC dc, const RECT& r, const Bitmap24* background) {
  int mask = -1;
  if (owner_.IsValidSectionIndex(owner_.SectionIndex("DIVIDERV"))) {
    mask = owner_.MaskIndexByNames("DIVIDERV", "BORDERSMASK");
  } else {
    mask = owner_.MaskIndexByNames("TRACKBAR", "SLIDERCHANNEL");
  }
  const int width = static_cast<int>(r.right - r.left);
  const int height = static_cast<int>(r.bottom - r.top);
  if (width <= 0 || height <= 0) return;
  if (!owner_.IsValidMaskIndex(mask)) {
    // The plain etched line: grey above white, in the middle of the item.
    TCanvas canvas(dc);
    const int y = static_cast<int>(r.top) + (height - 2) / 2;
    canvas.Pen().SetColor(static_cast<TColor>(8421504));
    canvas.MoveTo(r.left, y);
    canvas.LineTo(r.right, y);
    canvas.Pen().SetColor(clWhite);
    canvas.MoveTo(r.left, y + 1);
    canvas.LineTo(r.right, y + 1);
    return;
  }
  Bitmap24 picture(width, height);
  if (background != nullptr) {
    CopyBitmapRect(picture, *background, {0, 0},
                   {r.left + canvasOffset_.X, r.top + canvasOffset_.Y,
                    r.left + canvasOffset_.X + width, r.top + canvasOffset_.Y + height});
  }
  const TRect line{ExtraWidth(false) + Margin + Spacing, 0, width - Margin, height};
  DrawBorderMask(picture, line, true, true, 0, owner_.Masks()[static_cast<size_t>(mask)],
                 {&picture, 0, 0, true});
  CopyPictureToDc(dc, r.left, r.top, width, height, picture, 0, 0);
}

}  // namespace au
