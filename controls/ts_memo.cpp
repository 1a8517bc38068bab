#include "controls/ts_memo.h"

#include "paint/skin_messages.h"

namespace au {

TsMemo::TsMemo(TComponent* owner) : TMemo(owner) {
  skinData_.ControlClassCode = 7;
  if (skinData_.SkinSection().empty()) skinData_.SetSkinSection("EDIT");
  skinData_.FinishLoading();
}

void TsMemo::Loaded() {
  TMemo::Loaded();
  skinData_.FinishLoading();
}

void TsMemo::HandleSkinCommand(TMessage& m) {
  const bool ours = SkinManagerOf(m) == skinData_.EffectiveManager();
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
    case SK_SKINREMOVED:
    case SK_REFRESH:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      Invalidate();
      return;
    case SK_ISSKINNED:
      m.LParam = 1;
      m.Result = 1;
      return;
    case SK_PARENTPAINTED:
      skinData_.Updating = false;
      return;
    default:
      if (!skinData_.OwnerReady() || !skinData_.IsSkinned()) break;
      skinData_.HandleSkinCommand(m);
      return;
  }
  TMemo::WndProc(m);
}

void TsMemo::WndProc(TMessage& m) {
  if (m.Msg == SM_ALPHACMD) {
    HandleSkinCommand(m);
    return;
  }
  if (skinData_.OwnerReady() && skinData_.IsSkinned() && skinData_.HandleControlMessage(m)) return;
  TMemo::WndProc(m);
}

}  // namespace au
