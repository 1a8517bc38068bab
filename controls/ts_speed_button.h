// TsSpeedButton: the flat push button of the main window with a skin state.
// It takes part in skin broadcasts directly from its parent (it has no
// window) and tracks whether the mouse is over it.
#pragma once

#include "controls/skinned_control.h"
#include "ui/speed_button.h"

namespace au {

class TsSpeedButton : public TsSkinnedControl<TSpeedButton, 92> {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  const char* ClassName() const override { return "TsSpeedButton"; }

  void Loaded() override;
  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);
  // Marks the button opaque while it is skinned: it then paints every pixel.
  void UpdateOpacity();
};

}  // namespace au
