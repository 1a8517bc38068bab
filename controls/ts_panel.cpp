#include "controls/ts_panel.h"

#include "paint/control_section.h"
#include "paint/graphic_children.h"
#include "paint/text_writers.h"
#include "skin/skin_manager.h"

namespace au {

void TsPanel::RebuildCache(bool notify) {
  skinData_.PrepareCacheBitmap();
  Bitmap24& cache = *skinData_.CacheBitmap;
  const TCacheInfo parent = skinData_.RequestParentCache();
  PaintControlSection(skinData_, parent, false, false, cache, {Left(), Top()},
                      {0, 0, Width(), Height()}, 0);
  TBitmapCanvas canvas(cache);
  if (!Caption().empty()) {
    canvas.Font().Assign(Font());
    RECT r = ClientRect();
    const int h = canvas.TextHeight("W");
    r.top = (r.top + r.bottom - h) / 2;
    r.bottom = r.top + h;
    WriteControlText(canvas, Caption(), Enabled(), false, skinData_,
                     AlignmentFormat(Alignment()) | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX, r);
  }
  skinData_.BackgroundChanged = false;
  if (notify && OnPaint) OnPaint(this, canvas);
}

void TsPanel::PaintSkinned(HDC dc) {
  TsSkinManager* manager = skinData_.EffectiveManager();
  if (IsDestroying() || (Parent() != nullptr && Parent()->IsCreating()) || !skinData_.IsSkinned() ||
      manager == nullptr || !manager->SkinData().SkinActive) {
    return;
  }
  skinData_.Updating = skinData_.IsUpdating();
  // The parent's background is not ready; it says so when it is.
  if (skinData_.Updating) return;
  const bool rebuild = skinData_.PartlyVisible || skinData_.BackgroundChanged;
  if (skinData_.ShowsParent()) {
    RECT clip;
    GetClipBox(dc, &clip);
    skinData_.PartlyVisible =
        clip.right - clip.left != Width() || clip.bottom - clip.top != Height();
  } else {
    skinData_.PartlyVisible = false;
  }
  if (rebuild && !skinData_.UrgentPaint) RebuildCache(true);
  skinData_.CopyCacheToDevice(this, {0, 0, 0, 0}, true, dc, ClientRect());
  PaintGraphicChildren(dc, this);
  NotifyParentPainted(this);
}

void TsPanel::HandleSkinCommand(TMessage& m) {
  const bool ours = CarriesOwnManager(m);
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
      // The children re-resolve first; the panel's own section comes after.
      BroadcastToChildren(this, m);
      if (ours) skinData_.HandleSkinCommand(m);
      return;
    case SK_SKINREMOVED:
      if (ours) {
        skinData_.HandleSkinCommand(m);
        Invalidate();
      }
      BroadcastToChildren(this, m);
      return;
    case SK_REFRESH:
      if (ours) skinData_.HandleSkinCommand(m);
      BroadcastToChildren(this, m);
      if (ours) Invalidate();
      return;
    case SK_ISSKINNED:
      AnswerYes(m);
      return;
    default:
      break;
  }
  if (!ReadyAndSkinned()) {
    TPanel::WndProc(m);
    return;
  }
  switch (SkinCommandOf(m)) {
    case SK_PARENTPAINTED:
      skinData_.Updating = false;
      Invalidate();
      return;
    case SK_SETURGENTPAINT:
      skinData_.HandleSkinCommand(m);
      if (skinData_.UrgentPaint) RebuildCache(false);
      return;
    default:
      skinData_.HandleSkinCommand(m);
      return;
  }
}

void TsPanel::WndProc(TMessage& m) {
  if (m.Msg == SM_ALPHACMD) {
    HandleSkinCommand(m);
    return;
  }
  if (!ReadyAndSkinned()) {
    TPanel::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      PaintForMessage(m, [this](HDC dc) { PaintSkinned(dc); });
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TPanel::WndProc(m);
      return;
    case CM_VISIBLECHANGED:
      skinData_.BackgroundChanged = true;
      skinData_.Updating = false;
      Invalidate();
      break;
    case CM_TEXTCHANGED:
      skinData_.BackgroundChanged = true;
      Invalidate();
      return;
    default:
      if (skinData_.HandleControlMessage(m)) return;
      break;
  }
  TPanel::WndProc(m);
  if (m.Msg == CM_FONTCHANGED && !Caption().empty()) {
    skinData_.BackgroundChanged = true;
    Invalidate();
  }
}

}  // namespace au
