// TsStatusBar: the one-line bar at the bottom of the window, with a skin
// state; it passes skin broadcasts on to its children.
#pragma once

#include "controls/skinned_control.h"
#include "ui/status_bar.h"

namespace au {

class TsStatusBar : public TsSkinnedControl<TStatusBar, 151> {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  const char* ClassName() const override { return "TsStatusBar"; }

  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);
  void RepaintWithFrame();
};

}  // namespace au
