#include "controls/ts_memo.h"

namespace au {

TsMemo::TsMemo(TComponent* owner) : TMemo(owner) {
  skinData_.ControlClassCode = 7;
}

}  // namespace au
