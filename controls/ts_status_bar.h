// TsStatusBar: the plain StatusBar control with a skin state.
#pragma once

#include "paint/common_data.h"
#include "ui/status_bar.h"

namespace au {

class TsStatusBar : public TStatusBar {
 public:
  explicit TsStatusBar(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }

 private:
  TsCommonData skinData_{this};
};

}  // namespace au
