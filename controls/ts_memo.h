// TsMemo: the memo of the main window with a skin state. Skinned, it takes
// its colours from its section.
#pragma once

#include "controls/skinned_control.h"
#include "ui/memo.h"

namespace au {

class TsMemo : public TsSkinnedControl<TMemo, 7> {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  const char* ClassName() const override { return "TsMemo"; }

  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);
};

}  // namespace au
