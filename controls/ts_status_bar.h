// TsStatusBar: the one-line bar at the bottom of the window, with a skin
// state; it passes skin broadcasts on to its children.
#pragma once

#include "paint/common_data.h"
#include "ui/status_bar.h"

namespace au {

class TsStatusBar : public TStatusBar {
 public:
  explicit TsStatusBar(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }
  const char* ClassName() const override { return "TsStatusBar"; }

  void Loaded() override;
  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);
  void RepaintWithFrame();

  TsCommonData skinData_{this, true};
};

}  // namespace au
