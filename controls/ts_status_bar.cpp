#include "controls/ts_status_bar.h"

#include <commctrl.h>

#include "paint/control_section.h"
#include "paint/graphic_children.h"
#include "paint/masks/draw_border_mask.h"
#include "paint/masks/draw_mask_image.h"
#include "paint/sections/section_background.h"
#include "paint/text_writers.h"
#include "pixels/copy_bitmap_rect.h"
#include "skin/skin_manager.h"
#include "ui/gdi_handles.h"

namespace au {
namespace {

// A point on the right or bottom edge of the rectangle counts as outside.
bool Inside(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

void TsStatusBar::DrawPart(TBitmapCanvas& canvas, const RECT& part, const std::string& text,
                           TAlignment alignment, bool wholeBar, bool last) {
  Bitmap24& cache = *skinData_.CacheBitmap;
  TsSkinManager* manager = skinData_.EffectiveManager();
  const int panelMask =
      manager->MaskIndex(skinData_.SkinSectionIndex, skinData_.SkinSection(), "STATUSPANELMASK");
  if (manager->IsValidMaskIndex(panelMask)) {
    const RECT area = wholeBar ? RECT{0, 0, Width(), Height()} : part;
    DrawBorderMask(cache, {area.left, area.top, area.right, area.bottom}, true, false, 0,
                   manager->Masks()[static_cast<size_t>(panelMask)], {});
  } else if (!wholeBar && !last) {
    DrawDivider(part);
  }
  RECT r = part;
  InflateRect(&r, -1, -1);
  r.bottom -= 1;
  r.left += 2;
  r.right -= 4;
  canvas.Font().Assign(Font());
  const std::string shown = EllipsizeText(canvas, text, r.right - r.left);
  WriteControlText(canvas, shown, true, skinData_.IsHotState(), skinData_,
                   AlignmentFormat(alignment) | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS, r);
}

void TsStatusBar::DrawDivider(const RECT& part) {
  TsSkinManager* manager = skinData_.EffectiveManager();
  const int divider = manager->SectionIndex("DIVIDER");
  const int mask = manager->MaskIndex(divider, "DIVIDER", "BORDERSMASK");
  if (divider < 0 || !manager->IsValidMaskIndex(mask)) return;
  Bitmap24& cache = *skinData_.CacheBitmap;
  const int width = manager->Records().StateImageSize(mask).Width;
  const int height = Height() - 2;
  if (width <= 0 || height <= 0) return;
  // The divider is painted on a strip of the bar's own picture.
  Bitmap24 strip(width, height);
  CopyBitmapRect(strip, cache, {0, 0},
                 {part.right - width, part.top, part.right, part.top + height});
  SectionPaint paint;
  paint.Manager = manager;
  paint.SectionIndex = divider;
  paint.SectionName = "DIVIDER";
  paint.Cache = TCacheInfo{&strip, 0, 0, true};
  PaintSectionByIndex(paint, strip, {0, 0, width, height}, false);
  CopyBitmapRect(cache, strip, {part.right - width, 1}, {0, 0, width, height});
}

void TsStatusBar::DrawSizeGrip() {
  TsSkinManager* manager = skinData_.EffectiveManager();
  int grip = manager->MaskIndexByNames("GLOBALINFO", "GRIPIMAGE");
  if (!manager->IsValidMaskIndex(grip)) grip = manager->MaskIndexByNames("FORM", "GRIPIMAGE");
  if (!manager->IsValidMaskIndex(grip)) return;
  const ImageSize size = manager->Records().StateImageSize(grip);
  DrawMaskImage(*skinData_.CacheBitmap,
                {Width() - size.Width - BorderWidth(), Height() - size.Height - BorderWidth()}, 0,
                manager->Masks()[static_cast<size_t>(grip)], 1);
}

void TsStatusBar::RebuildCache() {
  const TCacheInfo parent = skinData_.RequestParentCache();
  skinData_.PrepareCacheBitmap();
  Bitmap24& cache = *skinData_.CacheBitmap;
  PaintControlSection(skinData_, parent, false, false, cache, {Left(), Top()},
                      {0, 0, Width(), Height()}, 0);
  TBitmapCanvas canvas(cache);
  if (SimplePanel()) {
    DrawPart(canvas, {0, 1, Width() - 1, Height() - 1}, SimpleText(), TAlignment::taLeftJustify,
             true, true);
  } else {
    int x = 0;
    const auto& panels = Panels();
    for (size_t i = 0; i < panels.size(); ++i) {
      const bool last = i + 1 == panels.size();
      RECT part{x, 0, last ? Width() : x + panels[i].Width + 1, Height()};
      x += panels[i].Width + 1;
      if (panels[i].Style == TStatusPanelStyle::psOwnerDraw && OnDrawPanel) {
        OnDrawPanel(this, panels[i], canvas, part);
        continue;
      }
      InflateRect(&part, -1, -1);
      DrawPart(canvas, part, panels[i].Text, panels[i].Alignment, false, last);
    }
  }
  // A grip on a window that cannot be resized would promise what it cannot do.
  if (ShowsSizeGrip()) DrawSizeGrip();
  skinData_.BackgroundChanged = false;
}

void TsStatusBar::PaintSkinned(HDC dc) {
  SavedDc saved(dc);
  skinData_.Updating = skinData_.IsUpdating();
  if (skinData_.Updating) return;
  TWinControl* parent = Parent();
  const bool rebuild = skinData_.BackgroundChanged || skinData_.PartlyVisible ||
                       (parent != nullptr && QuerySkinCommand(parent, SK_ISHALFVISIBLE));
  if (parent != nullptr) {
    const RECT client = parent->ClientRect();
    skinData_.PartlyVisible =
        !(Inside(client, {Left(), Top()}) && Inside(client, {Left() + Width(), Top() + Height()}));
  }
  if (rebuild && !skinData_.UrgentPaint) RebuildCache();
  skinData_.CopyCacheToDevice(this, {BorderWidth(), BorderWidth(), 0, 0}, true, dc, ClientRect());
  PaintGraphicChildren(dc, this);
  NotifyParentPainted(this);
  skinData_.BackgroundChanged = false;
}

void TsStatusBar::PaintBorderStrips() {
  const int bw = BorderWidth();
  if (bw <= 0 || !Visible()) return;
  skinData_.Updating = skinData_.IsUpdating();
  if (skinData_.Updating) return;
  if (skinData_.BackgroundChanged || skinData_.PartlyVisible) RebuildCache();
  WindowDc window(Handle(), true);
  TCanvas canvas(window.Get());
  const Bitmap24& cache = *skinData_.CacheBitmap;
  const int w = Width();
  const int h = Height();
  canvas.CopyFrom({0, 0, bw, h}, cache, 0, 0);
  canvas.CopyFrom({bw, 0, w, bw}, cache, bw, 0);
  canvas.CopyFrom({w - bw, bw, w, h}, cache, w - bw, bw);
  canvas.CopyFrom({bw, h - bw, w, h}, cache, bw, h - bw);
}

void TsStatusBar::RepaintWithFrame() {
  if (HandleAllocated()) {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
  }
}

void TsStatusBar::HandleSkinCommand(TMessage& m) {
  const bool ours = CarriesOwnManager(m);
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
    case SK_REFRESH:
      if (!ours) break;
      BroadcastToChildren(this, m);
      skinData_.HandleSkinCommand(m);
      RepaintWithFrame();
      return;
    case SK_SKINREMOVED:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      // A new window, so that the platform draws it plainly again.
      RecreateWnd();
      BroadcastToChildren(this, m);
      return;
    case SK_PARENTPAINTED:
      if (skinData_.IsUpdating()) {
        skinData_.Updating = false;
        RepaintWithFrame();
      }
      return;
    case SK_ISSKINNED:
      AnswerYes(m);
      return;
    default:
      if (ReadyAndSkinned()) {
        skinData_.HandleSkinCommand(m);
        return;
      }
      break;
  }
  TStatusBar::WndProc(m);
}

void TsStatusBar::WndProc(TMessage& m) {
  if (m.Msg == SM_ALPHACMD) {
    HandleSkinCommand(m);
    return;
  }
  if (!ReadyAndSkinned()) {
    TStatusBar::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_MOVE: {
      const TsGeneralData* section = skinData_.Section();
      if (section != nullptr && (section->Transparency >= 1 || section->HotTransparency >= 1)) {
        skinData_.BackgroundChanged = true;
      }
      break;
    }
    case WM_PAINT:
      PaintForMessage(m, [this](HDC dc) { PaintSkinned(dc); });
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_NCPAINT:
      // The platform's frame would be drawn over the skin.
      PaintBorderStrips();
      return;
    case WM_PRINTCLIENT:
      PaintSkinned(reinterpret_cast<HDC>(m.WParam));
      PaintBorderStrips();
      return;
    default:
      break;
  }
  if (skinData_.HandleControlMessage(m)) return;
  TStatusBar::WndProc(m);
  switch (m.Msg) {
    case WM_SIZE:
      if (Visible() && BorderWidth() > 0)
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      break;
    case SB_SETTEXTA:
    case SB_SETTEXTW:
    case SB_SIMPLE:
    case SB_GETRECT:
      skinData_.BackgroundChanged = true;
      break;
    default:
      break;
  }
}

}  // namespace au
