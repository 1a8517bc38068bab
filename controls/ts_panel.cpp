#include "controls/ts_panel.h"

namespace au {

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
  if (SkinCommandOf(m) == SK_PARENTPAINTED) {
    skinData_.Updating = false;
    Invalidate();
    return;
  }
  skinData_.HandleSkinCommand(m);
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
