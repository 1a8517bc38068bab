#include "controls/ts_speed_button.h"

namespace au {

void TsSpeedButton::Loaded() {
  TsSkinnedControl::Loaded();
  UpdateOpacity();
}

void TsSpeedButton::UpdateOpacity() {
  const unsigned style = ControlStyle() & ~static_cast<unsigned>(csOpaque);
  SetControlStyle(skinData_.IsSkinned() ? style | csOpaque : style);
}

void TsSpeedButton::HandleSkinCommand(TMessage& m) {
  const bool ours = CarriesOwnManager(m);
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      UpdateOpacity();
      return;
    case SK_SKINREMOVED:
      if (!ours || IsDestroying()) break;
      skinData_.HandleSkinCommand(m);
      Invalidate();
      UpdateOpacity();
      return;
    case SK_REFRESH:
      if (!ours) break;
      skinData_.HandleSkinCommand(m);
      if (Visible()) Invalidate();
      return;
    case SK_PARENTPAINTED:
      return;
    case SK_ISSKINNED:
      AnswerYes(m);
      return;
    default:
      if (!ReadyAndSkinned()) break;
      if (SkinCommandOf(m) == SK_SECTIONREPAINT) {
        Invalidate();
      } else {
        skinData_.HandleSkinCommand(m);
      }
      return;
  }
  TSpeedButton::WndProc(m);
}

void TsSpeedButton::WndProc(TMessage& m) {
  if (m.Msg == SM_ALPHACMD) {
    HandleSkinCommand(m);
    return;
  }
  if (!ReadyAndSkinned()) {
    TSpeedButton::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (!Enabled() || skinData_.MouseInside) break;
      if (OnMouseEnter) OnMouseEnter(this);
      skinData_.MouseInside = true;
      skinData_.BackgroundChanged = true;
      Invalidate();
      return;
    case CM_MOUSELEAVE:
      if (!Enabled()) break;
      if (OnMouseLeave) OnMouseLeave(this);
      skinData_.MouseInside = false;
      if (State() == TButtonState::bsDown) SetState(TButtonState::bsUp);
      skinData_.BackgroundChanged = true;
      Invalidate();
      return;
    default:
      break;
  }
  if (skinData_.HandleControlMessage(m)) return;
  TSpeedButton::WndProc(m);
  if (m.Msg == CM_ENABLEDCHANGED) {
    skinData_.BackgroundChanged = true;
    if (Visible()) Invalidate();
  }
}

}  // namespace au
