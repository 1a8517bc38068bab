#include "controls/ts_status_bar.h"

#include <commctrl.h>

#include "skin/general_data.h"

namespace au {

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
  if (m.Msg == WM_MOVE) {
    const TsGeneralData* section = skinData_.Section();
    if (section != nullptr && (section->Transparency >= 1 || section->HotTransparency >= 1)) {
      skinData_.BackgroundChanged = true;
    }
  }
  if (skinData_.HandleControlMessage(m)) return;
  TStatusBar::WndProc(m);
  switch (m.Msg) {
    case SB_SETTEXTA:
    case SB_SIMPLE:
    case SB_GETRECT:
      skinData_.BackgroundChanged = true;
      break;
    default:
      break;
  }
}

}  // namespace au
