// TsMemo: the memo of the main window with a skin state. Skinned, it takes
// its colours from its section.
#pragma once

#include "paint/common_data.h"
#include "ui/memo.h"

namespace au {

class TsMemo : public TMemo {
 public:
  explicit TsMemo(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }
  const char* ClassName() const override { return "TsMemo"; }

  void Loaded() override;
  void WndProc(TMessage& message) override;

 private:
  void HandleSkinCommand(TMessage& message);

  TsCommonData skinData_{this, true};
};

}  // namespace au
