#include "controls/ts_memo.h"

namespace au {

void TsMemo::HandleSkinCommand(TMessage& m) {
  const bool ours = CarriesOwnManager(m);
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
    case SK_SKINREMOVED:
    case SK_REFRESH:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      Invalidate();
      return;
    case SK_ISSKINNED:
      AnswerYes(m);
      return;
    case SK_PARENTPAINTED:
      skinData_.Updating = false;
      return;
    default:
      if (!ReadyAndSkinned()) break;
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
  if (ReadyAndSkinned() && skinData_.HandleControlMessage(m)) return;
  TMemo::WndProc(m);
}

}  // namespace au
