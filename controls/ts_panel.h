// TsPanel: the container that fills the main window. It carries a skin state,
// takes skin broadcasts and passes them on to its own children, and answers
// its children's questions about its background.
#pragma once

#include "paint/common_data.h"
#include "ui/panel.h"

namespace au {

class TsPanel : public TPanel {
 public:
  explicit TsPanel(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }
  const char* ClassName() const override { return "TsPanel"; }

  void Loaded() override;
  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);

  TsCommonData skinData_{this, true};
};

}  // namespace au
