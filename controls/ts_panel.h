// TsPanel: the container that fills the main window. It carries a skin state,
// takes skin broadcasts and passes them on to its own children, and answers
// its children's questions about its background.
#pragma once

#include "controls/skinned_control.h"
#include "ui/panel.h"

namespace au {

class TsPanel : public TsSkinnedControl<TPanel, 51> {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  const char* ClassName() const override { return "TsPanel"; }

  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);
};

}  // namespace au
