#include "paint/control_section.h"

#include "paint/masks/draw_border_mask.h"
#include "paint/masks/draw_mask_image.h"
#include "paint/sections/section_background.h"
#include "paint/skin_messages.h"
#include "pixels/shared_paint_state.h"
#include "skin/mask_geometry.h"
#include "skin/skin_manager.h"
#include "ui/form.h"

namespace au {
namespace {

// The control's own colour, for owners that keep theirs; a frame component's
// is its form's.
TColor OwnColourOf(const TsCommonData& data) {
  if (data.OwnerControl != nullptr) return ResolveColor(data.OwnerControl->Color());
  if (auto* form = dynamic_cast<TForm*>(data.OwnerObject->Owner()))
    return ResolveColor(form->Color());
  return clMagenta;
}

void DrawCornerImages(const TsSkinManager& manager, const TsCommonData& data, Bitmap24& bitmap,
                      const TRect& r, int state) {
  struct Corner {
    const char* Property;
    bool Right;
    bool Bottom;
  };
  static constexpr Corner kCorners[] = {{"IMGTOPLEFT", false, false},
                                        {"IMGTOPRIGHT", true, false},
                                        {"IMGBTMLEFT", false, true},
                                        {"IMGBTMRIGHT", true, true}};
  for (const Corner& corner : kCorners) {
    const int index = manager.MaskIndex(data.SkinSectionIndex, data.SkinSection(), corner.Property);
    if (!manager.IsValidMaskIndex(index)) continue;
    const TsMaskData& mask = manager.Masks()[static_cast<size_t>(index)];
    const ImageSize image = RectStateImageSize(mask);
    // Each image at its own corner of r, also when r is only a part of the
    // control (a drop-down button's arrow): none may land on another part.
    const int x = corner.Right ? r.Right - image.Width : r.Left;
    const int y = corner.Bottom ? r.Bottom - image.Height : r.Top;
    DrawMaskImage(bitmap, {x, y}, state, mask, 1);
  }
}

}  // namespace

void PaintControlSection(TsCommonData& data, const TCacheInfo& cache, bool fillCentre,
                         bool parentFill, Bitmap24& bitmap, TPoint position, const TRect& r,
                         int state) {
  TsSkinManager* manager = data.EffectiveManager();
  if (bitmap.Empty() || manager == nullptr ||
      !manager->IsValidSectionIndex(data.SkinSectionIndex)) {
    return;
  }
  if (r.Bottom > bitmap.Height() || r.Right > bitmap.Width() || r.Left < 0 || r.Top < 0) return;
  TWinControl* parent = data.OwnerControl != nullptr ? data.OwnerControl->Parent() : nullptr;

  ParentFillColor = clMagenta;
  if (!cache.Ready && parent != nullptr) ParentFillColor = ResolveColor(parent->Color());
  // The colour behind the control, for the text and disabled looks painted later.
  if (cache.Ready && ParentFillColor == clMagenta && parent != nullptr && !data.ShowsParent()) {
    SharedBackgroundColor = GetBgColorOf(parent);
  }
  const TColor override = data.CustomColor() ? OwnColourOf(data) : clMagenta;

  SectionPaint paint;
  paint.Manager = manager;
  paint.SectionIndex = data.SkinSectionIndex;
  paint.SectionName = data.SkinSection();
  paint.Cache = cache;
  paint.Position = position;
  paint.State = state;
  paint.PatternIndex = data.PatternMaskIndex;
  paint.HotPatternIndex = data.HotPatternMaskIndex;
  PaintSectionBackground(paint, override, bitmap, r);

  if (manager->IsValidMaskIndex(data.BordersMaskIndex)) {
    DrawBorderMask(bitmap, r, fillCentre, parentFill, state,
                   manager->Masks()[static_cast<size_t>(data.BordersMaskIndex)],
                   ParentBehindTarget(cache, position, r));
  }
  ParentFillColor = clMagenta;
  DrawCornerImages(*manager, data, bitmap, r, state);
}

}  // namespace au
