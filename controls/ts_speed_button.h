// TsSpeedButton: the plain SpeedButton control with a skin state.
#pragma once

#include "paint/common_data.h"
#include "ui/speed_button.h"

namespace au {

class TsSpeedButton : public TSpeedButton {
 public:
  explicit TsSpeedButton(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }

 private:
  TsCommonData skinData_{this};
};

}  // namespace au
