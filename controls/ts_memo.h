// TsMemo: the plain Memo control with a skin state.
#pragma once

#include "paint/common_data.h"
#include "ui/memo.h"

namespace au {

class TsMemo : public TMemo {
 public:
  explicit TsMemo(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }

 private:
  TsCommonData skinData_{this};
};

}  // namespace au
