// TsPanel: the plain Panel control with a skin state.
#pragma once

#include "paint/common_data.h"
#include "ui/panel.h"

namespace au {

class TsPanel : public TPanel {
 public:
  explicit TsPanel(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }

 private:
  TsCommonData skinData_{this};
};

}  // namespace au
