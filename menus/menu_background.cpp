// The open menu's background picture: the MAINMENU section over the whole
// menu window, the extra line and the icon column, and the window's shape.
#include <algorithm>

#include "menus/open_menu.h"
#include "menus/plain_item_look.h"
#include "menus/ts_skinable_menus.h"
#include "paint/region_holes.h"
#include "paint/sections/section_background.h"
#include "paint/sections/textures.h"
#include "pixels/copy_bitmap_rect.h"
#include "ui/wide_text.h"

namespace au {
namespace {

constexpr char kMainMenuSection[] = "MAINMENU";

// A strip of the background painted from a section with the background behind
// it, then put in place.
void PaintStrip(const TsSkinManager& manager, int section, std::string_view sectionName,
                Bitmap24& background, Bitmap24& strip, TPoint position) {
  SectionPaint paint;
  paint.Manager = &manager;
  paint.SectionIndex = section;
  paint.SectionName = sectionName;
  paint.Cache = {&background, 0, 0, true};
  paint.Position = position;
  PaintSectionByIndex(paint, strip, {0, 0, strip.Width(), strip.Height()}, true);
}

// A font turned by 90 degrees, so that its text runs from bottom to top.
UniqueFont UpwardFont(const TacFontDescription& description) {
  LOGFONTW lf{};
  lf.lfHeight = description.Height;
  lf.lfEscapement = 900;
  lf.lfOrientation = 900;
  lf.lfWeight = FW_NORMAL;
  lf.lfItalic = (description.Style & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (description.Style & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (description.Style & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(description.Charset);
  const std::wstring face = Widen(description.Name);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace

void TsSkinableMenus::PrepareMenuBackground(const TMenuItem& firstItem, HWND menuWindow,
                                            SIZE size) {
  OpenMenuState& menu = OpenMenu();
  // A menu window of another size than the picture (the menu changed while it
  // was open) gets a new picture rather than a stretch of the old one.
  if (menu.MenuBackground && menu.CurrentMenuFirstItem == &firstItem &&
      menu.MenuBackground->Width() == size.cx && menu.MenuBackground->Height() == size.cy) {
    return;
  }
  DecideExtraLine(firstItem);
  menu.CurrentMenuFirstItem = &firstItem;
  menu.MenuBackground =
      std::make_unique<Bitmap24>(std::max<LONG>(size.cx, 0), std::max<LONG>(size.cy, 0));
  menu.GlyphWidth = kMenuGlyphSize.cx;
  menu.IconColumnWidth = Margin + menu.GlyphWidth + Spacing;
  cornerHoles_.clear();

  const int section = owner_.SectionIndex(kMainMenuSection);
  menu.SkinnedBackground = owner_.IsValidSectionIndex(section);
  if (menu.MenuBackground->Empty()) return;
  Bitmap24& background = *menu.MenuBackground;
  if (!menu.SkinnedBackground) {
    // The skin has no menu background: the platform's menu colour, not a
    // black picture that no text of any skin colour could be read on.
    FillRectWithColor(background, {0, 0, size.cx, size.cy}, PlainMenuColour());
    return;
  }
  SectionPaint paint;
  paint.Manager = &owner_;
  paint.SectionIndex = section;
  paint.SectionName = kMainMenuSection;
  PaintSectionByIndex(paint, background, {0, 0, size.cx, size.cy}, false);

  PaintExtraLine(background, size);
  PaintIconColumn(background, size);
  CollectCornerHoles(size.cy, size.cx);
  if (menuWindow != nullptr) AttachToMenuWindow(menuWindow);
}

void TsSkinableMenus::PaintExtraLine(Bitmap24& background, SIZE size) {
  OpenMenuState& menu = OpenMenu();
  const TacMenuSupport& support = owner_.MenuSupport();
  const int section = owner_.SectionIndex(menu.ExtraLineSection);
  const int border = GetSkinBorderWidth();
  const int height = size.cy - 2 * border;
  if (!support.UseExtraLine || !menu.ExtraLineWanted || menu.ExtraLineSection.empty() ||
      !owner_.IsValidSectionIndex(section) || support.ExtraLineWidth <= 0 || height <= 0) {
    return;
  }
  Bitmap24 strip(support.ExtraLineWidth, height);
  PaintStrip(owner_, section, menu.ExtraLineSection, background, strip, {border, border});

  int textFromBottom = 12;
  if (!menu.ExtraLineGraphic.Empty()) {
    const Bitmap24& graphic = menu.ExtraLineGraphic;
    CopyBitmapRect(strip, graphic,
                   {(strip.Width() - graphic.Width()) / 2, strip.Height() - 12 - graphic.Height()},
                   {0, 0, graphic.Width(), graphic.Height()});
    textFromBottom = graphic.Height() + 20;
  }
  if (!menu.ExtraLineText.empty()) {
    TBitmapCanvas canvas(strip);
    UniqueFont font = UpwardFont(support.ExtraLineFont);
    SelectScope select(canvas.Handle(), font.Get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(canvas.Handle(), &metrics);
    SetBkMode(canvas.Handle(), TRANSPARENT);
    const TColor colour = owner_.Sections()[static_cast<size_t>(section)].FontColor[0];
    SetTextColor(canvas.Handle(), static_cast<COLORREF>(ResolveColor(colour)));
    const std::wstring text = Widen(menu.ExtraLineText);
    TextOutW(canvas.Handle(), (strip.Width() - metrics.tmHeight) / 2,
             strip.Height() - textFromBottom, text.c_str(), static_cast<int>(text.size()));
  }
  CopyBitmapRect(background, strip, {border, border}, {0, 0, strip.Width(), strip.Height()});
  // The picture belongs to this showing of the menu only.
  menu.ExtraLineGraphic = Bitmap24();
}

void TsSkinableMenus::PaintIconColumn(Bitmap24& background, SIZE size) {
  const std::string& name = owner_.MenuSupport().IcoLineSkin;
  const int section = owner_.SectionIndex(name);
  const int border = GetSkinBorderWidth();
  const int width = OpenMenu().IconColumnWidth;
  const int height = size.cy - 2 * border;
  if (name.empty() || !owner_.IsValidSectionIndex(section) || width <= 0 || height <= 0) return;
  Bitmap24 strip(width, height);
  const TPoint position{ExtraWidth(false) + border, border};
  PaintStrip(owner_, section, name, background, strip, position);
  CopyBitmapRect(background, strip, position, {0, 0, width, height});
}

void TsSkinableMenus::CollectCornerHoles(int height, int width) {
  cornerHoles_.clear();
  const int maskIndex = owner_.MaskIndexByNames(kMainMenuSection, "BORDERSMASK");
  if (!owner_.IsValidMaskIndex(maskIndex)) return;
  const TsMaskData& mask = owner_.Masks()[static_cast<size_t>(maskIndex)];
  const SkinRecords& records = owner_.Records();
  const CornerWidths top{records.BorderLeft(maskIndex), records.BorderTop(maskIndex),
                         records.BorderRight(maskIndex)};
  AddCornerHoles(cornerHoles_, mask, top, false, 0, width);
  const int rows = records.BorderBottom(maskIndex);
  AddCornerHoles(cornerHoles_, mask, {top.Left, rows, top.Right}, true, height - rows, width);
}

}  // namespace au
