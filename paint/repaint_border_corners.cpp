#include "paint/repaint_border_corners.h"

#include "paint/skin_messages.h"
#include "pixels/shared_paint_state.h"
#include "skin/skin_manager.h"

namespace au {

void RepaintBorderCorners(TsCommonData& data, int state, int corners) {
  TsSkinManager* manager = data.EffectiveManager();
  TControl* control = data.OwnerControl;
  if (manager == nullptr || !manager->IsValidMaskIndex(data.BordersMaskIndex) ||
      !data.CacheBitmap || control == nullptr || control->Width() < 2 || control->Height() < 2) {
    return;
  }
  TCacheInfo parent = data.RequestParentCache();
  TColor background = clMagenta;
  TWinControl* parentControl = control->Parent();
  if (parentControl != nullptr) {
    if (!parent.Ready) {
      background = GetBgColorOf(parentControl);
    } else if (!QuerySkinCommand(parentControl, SK_ISGRAPHICBG)) {
      // A plain parent: its colour is exact and cheaper than its cache.
      if (SharedBackgroundColor == clMagenta) {
        background = GetBgColorOf(parentControl);
      } else {
        SharedBackgroundColor = clMagenta;
      }
    }
  }
  if (background == clMagenta) {
    parent.X += control->Left();
    parent.Y += control->Top();
  }
  DrawBorderCorners(*data.CacheBitmap, manager->Masks()[static_cast<size_t>(data.BordersMaskIndex)],
                    state, corners, parent, background);
  SharedBackgroundColor = clMagenta;
}

}  // namespace au
