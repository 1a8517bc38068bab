#include "controls/ts_status_bar.h"

namespace au {

TsStatusBar::TsStatusBar(TComponent* owner) : TStatusBar(owner) {
  skinData_.ControlClassCode = 151;
}

}  // namespace au
