#include "controls/ts_speed_button.h"

namespace au {

TsSpeedButton::TsSpeedButton(TComponent* owner) : TSpeedButton(owner) {
  skinData_.ControlClassCode = 92;
}

}  // namespace au
