#include "controls/ts_panel.h"

namespace au {

TsPanel::TsPanel(TComponent* owner) : TPanel(owner) {
  skinData_.ControlClassCode = 51;
}

}  // namespace au
